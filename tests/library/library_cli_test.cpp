#include <gtest/gtest.h>

#include <sstream>

#include "library_fixture.h"

namespace tally {
namespace {

// The headless front end reaches the library's topics: a word-problem sheet
// is written, answered and marked; a knowledge topic grows its list.
TEST(LibraryCli, AWordProblemSheetIsAnsweredAndMarked) {
    test::TempDataDir dir;
    dir.write("一年级应用题.txt", test::gradeFileBytes({"有(x=2_3)只鸭，又来(y=3_4)只，共(z=x+y)只？"}));
    std::istringstream lines(test::runCli(
        dir, "tab 应用题\nclick q57\npage\nset answer1 5只\ntick Timer1 2\nfinish\npage\npress nothing\n"
             "click q5\npage\n"));
    std::string sheet, marked, pressed, section;
    std::getline(lines, sheet);
    std::getline(lines, marked);
    std::getline(lines, pressed);
    std::getline(lines, section);
    EXPECT_NE(sheet.find("1：有2只鸭，又来3只，共多少只？<br>答案 =  <input class=text name=answer1"), std::string::npos)
        << sheet;
    EXPECT_NE(marked.find("(√，正确答案：2+3=5只)"), std::string::npos) << marked;
    EXPECT_NE(marked.find("非常不错！你的得分是100分，用时2秒！"), std::string::npos) << marked;
    EXPECT_EQ(pressed, "error: no element nothing");
    EXPECT_EQ(section.rfind("<h1>应用题</h1><p>", 0), 0u) << section;
}

}  // namespace
}  // namespace tally
