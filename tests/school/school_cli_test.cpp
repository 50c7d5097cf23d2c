// SPDX-License-Identifier: GPL-3.0-or-later
// The school's headless commands, the way a teacher and a lab computer type
// them, against the test server.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "school/school_settings.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace tally::test {
namespace {

class SchoolCli : public ::testing::Test {
protected:
    // tallymoo-cli with the record (and so the school's folder) of the test.
    std::string cli(const std::string& options, const std::string& commands) {
        const std::string command = std::string(TALLYMOO_CLI) + " --data " + TALLYMOO_DATA_DIR + " --seed 1" +
                                    " --today 2026-12-10 --record " + (folder.path() / "record.sqlite").string() + " " +
                                    options;
        return outputOf(command, commands).value_or("failed: " + command);
    }
    std::string school(const std::string& setting) { return "--school '" + schoolSetting(setting) + "'"; }

    TempFolder folder;
};

TEST_F(SchoolCli, ATeacherHandsOutPracticeThatAPupilSeesAtLogin) {
    const std::string name = uniqueName("二年级（3）班");
    const std::string made = cli(school("server"), "teacher wang-laoshi\nclass add " + name + "\npupil add " + name +
                                                       " 小丽 1357\nassign " + name + " k2101 20 2026-12-18\n");
    std::smatch code;
    ASSERT_TRUE(std::regex_search(made, code, std::regex("class [0-9]+ \\S+ ([A-Z0-9]{8})\n"))) << made;
    EXPECT_NE(made.find("\nassignment "), std::string::npos) << made;

    EXPECT_NE(cli(school("lab"), "join " + code[1].str() + "\n").find("joined "), std::string::npos);
    const std::string pupil = cli("--pupil " + name + " 小丽 1357", "assignments\noutbox\n");
    EXPECT_TRUE(std::regex_search(pupil, std::regex("\tk2101\t20\t2026-12-18\t"))) << pupil;
    EXPECT_NE(pupil.find("\n0\n"), std::string::npos) << pupil;

    const std::string table = cli(school("server"), "teacher wang-laoshi\nassignments\npupils " + name + "\n");
    EXPECT_NE(table.find("\t小丽\n"), std::string::npos) << table;
}

TEST_F(SchoolCli, AWrongPinOrAnUnjoinedClassKeepsThePupilOut) {
    const std::string name = uniqueName("一年级（1）班");
    const std::string made =
        cli(school("server"), "teacher wang-laoshi\nclass add " + name + "\npupil add " + name + " 小军 2222\n");
    std::smatch code;
    ASSERT_TRUE(std::regex_search(made, code, std::regex("class [0-9]+ \\S+ ([A-Z0-9]{8})\n"))) << made;
    const std::string command = std::string(TALLYMOO_CLI) + " --data " + TALLYMOO_DATA_DIR + " --record " +
                                (folder.path() / "record.sqlite").string() + " " + school("lab");
    EXPECT_FALSE(outputOf(command + " --pupil " + name + " 小军 2222", ""));
    ASSERT_TRUE(outputOf(command, "join " + code[1].str() + "\n"));
    EXPECT_FALSE(outputOf(command + " --pupil " + name + " 小军 9999", ""));
    EXPECT_TRUE(outputOf(command + " --pupil " + name + " 小军 2222", ""));
}

// A list of names imported prints each pupil's PIN, and those PINs log in;
// a group's assignment and its results page follow.
TEST_F(SchoolCli, ATeacherImportsAListAndHandsOutPracticeToAGroup) {
    const std::string name = uniqueName("三年级（1）班");
    const std::filesystem::path list = folder.path() / "names.csv";
    std::ofstream(list) << "姓名\n小东\n小南\n12345\n";
    const std::string made =
        cli(school("server"), "teacher wang-laoshi\nclass add " + name + "\npupil import " + name + " " + list.string() +
                                  "\nassign " + name + " k3101 10 2026-12-18 小南\nclasses\n");
    std::smatch pin, code, task;
    ASSERT_TRUE(std::regex_search(made, pin, std::regex("小南\t([0-9]{4})\n"))) << made;
    EXPECT_NE(made.find("error: line 4 12345: "), std::string::npos) << made;
    ASSERT_TRUE(std::regex_search(made, code, std::regex(name + "\t([A-Z0-9]{8})\t2\n"))) << made;
    ASSERT_TRUE(std::regex_search(made, task, std::regex("assignment ([0-9]+)\n"))) << made;

    ASSERT_NE(cli(school("lab"), "join " + code[1].str() + "\n").find("joined "), std::string::npos);
    EXPECT_NE(cli("--pupil " + name + " 小南 " + pin[1].str(), "assignments\n").find("\tk3101\t10\t"), std::string::npos);
    const std::filesystem::path page = folder.path() / "results.html";
    cli(school("server"), "teacher wang-laoshi\nresults " + task[1].str() + " " + page.string() + "\n");
    std::stringstream html;
    html << std::ifstream(page).rdbuf();
    EXPECT_NE(html.str().find("还没有做的同学</h2><p>小南。"), std::string::npos) << "only the group's pupil is listed";
}

}  // namespace
}  // namespace tally::test
