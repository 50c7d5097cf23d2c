// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "library/lessons.h"
#include "base/gbk.h"
#include "window/login_file.h"
#include "support/harness.h"

namespace tally {
namespace {

TEST(LessonFile, Parts) {
    const struct { const char* text; const char* practice; const char* html; const char* answers; } cases[] = {
        {"练习=q17\r\n<h1>20以内的进位加法</h1>\r\n<p>凑十法</p>", "q17", "<h1>20以内的进位加法</h1>\n<p>凑十法</p>", ""},
        {"练习=\n<ol><li>3＋4＝（　）</li></ol>\n答案=\n<ol><li>7</li></ol>\n", "", "<ol><li>3＋4＝（　）</li></ol>",
         "<ol><li>7</li></ol>"},
        {"练习=\r\n<p>题</p>\r\n答案=<p>答</p>\r\n<p>续</p>", "", "<p>题</p>", "<p>答</p>\n<p>续</p>"},
        {"练习= q5002 \r\n<p>分数</p>", "q5002", "<p>分数</p>", ""},
        {"<p>没有练习这一行</p>", "", "<p>没有练习这一行</p>", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        const Lesson lesson = parseLesson(c.text);
        EXPECT_EQ(lesson.practiceKey, c.practice) << c.text;
        EXPECT_EQ(lesson.html, c.html) << c.text;
        EXPECT_EQ(lesson.answersHtml, c.answers) << c.text;
    }
}

TEST(LessonFile, PathOfEachLessonTopic) {
    const std::pair<int, const char*> cases[] = {
        {533302001, "lessons/1/001.txt"}, {533302007, "lessons/1/007.txt"}, {533307120, "lessons/6/120.txt"},
        {533304999, "lessons/3/999.txt"}, {533302, ""},  {5333, ""}, {533302000, ""}, {533308001, ""},
        {533301001, ""},
    };
    for (const auto& [topic, path] : cases) EXPECT_EQ(lessonFilePath(topic), path) << topic;
    for (int topic : {5333, 533302, 533307, 533303001, 533307999}) EXPECT_TRUE(isLessonTopic(topic)) << topic;
    for (int topic : {533301, 533308, 533302000, 5222, 522202, 533308001}) EXPECT_FALSE(isLessonTopic(topic)) << topic;
}

// A grade-1 list of our own, and no lesson file: lesson keys q533302001 …
// q533302006, line 2 empty.
class LessonTest : public ::testing::Test {
protected:
    test::Harness h{test::OwnData{{kLoginFileName}}};
    void SetUp() override {
        h.dir.write("1.txt", *utf8ToGbk("加法\r\n\r\n认识钟表\r\n分数\r\n看图\r\n新课\r\n"));
        h.start();
    }
    void writeLesson(int number, const std::string& text) {
        char name[32];
        std::snprintf(name, sizeof name, "lessons/1/%03d.txt", number);
        h.dir.write(name, *utf8ToGbk(text));
    }
    void openLesson(const std::string& key) { h.click(key, "同步教学"); }
};

constexpr const char* kLessonHtml = "<h1>加法</h1><p>先凑成十，再加剩下的数。</p>";

// The practice is the drill's own sheet: the same draws give the same sheet as
// a click on the drill's node, in the drill form of the toolbar, and fifty
// questions asked are lowered to twenty where the drill lowers them.
TEST(LessonPractice, IsTheDrillsOwnSheet) {
    const struct { const char* key; const char* tab; const char* form; } cases[] = {
        {"q17", "加减乘除", "w6"}, {"q11", "加减乘除", "w7"}, {"q5002", "分数和比例", "w6"},
        {"q71", "时间转换", "w6"}, {"q9001", "四则运算", "w6"},
    };
    for (const auto& c : cases) {
        test::Harness own(test::started);
        own.form->setOption(&SheetOptions::questionCount, 50);
        own.form->clickToolbar(c.form);
        own.click(c.key, c.tab);

        test::Harness lesson;
        lesson.dir.write("1.txt", *utf8ToGbk("加法\r\n"));
        lesson.dir.write("lessons/1/001.txt", *utf8ToGbk(std::string("练习=") + c.key + "\r\n" + kLessonHtml));
        lesson.start();
        lesson.form->setOption(&SheetOptions::questionCount, 50);
        lesson.form->clickToolbar(c.form);
        lesson.click("q533302001", "同步教学");
        EXPECT_EQ(lesson.page.bodyHtml(),
                  std::string(kLessonHtml) + "<p class=practice><b>【练一练】</b></p>" + own.page.bodyHtml())
            << c.key;
        EXPECT_EQ(lesson.form->gradingKey(), c.key);
    }
}

TEST_F(LessonTest, ClockLessonBringsTheClockPanel) {
    writeLesson(3, "练习=q77\r\n<h1>认识钟表</h1>");
    writeLesson(1, "练习=q17\r\n<h1>加法</h1>");
    openLesson("q533302003");
    EXPECT_EQ(h.ui.front, Pane::WebBrowser1);
    EXPECT_NE(h.page.bodyHtml().find("<h1>认识钟表</h1>"), std::string::npos);
    h.form->pageClick("clock");
    EXPECT_EQ(h.ui.front, Pane::Picture2);
    // On another lesson the same name brings nothing.
    openLesson("q533302001");
    h.form->pageClick("clock");
    EXPECT_EQ(h.ui.front, Pane::WebBrowser1);
}

// A lesson or a half-year's summary without its file shows its title and a
// note; a lesson naming no known drill shows itself and marks nothing.
TEST_F(LessonTest, LessonsWithoutAFileOrAKnownDrillStillShowAPage) {
    openLesson("q533302006");
    EXPECT_NE(h.page.bodyHtml().find("<h1>新课</h1>"), std::string::npos);
    EXPECT_NE(h.page.bodyText().find("准备中"), std::string::npos);
    h.click("q522202");
    EXPECT_NE(h.page.bodyHtml().find("<h1>小学1年级上</h1>"), std::string::npos);
    EXPECT_NE(h.page.bodyText().find("准备中"), std::string::npos);

    writeLesson(6, "练习=q99999\r\n<h1>新课</h1><p>要点</p>");
    openLesson("q533302006");
    EXPECT_EQ(h.page.bodyHtml(), "<h1>新课</h1><p>要点</p>");
    EXPECT_EQ(h.form->gradingKey(), "q533302006");
    h.finish();
    EXPECT_EQ(h.page.bodyHtml(), "<h1>新课</h1><p>要点</p>");
}

// A lesson or summary file that would keep the parser busy for minutes is
// refused before it is parsed: the page stays and a message names the file.
TEST_F(LessonTest, DeeplyNestedOrHugeFilesAreRefusedByName) {
    std::string deep = "<h1>新课</h1>";
    for (int i = 0; i < 100000; ++i) deep += "<div>";
    std::string huge = "<h1>新课</h1>";
    while (huge.size() <= (2u << 20)) huge += "<p>一段很长很长的话。</p>";  // GBK is shorter
    const struct { const char* path; const char* key; std::string text; const char* why; } cases[] = {
        {"lessons/1/006.txt", "q533302006", "练习=q17\r\n" + deep, "标签一层套一层，超过了200层"},
        {"lessons/1/006.txt", "q533302006", huge, "太大了（超过1MB）"},
        {"lessons/summary/02.txt", "q522202", deep, "标签一层套一层"},
        {"lessons/summary/02.txt", "q522202", huge, "太大了"},
    };
    for (const auto& c : cases) {
        h.dir.write(c.path, *utf8ToGbk(c.text));
        h.page.setBody("<p>kept</p>");
        h.ui.messages.clear();
        openLesson(c.key);
        EXPECT_TRUE(h.page.bodyHtml() == "<p>kept</p>") << c.path;
        ASSERT_EQ(h.ui.messages.size(), 1u) << c.path;
        EXPECT_NE(h.ui.messages[0].second.find(std::string("文件“") + c.path + "”"), std::string::npos);
        EXPECT_NE(h.ui.messages[0].second.find(c.why), std::string::npos) << h.ui.messages[0].second;
    }
    // Written lessons nest a few levels: they are read as before.
    std::string nested = "<h1>新课</h1>";
    for (int i = 0; i < 50; ++i) nested += "<div><b>";
    writeLesson(6, nested + "要点");
    openLesson("q533302006");
    EXPECT_NE(h.page.bodyText().find("要点"), std::string::npos);
}

}  // namespace
}  // namespace tally
