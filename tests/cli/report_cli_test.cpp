// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "support/harness.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

// Two children on one record file: each one's misses wait for them alone,
// and every page names the same count.
class ReportCli : public ::testing::Test {
protected:
    test::TestData data;
    test::TempFolder dir;

    std::string run(const std::string& commands, const std::string& day, const std::optional<std::string>& child,
                    const std::optional<std::string>& login = std::nullopt) {
        return test::runCli(data, commands, login, dir.path() / "record.sqlite", child, parseDay(day));
    }

    // The count each page carries, in the order the pages were printed.
    static std::vector<int> waitingOnPages(const std::string& out) {
        std::vector<int> counts;
        const std::regex count("data-waiting=(\\d+)");
        for (auto it = std::sregex_iterator(out.begin(), out.end(), count); it != std::sregex_iterator(); ++it) {
            counts.push_back(std::stoi((*it)[1]));
        }
        return counts;
    }
};

TEST_F(ReportCli, EveryPageNamesTheChildsOwnCountOfMissesWaiting) {
    ASSERT_EQ(run("child add 小明 1\nchild add 小红 4\nquit\n", "2026-12-01", std::nullopt, "238"), "");
    // 小明 misses a sheet of 10, 小红 one of 20; on that day none is due yet.
    run("tab 加减乘除\nclick q11\nset answer1 x\nfinish\nquit\n", "2026-12-01", "小明");
    const std::string hong = run("options 20 -\ntab 加减乘除\nclick q13\nset answer1 x\nfinish\nwaiting\ndue\nquit\n", "2026-12-01", "小红");
    // The next day every miss is due: the count is the list's length.
    const auto dueLines = [&](const std::string& child) {
        const std::string out = run("due\nquit\n", "2026-12-02", child);
        return static_cast<int>(std::count(out.begin(), out.end(), '\n')) - 1;
    };
    const int ming = dueLines("小明");
    const int hongMisses = dueLines("小红");
    EXPECT_EQ(ming, 10);
    EXPECT_GT(hongMisses, 10);
    EXPECT_EQ(hong, std::to_string(hongMisses) + "\n.\n");

    // 小明 alone: waiting, the report, the record page and the today page agree.
    const std::string own =
        run("waiting\nreport\npage2\ntoolbar w13\npage2\ntoday\npage\nreport 小红\nquit\n", "2026-12-01", "小明");
    EXPECT_TRUE(own.starts_with("10\n")) << own;
    EXPECT_EQ(waitingOnPages(own), (std::vector<int>{10, 10, 10}));
    EXPECT_EQ(own.find("report-child-"), std::string::npos);  // no switch for a child alone
    EXPECT_TRUE(own.ends_with("error: 别的孩子的报告要请爸爸妈妈先用高级用户登录。\n")) << own;

    // The parent, logged in beside 小明, opens 小红's report from the switch.
    const std::string parent = run("report 小红\npage2\nreport 小刚\nquit\n", "2026-12-02", "小明", "238");
    EXPECT_NE(parent.find("小红的每周练习报告"), std::string::npos);
    EXPECT_TRUE(std::regex_search(parent, std::regex("href=\"report-child-\\d+\\.tallymoo\">小明</a>"))) << parent;
    EXPECT_EQ(waitingOnPages(parent), (std::vector<int>{hongMisses}));
    EXPECT_TRUE(parent.ends_with("error: no child 小刚\n")) << parent;
}

}  // namespace
}  // namespace tally
