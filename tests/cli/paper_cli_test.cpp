// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "support/harness.h"
#include "support/temp_folder.h"

namespace tally {
namespace {

std::vector<std::string> linesOf(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Headless, a sheet is printed with its code, listed, opened by it, marked
// by question numbers and a typed answer, and stored as done on paper.
TEST(PaperCli, PrintListOpenMarkAndConfirm) {
    const test::TestData data;
    const test::TempFolder folder;
    const std::filesystem::path record = folder.path() / "record.sqlite";
    const std::vector<std::string> printed =
        linesOf(test::runCli(data, "tab 口算\nclick k1105\nprint\nprinted\nquit\n", "238", record));
    ASSERT_EQ(printed.size(), 3u);
    const std::string code = printed[0];
    ASSERT_EQ(code.size(), 8u);
    EXPECT_EQ(printed[1].substr(0, 9), code + "\t");
    EXPECT_NE(printed[1].find("\tk1105\t以前的记录"), std::string::npos) << printed[1];
    EXPECT_EQ(printed[2], ".");

    const std::string out = test::runCli(
        data, "paper " + code + "\nwrong 2 3\nwrong 3\nanswer 5 99\nset paperseconds 42\nconfirm\nrecord\nmisses\nquit\n", "238",
        record);
    const std::vector<std::string> lines = linesOf(out);
    ASSERT_GE(lines.size(), 4u) << out;
    EXPECT_NE(lines[0].find("\tk1105\t10\t8\t80\t42"), std::string::npos) << out;
    EXPECT_NE(out.find("\t99\t"), std::string::npos) << "the typed answer is kept with its miss: " << out;
}

}  // namespace
}  // namespace tally
