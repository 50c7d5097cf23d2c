#include <gtest/gtest.h>

#include <sstream>

#include "support/harness.h"

namespace tally {
namespace {

// page2 prints the file the second pane shows, or "built" and the HTML of a
// page the program wrote there, on one line.
TEST(CliReading, SecondPaneFileOrBuiltPage) {
    test::TempDataDir dir;
    dir.write("test/1991.htm", "<html></html>");
    const std::string out = test::runCli(dir, "tab 奥数试卷\nclick q2024\npage2\nfront\nclick q2060\npage2\n");
    std::istringstream lines(out);
    std::string file, front, built;
    std::getline(lines, file);
    std::getline(lines, front);
    std::getline(lines, built);
    EXPECT_EQ(file, "test/1991.htm");
    EXPECT_EQ(front, "WebBrowser2");
    EXPECT_EQ(built.rfind("built <!DOCTYPE html> ", 0), 0u) << built;
    EXPECT_NE(built.find("<h1>1991年全国奥数题 参考答案</h1>"), std::string::npos) << built;
    EXPECT_EQ(built.find('\r'), std::string::npos);
    EXPECT_FALSE(lines >> file) << "more than one line a page";
}

}  // namespace
}  // namespace tally
