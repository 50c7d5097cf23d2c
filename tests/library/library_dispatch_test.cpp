#include <gtest/gtest.h>

#include "library_fixture.h"

namespace tally {
namespace {

using test::Harness;
using test::useTexts;

// No section or folder node of the library opens a blank page.
TEST(LibrarySections, EachSectionShowsItsIntroduction) {
    const struct {
        const char* key;
        const char* tab;
        const char* text;
        const char* caption;
    } cases[] = {
        {"q600", "基础概念", "IntroBasics", "基础知识"},
        {"q5", "应用题", "IntroWordProblems", "应用题"},
        {"q58", "应用题", "IntroGeometry", "几何题"},
        {"q55555", "智力题", "IntroPuzzles", "智力题"},
        {"q51", "智力题", "IntroBrainTeasers", "脑力体操"},
    };
    Harness h;
    h.start();
    for (const auto& c : cases) {
        useTexts(*h.form, {{c.text, std::string("说明") + c.text}});
        h.page.setBody("");
        h.click(c.key, c.tab);
        EXPECT_EQ(h.page.bodyHtml(), std::string("<h1>") + c.caption + "</h1><p>说明" + c.text + "</p>") << c.key;
    }
    // A list whose text is empty says so rather than showing nothing.
    useTexts(*h.form, {});
    h.click("q59", "智力题");
    EXPECT_EQ(h.page.bodyHtml(), "<h1>智力体操</h1><h2>这里还没有内容，请过些日子再来看看。</h2>");
}

}  // namespace
}  // namespace tally
