// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <set>

#include "library/word_problem_sheet.h"
#include "library_fixture.h"
#include "window/login_file.h"
#include "base/seeded_random.h"

namespace tally {
namespace {

using test::crLfText;
using test::gradeFileBytes;
using test::Harness;

// Template k asks for 1 + k: its number is in its text and its answer.
std::string numberedTemplate(int k) {
    return "模板" + std::to_string(k) + "：有(x=1_2)个，又来" + std::to_string(k) + "个，共(z=x+" + std::to_string(k) +
           ")个？";
}

std::vector<int> templatesOnSheet(const std::string& html) {
    std::vector<int> found;
    const std::regex head(R"((\d+)：模板(\d+)：)");
    for (std::sregex_iterator it(html.begin(), html.end(), head), end; it != end; ++it) {
        EXPECT_EQ(std::stoi((*it)[1]), static_cast<int>(found.size()) + 1) << "questions are numbered from 1";
        found.push_back(std::stoi((*it)[2]));
    }
    return found;
}

TEST(WordProblemSheet, TenDifferentTemplatesInFileOrderAndEveryOneDrawn) {
    std::vector<std::string> lines = {"【一年级应用题】", ""};
    for (int k = 1; k <= 30; ++k) {
        lines.push_back(numberedTemplate(k));
        if (k % 7 == 0) lines.push_back("这一行没有变量，不是题目。");
    }
    SeededRandom random(17);
    std::set<int> everDrawn;
    for (int sheet = 0; sheet < 200; ++sheet) {
        const WordProblemSheet built = wordProblemSheet("一年级应用题.txt", crLfText(lines), random);
        ASSERT_EQ(built.message, "");
        const std::vector<int> drawn = templatesOnSheet(built.html);
        ASSERT_EQ(drawn.size(), 10u) << built.html;
        EXPECT_TRUE(std::adjacent_find(drawn.begin(), drawn.end(), std::greater_equal<int>()) == drawn.end())
            << "not ten different templates in file order";
        everDrawn.insert(drawn.begin(), drawn.end());
    }
    EXPECT_EQ(everDrawn.size(), 30u);
}

// A child in the file's own grade before 下学期 gets the templates above
// "# 下学期" only; a later term, a later grade or no child gets them all.
TEST(WordProblemSheet, AChildInUpperTermGetsOnlyUpperTermTemplates) {
    struct Case {
        int topic;
        SchoolStage stage;
        bool marked;
        int highest;  // the highest template number a sheet may show
    };
    const Case cases[] = {
        {7, {1, false}, true, 12}, {7, {1, true}, true, 30}, {7, {2, false}, true, 30},
        {7, {0, false}, true, 30}, {6, {2, false}, true, 12}, {7, {1, false}, false, 30},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        if (c.marked) lines.push_back("# 上学期");
        for (int k = 1; k <= 30; ++k) {
            if (k == 13 && c.marked) lines.push_back("# 下学期");
            lines.push_back(numberedTemplate(k));
        }
        int highest = 0;
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            SeededRandom random(seed);
            const WordProblemSheet built = wordProblemSheet("一年级应用题.txt", crLfText(lines), random,
                                                            UnitPlace::Typed, termReachOf(c.topic, c.stage));
            for (int k : templatesOnSheet(built.html)) highest = std::max(highest, k);
        }
        EXPECT_EQ(highest, c.highest) << c.topic << " grade " << c.stage.grade << " " << c.stage.secondTerm;
    }
}

TEST(WordProblemSheet, ShortEmptyAndBrokenFiles) {
    const struct { const char* text; int questions; const char* message; } cases[] = {
        {"", 0, "“三年级应用题.txt”里没有可以出题的题目。"},
        {"说明文字\r\n(x=1_2)没有要求的数\r\n(z=3)没有x\r\n", 0, "里没有可以出题的题目"},
        {"模板1：(x=1_2)共(z=x+1)个\r\n\r\n模板2：(x=1_2)共(z=x+2)个\r\n模板3：(x=1_2)共(z=x+3)个", 3, ""},
        {"模板1：(x=1_2)共(z=x+1)个\n模板2：(x=1_2)共(z=x+2)个\n", 2, ""},  // bare LF line ends
        {"模板1：(x=1_2)共(z=x+1)个\r\n模板2：(x=3#4)共(z=x)个\r\n", 0,
         "“三年级应用题.txt”第2行不能出题：“(x=3#4)”的范围里没有双数。"},
    };
    SeededRandom random(4);
    for (const auto& c : cases) {
        const WordProblemSheet built = wordProblemSheet("三年级应用题.txt", c.text, random);
        EXPECT_EQ(templatesOnSheet(built.html).size(), static_cast<std::size_t>(c.questions)) << c.text;
        if (*c.message) {
            EXPECT_NE(built.message.find(c.message), std::string::npos) << built.message;
            EXPECT_EQ(built.html, "");
        } else {
            EXPECT_EQ(built.message, "");
        }
    }
}

// A first-grade sheet prints the unit after the box: the number alone is
// right, and so is the number with that unit.
TEST(WordProblemTopics, AnswersAreMarkedWithTheirWorkingAndScored) {
    Harness h(test::started);
    // Ten templates: question k asks for 1 + k 个 (x is always 1).
    std::vector<std::string> lines;
    for (int k = 1; k <= 10; ++k) lines.push_back(numberedTemplate(k));
    h.dir.write("一年级应用题.txt", gradeFileBytes(lines));
    h.click("q57", "应用题");
    const std::pair<const char*, bool> typed[] = {
        {"2个", true},   {"３", true},    {"  4个　", true}, {"5.0", true}, {"", false},
        {"7 个", true},  {"8個", false},  {"9米", false},     {"10", true},  {"12", false},
    };
    for (int i = 1; i <= 10; ++i) h.type("answer" + std::to_string(i), typed[i - 1].first);
    h.finish();
    const std::string text = h.page.bodyText();
    for (int i = 1; i <= 10; ++i) {
        const std::string working = "1+" + std::to_string(i) + "=" + std::to_string(i + 1) + "个";
        const std::string mark = std::string(typed[i - 1].second ? "(√" : "(×") + "，正确答案：" + working + ")";
        EXPECT_NE(text.find(mark), std::string::npos) << "question " << i << " wants " << mark;
    }
    EXPECT_EQ(h.record.stored.back().score, 60);
    EXPECT_EQ(h.record.stored.back().missed.at(0).correct, "6");
}

// A unit is whatever the parent wrote after the z marker, a bar after a
// remainder included. Whatever it is, the worked answer stays in its box until
// the sheet is marked, and the answer typed as the sheet shows it is right.
TEST(WordProblemTopics, AnyUnitStaysInTheTagAndCanBeAnsweredRight) {
    const std::string sum = "有(x=2_3)和(y=3_4)，共(z=x+y)", left = "有(x=17_18)个，每(y=5_6)个，还剩(z=qiuu)";
    const struct {
        std::string line;   // the template
        const char* typed;  // the right answer, as a child types it
        std::string mark;
    } cases[] = {
        {sum + ">", "5>", "2+3=5>"},       {sum + "|", "5|", "2+3=5｜"},     {sum + "&lt;", "5&", "2+3=5&"},
        {sum + " ", "5", "2+3=5)"},        {sum + "％", "5%", "2+3=5％"},    {sum + "ｃｍ？", "5ｃ", "2+3=5ｃ"},
        {sum + "个", "５个", "2+3=5个"},
        {left + "|2?", "2|2", "17除以5的余数=2｜2)"}, {left + "个|只?", "2个｜只", "17除以5的余数=2个｜只)"},
        {left + "a|b|c?", "2a|b|c", "17除以5的余数=2a｜b｜c)"},
    };
    for (const auto& c : cases) {
        Harness h(test::started);
        h.dir.write("三年级应用题.txt", gradeFileBytes({c.line}));
        h.click("q55", "应用题");
        ASSERT_TRUE(h.page.has("answer1") && h.page.has("finish")) << c.line;
        EXPECT_EQ(h.page.bodyText().find("正确答案"), std::string::npos) << "working shown early: " << c.line;
        h.type("answer1", c.typed);
        h.finish();
        EXPECT_NE(h.page.bodyText().find("(√，正确答案：" + c.mark), std::string::npos) << c.line << ": " << h.page.bodyText();
        EXPECT_EQ(h.record.stored.back().score, 100) << c.line;
    }
}

// A missing or broken file, a line of megabytes or a file of many, is
// refused at once: the page stays, and the message names the file and
// quotes no more than a few words of it.
TEST(WordProblemTopics, MissingBrokenAndOverlongFilesLeaveThePageAndSayWhich) {
    std::string markers;
    for (int i = 0; i < 100000; ++i) markers += "(x=1_9)";
    std::string bigFile;
    while (bigFile.size() <= (1u << 20)) bigFile += "(x=1_2)共(z=x+1)个\r\n";
    const struct {
        std::optional<std::string> bytes;  // none: no file
        const char* message;
    } cases[] = {
        {std::nullopt, "找不到应用题文件“二年级应用题.txt”，请把它放回程序的文件夹里。"},
        {"(x=1_2)\xb9\xb2(z=x+)", "应用题文件“二年级应用题.txt”第1行不能出题：算式“x+”算不出来。请爸爸妈妈改一改这一行。"},
        {"(x=1_2)" + markers + "(z=x)个", "第1行不能出题：这一行太长了（一行最多1000个字）"},
        {bigFile, "文件“二年级应用题.txt”太大了（超过1MB），程序不读它。"},
    };
    for (const auto& c : cases) {
        Harness h(test::OwnData{{kLoginFileName}});
        h.start();
        if (c.bytes) h.dir.write("二年级应用题.txt", *c.bytes);
        h.page.setBody("<p>kept</p>");
        h.click("q56", "应用题");
        EXPECT_TRUE(h.page.bodyHtml() == "<p>kept</p>");
        ASSERT_FALSE(h.ui.messages.empty());
        const auto& [title, message] = h.ui.messages.back();
        EXPECT_EQ(title, "提示");
        EXPECT_NE(message.find(c.message), std::string::npos) << message.substr(0, 300);
        EXPECT_LT(message.size(), 400u);
    }
}

}  // namespace
}  // namespace tally
