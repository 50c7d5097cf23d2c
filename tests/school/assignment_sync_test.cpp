// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil does an assignment on a lab computer through the headless front
// end, and the teacher's table shows exactly what was typed: sent at once
// while the server is there, kept and sent once when it was away.
#include <gtest/gtest.h>

#include <regex>

#include "school/school_settings.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace tally::test {
namespace {

constexpr const char* kDeadServer = "host=127.0.0.1 port=1 connect_timeout=1 user=tallymoo_lab";

class AssignmentSync : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string made = cli("server", "teacher wang-laoshi\nclass add " + room + "\npupil add " + room +
                                                   " 小丽 1357\nassign " + room + " k2101 6 2026-12-18\n");
        std::smatch found;
        ASSERT_TRUE(std::regex_search(made, found, std::regex("class [0-9]+ \\S+ ([A-Z0-9]{8})\n"))) << made;
        cli("lab", "join " + found[1].str() + "\n");
        ASSERT_TRUE(std::regex_search(made, found, std::regex("assignment ([0-9]+)\n"))) << made;
        assignment = found[1];
    }
    std::string cli(const std::string& setting, const std::string& commands, const std::string& options = "") {
        const std::string given = setting == "dead" ? kDeadServer : schoolSetting(setting);
        const std::string command = std::string(TALLYMOO_CLI) + " --data " + TALLYMOO_DATA_DIR +
                                    " --seed 1 --today 2026-12-10 --record " + (folder.path() / "r.sqlite").string() +
                                    " --school '" + given + "' " + options;
        return outputOf(command, commands).value_or("failed: " + command);
    }
    // Opens the assignment and types each sum right, but every second one
    // over by one; the answers typed, by question, and whether each is right.
    std::string doIt(const std::string& setting, std::vector<std::pair<std::string, bool>>& typed) {
        const std::string login = "--pupil " + room + " 小丽 1357";
        const std::string page = cli(setting, "do " + assignment + "\npage\n", login);
        std::string commands = "do " + assignment + "\n";
        const std::regex question("第([0-9]+)题：([0-9]+)＋([0-9]+)＝");
        for (std::sregex_iterator at(page.begin(), page.end(), question), end; at != end; ++at) {
            const bool right = typed.size() % 2 == 0;
            typed.emplace_back(std::to_string(std::stoi((*at)[2]) + std::stoi((*at)[3]) + (right ? 0 : 1)), right);
            commands += "set answer" + (*at)[1].str() + " " + typed.back().first + "\n";
        }
        // Another seed of the program's own: the assignment's seed alone draws its questions.
        return cli(setting, commands + "finish\noutbox\nstatus\nsync\noutbox\n", login + " --seed 2");
    }
    // Every answer comes with what was typed, right or wrong.
    std::string expectedLine(const std::vector<std::pair<std::string, bool>>& typed) {
        std::string line = "小丽\t3/6";
        for (std::size_t at = 0; at < typed.size(); ++at) {
            const auto& [text, right] = typed[at];
            line += "\t" + std::to_string(at + 1) + ":" + text + (right ? ":√" : ":×");
        }
        return line;
    }
    std::string table() { return cli("server", "teacher wang-laoshi\nresults " + assignment + "\n"); }

    TempFolder folder;
    std::string room = uniqueName("二年级（1）班");
    std::string assignment;
};

TEST_F(AssignmentSync, AnAssignmentDoneOnlineReachesTheTeacherOnce) {
    std::vector<std::pair<std::string, bool>> typed;
    const std::string done = doIt("lab", typed);
    ASSERT_EQ(typed.size(), 6u) << done;
    EXPECT_NE(done.find("\n0\n"), std::string::npos) << done;
    EXPECT_NE(done.find("sent 0 waiting 0\n"), std::string::npos) << done;
    EXPECT_NE(std::regex_replace(table(), std::regex(":[0-9-]+(\t|\n)"), "$1").find(expectedLine(typed)),
              std::string::npos);
}

TEST_F(AssignmentSync, AnAssignmentDoneWhileTheServerIsAwayWaitsAndArrivesOnce) {
    cli("lab", "assignments\n", "--pupil " + room + " 小丽 1357");
    std::vector<std::pair<std::string, bool>> typed;
    const std::string offline = doIt("dead", typed);
    EXPECT_NE(offline.find("\n6\t还有6道题没有交给老师\n"), std::string::npos) << offline;
    EXPECT_NE(offline.find("　还有6道题没有交给老师\n"), std::string::npos) << offline;
    EXPECT_NE(table().find("小丽\t没有做"), std::string::npos);
    const std::string back = cli("lab", "outbox\nsync\noutbox\nsync\n", "--pupil " + room + " 小丽 1357");
    EXPECT_NE(back.find("6\t还有6道题没有交给老师\n"), std::string::npos) << back;
    EXPECT_NE(back.find("sent 0 waiting 0\n0\nsent 0 waiting 0\n"), std::string::npos) << back;
    EXPECT_NE(std::regex_replace(table(), std::regex(":[0-9-]+(\t|\n)"), "$1").find(expectedLine(typed)),
              std::string::npos);
}

}  // namespace
}  // namespace tally::test
