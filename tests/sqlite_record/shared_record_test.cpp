// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "sqlite_record/sqlite_record.h"
#include "record_sheets.h"
#include "support/harness.h"

// Several programs on one record, as with two windows or two accounts of one
// computer user: every marked sheet ends up in the file.

namespace tally {
namespace {

namespace fs = std::filesystem;

class SharedRecord : public ::testing::TestWithParam<int> {
protected:
    test::TestData data;
    test::TempFolder dir;
    fs::path record = dir.path() / "record/record.sqlite";

    // Runs tallymoo-cli with `commands` on standard input; its output goes to a file.
    std::thread program(const std::string& name, const std::string& commands, int seed) {
        const fs::path in = dir.path() / (name + ".in");
        std::ofstream(in) << commands;
        const std::string command = std::string(TALLYMOO_CLI) + " --data " + data.root().string() + " --seed " +
                                    std::to_string(seed) + " --login 238 --record " + record.string() + " < " +
                                    in.string() + " > " + (dir.path() / (name + ".out")).string() + " 2>&1";
        return std::thread([command] { EXPECT_EQ(std::system(command.c_str()), 0) << command; });
    }
    std::string output(const std::string& name) { return test::bytesOf(dir.path() / (name + ".out")); }
};

constexpr int kSheetsEach = 300;

TEST_P(SharedRecord, EverySheetOfEveryProgramIsStoredWhileTheRecordPageIsRead) {
    const int writers = GetParam();
    std::string marking = "options 10 -\n";
    for (int i = 0; i < kSheetsEach; ++i) marking += "click q11\nset answer1 x\nfinish\n";
    marking += "messages\nquit\n";
    std::string reading;
    for (int i = 0; i < 60; ++i) reading += "toolbar w13\nrecord\n";
    reading += "messages\nquit\n";

    { SqliteRecord made(record); }  // the file exists before they start
    std::vector<std::thread> programs;
    for (int w = 0; w < writers; ++w) programs.push_back(program("writer" + std::to_string(w), marking, 100 + w));
    programs.push_back(program("reader", reading, 1));
    for (std::thread& running : programs) running.join();

    for (int w = 0; w < writers; ++w) {
        const std::string out = output("writer" + std::to_string(w));
        EXPECT_EQ(out.find("成绩记录"), std::string::npos) << out.substr(0, 500);
        EXPECT_EQ(out.substr(out.size() - 2), ".\n");
    }
    EXPECT_EQ(output("reader").find("成绩记录"), std::string::npos);

    SqliteRecord file(record);
    ASSERT_TRUE(file.ok()) << file.lastError();
    const std::vector<MarkedSheet> stored = file.sheets(kEarlierRecords);
    ASSERT_EQ(static_cast<int>(stored.size()), writers * kSheetsEach);
    for (const MarkedSheet& sheet : stored) {
        EXPECT_EQ(sheet.topicKey, "q11");
        EXPECT_EQ(sheet.questions, 10);
        // Nine blank boxes and an x: ten misses each.
        ASSERT_EQ(sheet.missed.size(), 10u);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, SharedRecord, ::testing::Values(2, 4));

}  // namespace
}  // namespace tally
