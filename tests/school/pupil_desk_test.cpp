// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil on a lab computer through the headless front end, against the test
// server: 下发的练习 first, an assignment opened from its link and handed in,
// its marks on the list, and an assignment made meanwhile arriving by itself.
#include <gtest/gtest.h>

#include <regex>
#include <thread>

#include "pg_school/school_desk.h"
#include "school/school_settings.h"
#include "sqlite_record/sqlite_record.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace tally::test {
namespace {

constexpr const char* kDeadServer = "host=127.0.0.1 port=1 connect_timeout=1 user=tallymoo_lab";

class PupilDesk : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string made = cli("teacher wang-laoshi\nclass add " + room + "\npupil add " + room +
                                     " 小丽 1357\nassign " + room + " k2101 4 2026-12-18\n");
        std::smatch found;
        ASSERT_TRUE(std::regex_search(made, found, std::regex("class [0-9]+ \\S+ ([A-Z0-9]{8})\n"))) << made;
        cli("join " + found[1].str() + "\n");
        ASSERT_TRUE(std::regex_search(made, found, std::regex("assignment ([0-9]+)\n"))) << made;
        link = "assignment-" + found[1].str() + ".tallymoo";
    }
    std::string cli(const std::string& commands, const std::string& options = "") {
        const std::string command = std::string(TALLYMOO_CLI) + " --data " + TALLYMOO_DATA_DIR +
                                    " --seed 1 --today 2026-12-10 --record " + (folder.path() / "r.sqlite").string() +
                                    " --school '" + schoolSetting("lab") + "' " + options;
        return outputOf(command, commands).value_or("failed: " + command);
    }
    std::string asPupil(const std::string& commands, const std::string& options = "") {
        return cli(commands, options + " --pupil " + room + " 小丽 1357");
    }

    TempFolder folder;
    std::string room = uniqueName("二年级（2）班");
    std::string link;
};

TEST_F(PupilDesk, ThePupilStartsOnTheAssignmentsAndComesBackToTheirMarks) {
    const std::string first = asPupil("page\nlink " + link + "\npage\n");
    EXPECT_NE(first.find("下发的练习"), std::string::npos) << first;
    EXPECT_NE(first.find("还没有做"), std::string::npos) << first;
    // Every sum right but the first, worked out here from the sheet's own terms.
    std::string commands = "link " + link + "\n";
    const std::regex sum("第([0-9]+)题：([0-9]+)＋([0-9]+)＝");
    int questions = 0;
    for (std::sregex_iterator at(first.begin(), first.end(), sum), end; at != end; ++at, ++questions) {
        const int right = std::stoi((*at)[2]) + std::stoi((*at)[3]);
        commands += "set answer" + (*at)[1].str() + " " + std::to_string(questions == 0 ? right + 1 : right) + "\n";
    }
    ASSERT_EQ(questions, 4) << first;
    const std::string done = asPupil(commands + "finish\npage\npress assignments\npage\n");
    EXPECT_NE(done.find("回到下发的练习"), std::string::npos) << done;
    EXPECT_NE(done.find("做完了，做对了3道（共4道）"), std::string::npos) << done;
}

TEST_F(PupilDesk, TheClassButtonBringsAPupilBackToTheAssignmentsNotTheTeachersView) {
    const std::string back = asPupil("tab 口算\nclick k2102\ntoolbar w18\npage\n");
    EXPECT_NE(back.find("下发的练习"), std::string::npos) << back;
    EXPECT_EQ(back.find("老师登录"), std::string::npos) << back;
}

TEST_F(PupilDesk, AnAssignmentMadeWhileThePupilIsInArrivesByItself) {
    // The teacher assigns over the session's own connection; the pupil's watch has one of its own.
    const std::string seen = asPupil("teacher wang-laoshi\nassign " + room + " k2102 5 2026-12-20\nwatch 60\npage\n");
    std::smatch made;
    ASSERT_TRUE(std::regex_search(seen, made, std::regex("assignment ([0-9]+)\n"))) << seen;
    EXPECT_NE(seen.find("\n" + made[1].str() + "\tk2102\t5\t2026-12-20\t"), std::string::npos) << seen;
    // 下发的练习 was on screen, so it shows the new one at once.
    EXPECT_NE(seen.find("assignment-" + made[1].str() + ".tallymoo"), std::string::npos) << seen;
}

// The window's way: the answers that waited while the server was away go on
// the courier's thread, and what the server took leaves the outbox.
TEST_F(PupilDesk, AnswersThatWaitedGoOnAThreadOfTheirOwn) {
    asPupil("");
    const std::string away = asPupil("link " + link + "\nset answer1 1\nset answer2 1\nset answer3 1\nset answer4 1\n"
                                     "finish\noutbox\n", std::string("--school '") + kDeadServer + "'");
    ASSERT_TRUE(std::regex_search(away, std::regex("(^|\n)4\t"))) << away;

    SchoolDesk desk(folder.path() / "school", schoolSetting("lab"));
    ASSERT_EQ(desk.logInPupil(room, "小丽", "1357"), "");
    SqliteRecord record(desk.pupilRecord());
    const long long child = record.children().at(0).id;
    ASSERT_TRUE(desk.startSending(record, child, false));
    std::optional<Upload> done;
    for (int look = 0; look < 300 && !done; ++look) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        done = desk.sendDone(record, child);
    }
    ASSERT_TRUE(done);
    EXPECT_EQ(done->problem, "");
    EXPECT_EQ(done->sent, 4);
    EXPECT_EQ(done->waiting, 0);
    EXPECT_EQ(record.unsentCount(child), 0);
}

}  // namespace
}  // namespace tally::test
