#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/harness.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

class CliRecord : public ::testing::Test {
protected:
    test::TempDataDir dir;
    fs::path recordFile = dir.path() / "record/record.sqlite";

    std::string run(const std::string& commands) { return test::runCli(dir, commands, "238", recordFile); }
};

TEST_F(CliRecord, PrintsTheMarkedSheetsNewestFirstAcrossRuns) {
    EXPECT_EQ(run("record\nquit\n"), ".\n");
    run("options 10 -\nclick q11\nset answer1 999\nfinish\nquit\n");
    const std::string out = run("tab 数学游戏\nclick q62\nfinish\nrecord\nquit\n");
    const std::regex line(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\t(q\d+)\t(\d+)\t(\d+)\t(\d+)\t(\d+)\n)");
    std::vector<std::string> keys;
    std::vector<int> questions;
    for (auto it = std::sregex_iterator(out.begin(), out.end(), line); it != std::sregex_iterator(); ++it) {
        keys.push_back((*it)[1]);
        questions.push_back(std::stoi((*it)[2]));
        EXPECT_LE(std::stoi((*it)[3]), std::stoi((*it)[2]));
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"q62", "q11"})) << out;
    EXPECT_EQ(questions, (std::vector<int>{4, 10})) << out;  // the memory game starts with 4 cards
    EXPECT_EQ(out.substr(out.size() - 2), ".\n");
}

TEST_F(CliRecord, ADamagedRecordGivesOneMessageAndTheSheetStays) {
    dir.write("record/record.sqlite", "not a database, just words");
    const std::string out =
        run("click q11\nfinish\nclick q12\nfinish\nmessages\npage\nrecord\nquit\n");
    EXPECT_EQ(std::regex_search(out, std::regex("提示\\|成绩记录")), true) << out;
    EXPECT_EQ(out.find("成绩记录", out.find("成绩记录") + 1), std::string::npos) << out;
    EXPECT_NE(out.find("你的得分是"), std::string::npos);
    EXPECT_EQ(out.substr(out.size() - 2), ".\n");
}

TEST_F(CliRecord, RedrillWritesTheMissedQuestionsAndThePageShowsThem) {
    const std::string marked = run("click q11\nset answer1 999\nfinish\npage\nquit\n");
    const std::smatch first = [&] {
        std::smatch m;
        std::regex_search(marked, m, std::regex(R"(第1题：(\d\+\d=) <input[^>]*tag=(\d+))"));
        return m;
    }();
    ASSERT_FALSE(first.empty()) << marked;
    const std::string out = run("redrill\npage\ntoolbar w13\npage2\nquit\n");
    EXPECT_NE(out.find("这些是以前做错的题"), std::string::npos) << out;
    EXPECT_NE(out.find("第1题：" + first[1].str() + " <input class=text name=answer1 type=text size=7 tag=" +
                       first[2].str() + ">"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("built <!DOCTYPE html>"), std::string::npos);
    EXPECT_NE(out.find("有10道错题还没有练对。"), std::string::npos);
}

}  // namespace
}  // namespace tally
