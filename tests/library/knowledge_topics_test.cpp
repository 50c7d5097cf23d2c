// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "library_fixture.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

using test::childKeys;
using test::crLfText;
using test::Harness;
using test::useTexts;

using Keys = std::vector<std::string>;

// Twelve items with a blank line 2: the items are numbered by their lines.
// Terms 3 to 5 are no file names.
std::string integersFixture() {
    std::vector<std::string> lines = {"[自然数]0、1、2、3……都是自然数。", "", "[1/2]一半", "[..]点", "[a\\b]斜线"};
    for (int line = 6; line <= 12; ++line) {
        lines.push_back("[词" + std::to_string(line) + "]第" + std::to_string(line) + "行的]解释");
    }
    return crLfText(lines);
}

TEST(KnowledgeTopics, ItemsGrowOnTheFirstClickNumberedByTheirLines) {
    Harness h(test::started);
    useTexts(*h.form, {{"Text10", integersFixture()}});
    h.click("q6002", "基础概念");
    Keys expected = {"q6002001"};
    for (int line = 3; line <= 12; ++line) expected.push_back("q6002" + std::string(line < 10 ? "00" : "0") + std::to_string(line));
    EXPECT_EQ(childKeys(*h.form, "q6002"), expected);

    // A second click adds nothing; a new tab click rebuilds the tree and the list grows again.
    const std::size_t nodes = h.form->tree().nodes().size();
    h.click("q6002");
    EXPECT_EQ(h.form->tree().nodes().size(), nodes);
    h.click("q6002", "基础概念");
    EXPECT_EQ(childKeys(*h.form, "q6002"), expected);

    // Item ten shows line ten; only a term with a sound file is spoken, a
    // missing one is skipped silently, and a term that is no file name is not spoken.
    h.dir.write("sound/自然数.mp3", "ID3");
    h.dir.write("sound/1/2.mp3", "ID3");
    for (const char* key : {"q6002003", "q6002004", "q6002005", "q6002010"}) h.click(key);
    EXPECT_EQ(h.page.bodyHtml(), "<h1>词10</h1><h2><br>&nbsp;&nbsp;&nbsp;&nbsp;第10行的]解释</h2>");
    EXPECT_TRUE(h.ui.sounds.empty());
    EXPECT_TRUE(h.ui.messages.empty());
    h.click("q6002001");
    EXPECT_EQ(h.ui.sounds, Keys{"sound/自然数.mp3"});
}

// A knowledge topic reads its own text; the English ones speak from sound/en/,
// the others of this kind are silent.
TEST(KnowledgeTopics, EachTopicItsTextAndItsVoice) {
    const struct {
        const char* key;
        const char* text;
        const char* sound;  // "" for a silent topic
    } cases[] = {{"q6003", "Text11", ""}, {"q6007", "Knowledge6007", "sound/en/"}, {"q6009", "Knowledge6009", ""}};
    Harness h(test::started);
    h.dir.write("sound/apple.mp3", "ID3");
    h.dir.write("sound/en/apple.mp3", "ID3");
    for (const auto& c : cases) {
        useTexts(*h.form, {{c.text, "[apple]苹果"}});
        h.ui.sounds.clear();
        h.click(c.key, "基础概念");
        const std::string child = std::string(c.key) + "001";
        ASSERT_EQ(childKeys(*h.form, c.key), Keys{child}) << c.text;
        h.click(child);
        EXPECT_EQ(h.page.bodyHtml(), "<h1>apple</h1><h2><br>&nbsp;&nbsp;&nbsp;&nbsp;苹果</h2>");
        const Keys sounds = *c.sound ? Keys{std::string(c.sound) + "apple.mp3"} : Keys{};
        EXPECT_EQ(h.ui.sounds, sounds) << c.key;
    }
}

std::string workedProblemsFixture() {
    return crLfText({"约数和倍数的应用题", "【例1】一篮鸡蛋，2个2个地数多1个。", "问 至少几个？答案=至少3个。",
                     "【没有结束的标题", "【例3】第三题答案=第三题的答案"});
}

TEST(WorkedProblems, AnEntryShowsItsQuestionAndRevealsItsAnswerOnce) {
    Harness h(test::started);
    useTexts(*h.form, {{"Text18", workedProblemsFixture()}});
    h.click("q8005", "约数和倍数");
    EXPECT_EQ(childKeys(*h.form, "q8005"), (Keys{"q8005002", "q8005004"}));

    h.click("q8005002");
    EXPECT_EQ(h.page.bodyHtml(),
              "<h1>例1</h1><h2>一篮鸡蛋，2个2个地数多1个。<br>问&nbsp;至少几个？</h2>" + std::string(kRevealButton) +
                  "<br><br>");
    h.tick(1, 9);
    h.finish();
    EXPECT_NE(h.page.bodyHtml().find("查看答案 tag=十><h2>至少3个。<br></h2><br>思考用时9秒！"), std::string::npos)
        << h.page.bodyHtml();
}

}  // namespace
}  // namespace tally
