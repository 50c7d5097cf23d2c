// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "progress/children.h"
#include "progress/record_values.h"
#include "sqlite_record/sqlite_record.h"
#include "support/recording_record.h"
#include "support/temp_folder.h"

namespace tally::test {

// A sheet of ten questions of one topic, all right but the misses.
inline MarkedSheet markedSheet(std::string when, std::string key, std::vector<MissedQuestion> missed = {},
                               long long childId = kEarlierRecords) {
    MarkedSheet sheet;
    sheet.when = std::move(when);
    sheet.tabCaption = "加减乘除";
    sheet.topicCaption = "题目" + key;
    sheet.topicKey = std::move(key);
    sheet.drillForm = "normal";
    sheet.questions = 10;
    sheet.right = 10 - static_cast<int>(missed.size());
    sheet.score = sheet.right * 10;
    sheet.seconds = 30;
    sheet.childId = childId;
    sheet.missed = std::move(missed);
    return sheet;
}

// A miss that can be asked again.
inline MissedQuestion askable(std::string question, std::string correct, std::string key = "q13") {
    return {std::move(question), "x", std::move(correct), AnswerForm::One, key, "题目" + key};
}

inline std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The id of a child added to the record, or -1 with a failure.
inline long long addedChild(SqliteRecord& record, const std::string& name, int grade = 1) {
    EXPECT_EQ(record.addChild(name, grade), "");
    const std::optional<Child> added = childNamed(record.children(), name);
    return added ? added->id : -1;
}

// The re-drill list, "topic question" each.
inline std::vector<std::string> redrillTexts(SqliteRecord& record, long long childId, int limit) {
    std::vector<std::string> texts;
    for (const MissedQuestion& q : record.redrillList(childId, limit)) texts.push_back(q.topicKey + " " + q.question);
    return texts;
}

// Takes out of a new file what version 9 added, so that it stands as a file
// of version 8 would.
inline constexpr const char* kUndoVersionNine = "ALTER TABLE answer_time DROP COLUMN typed; DROP TABLE refused_answer;";
// Takes out of a new file what versions 7 to 9 added, so that it stands as a
// file of version 6 would.
inline constexpr const char* kUndoVersionsSevenToNine =
    "ALTER TABLE answer_time DROP COLUMN typed; DROP TABLE refused_answer;"
    "DROP INDEX answer_time_by_id; ALTER TABLE answer_time DROP COLUMN answer_id; DROP TABLE sent_answer;"
    "ALTER TABLE sheet DROP COLUMN assignment;"
    "DROP TABLE printed_sheet; ALTER TABLE sheet DROP COLUMN paper_code;";

// Runs SQL on the file as another program would: SQLite's result code.
inline int execOn(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return result;
}

// Stores the sheets, as the child's, in the file and in the plain list of sheets.
inline void storeInBoth(SqliteRecord& record, RecordingRecord& plain, std::vector<MarkedSheet> sheets,
                        long long childId = kEarlierRecords) {
    for (MarkedSheet& sheet : sheets) {
        sheet.childId = childId;
        EXPECT_TRUE(record.store(sheet)) << record.lastError();
        plain.store(sheet);
    }
}

// A fresh folder for one test's record file; the record makes its own folder.
class RecordFolder : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder.path() / "nested/record.sqlite";
};

}  // namespace tally::test
