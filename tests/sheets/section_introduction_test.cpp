#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"

namespace tally {
namespace {

// A drill section's root shows its introduction instead of a blank page; the
// pattern root keeps its pointer to the lecture.
TEST(SectionIntroduction, EachDrillRootIntroducesItsSection) {
    const struct {
        const char* key;
        const char* tab;
        const char* heading;
    } cases[] = {
        {"q7", "时间转换", "<b>时间转换</b>"},     {"q8", "比较多少", "<b>比较多少</b>"},
        {"q9", "规律运算", "<b>规律运算</b>"},     {"q500", "分数和比例", "<b>分数</b>"},
        {"q900", "四则运算", "<b>四则运算</b>"},   {"q700", "约数和倍数", "<b>求最大公约数</b>"},
        {"q800", "约数和倍数", "<b>求最小公倍数</b>"},
    };
    test::Harness h;
    h.start();
    for (const auto& c : cases) {
        h.click(c.key, c.tab);
        const std::string html = h.page.bodyHtml();
        EXPECT_NE(html.find(c.heading), std::string::npos) << c.key << ": " << html;
        EXPECT_NE(html.find("<br>"), std::string::npos) << c.key;
        EXPECT_EQ(html.find('\r'), std::string::npos) << c.key;
        EXPECT_FALSE(h.page.has("finish")) << c.key;
    }
    h.click("q9", "规律运算");
    EXPECT_EQ(h.page.bodyHtml().rfind("规律运算说明：请看数学讲座，对这种形式的题有专门的讲解！<br><br><b>规律运算</b>", 0), 0u)
        << h.page.bodyHtml();
    // A topic below a root shows its sheet alone.
    h.click("q71", "时间转换");
    EXPECT_EQ(h.page.bodyHtml().find("<b>时间转换</b>"), std::string::npos);
}

}  // namespace
}  // namespace tally
