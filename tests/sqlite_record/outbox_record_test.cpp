// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

#include "sqlite_record/record_sheets.h"

namespace tally::test {
namespace {

using OutboxRecord = RecordFolder;

// An answer of a sheet: its id, question, what was typed and the right
// answer; wrong when they differ, and then a miss of the sheet too.
struct Asked {
    std::string id;
    std::string question;
    std::string typed;
    std::string correct;
    ErrorKind kind = ErrorKind::None;
};

// A sheet of those answers done for an assignment (at home: "").
MarkedSheet classSheet(const std::string& when, const std::string& assignment, long long childId,
                       const std::vector<Asked>& asked) {
    MarkedSheet sheet = markedSheet(when, "k1107", {}, childId);
    sheet.assignment = assignment;
    sheet.questions = static_cast<int>(asked.size());
    sheet.right = 0;
    for (const Asked& each : asked) {
        const bool right = each.typed == each.correct;
        sheet.right += right ? 1 : 0;
        if (!right) sheet.missed.push_back({each.question, each.typed, each.correct, AnswerForm::One, "k1107", "口算"});
        if (!right) sheet.missed.back().kind = each.kind;
        sheet.times.push_back({"answer", "k1107", each.question, right, 1500, each.id, each.typed});
    }
    return sheet;
}

std::vector<std::string> idsOf(const std::vector<ClassAnswer>& answers) {
    std::vector<std::string> ids;
    for (const ClassAnswer& answer : answers) ids.push_back(answer.id);
    return ids;
}

// Two sheets of an assignment and one at home: the outbox is the
// assignment's answers, oldest first, each wrong one with its miss's typed
// text (paired by its place among the same question's answers); marking some
// sent leaves the rest, and marking them again changes nothing. A right answer
// keeps its typed text too.
TEST_F(OutboxRecord, TheOutboxHoldsTheAssignmentsAnswersUntilTheyAreMarkedSent) {
    SqliteRecord record(file);
    const long long child = addedChild(record, "小明");
    // The same question twice on one sheet, missed both times, each its own way.
    ASSERT_TRUE(record.store(classSheet("2026-12-09 09:00:00", "17", child,
                                        {{"a1", "8＋5＝（　）", "13", "13"},
                                         {"a2", "9＋6＝（　）", "5", "15"},
                                         {"a3", "9＋6＝（　）", "", "15"}})));
    ASSERT_TRUE(record.store(classSheet("2026-12-09 09:30:00", "", child, {{"h1", "7＋7＝（　）", "4", "14"}})));
    ASSERT_TRUE(record.store(classSheet("2026-12-09 10:00:00", "18", child, {{"b1", "6＋7＝（　）", "3", "13", ErrorKind::Carry}})));

    // id, assignment, place, right, typed, correct, kind, sheet's time; topic and ms as stored.
    std::vector<std::string> outbox;
    for (const ClassAnswer& a : record.unsentAnswers(child, 100)) {
        EXPECT_EQ(a.topicKey + std::to_string(a.ms.value_or(0)), "k11071500");
        outbox.push_back(a.id + " " + std::to_string(a.assignmentId) + " " + std::to_string(a.position) + " " +
                         (a.right ? "√" : "×") + " " + a.typed + "|" + a.correct + "|" + a.errorKind + " " + a.answeredAt);
    }
    EXPECT_EQ(outbox, (std::vector<std::string>{"a1 17 0 √ 13|| 2026-12-09 09:00:00", "a2 17 1 × 5|15| 2026-12-09 09:00:00",
                                                "a3 17 2 × |15| 2026-12-09 09:00:00",
                                                "b1 18 0 × 3|13|carry 2026-12-09 10:00:00"}));
    EXPECT_EQ(record.unsentCount(child), 4);
    EXPECT_EQ(idsOf(record.unsentAnswers(child, 2)), (std::vector<std::string>{"a1", "a2"}));

    ASSERT_TRUE(record.markSent({"a1", "a3"}));
    EXPECT_EQ(idsOf(record.unsentAnswers(child, 100)), (std::vector<std::string>{"a2", "b1"}));
    // Sent again (the server's answer was lost on the way): harmless.
    ASSERT_TRUE(record.markSent({"a3", "b1"}));
    EXPECT_EQ(idsOf(record.unsentAnswers(child, 100)), (std::vector<std::string>{"a2"}));
    EXPECT_EQ(record.unsentCount(child), 1);
    // The second miss of 9＋6 still finds its own typed text once the first is sent.
    EXPECT_EQ(record.unsentAnswers(child, 100).front().typed, "5");
    // The export reads every answer with an id, at home too.
    EXPECT_EQ(idsOf(record.answersWithIds(child)), (std::vector<std::string>{"a1", "a2", "a3", "h1", "b1"}));
    EXPECT_TRUE(record.unsentAnswers(addedChild(record, "小红"), 100).empty());
}

// A sheet that met a file another program held waits in the journal; the
// program ends while the file is still held, and the next one stores the
// sheet with its answers' ids as they were marked.
TEST_F(OutboxRecord, ASheetThatWaitedInTheJournalKeepsItsAnswersIds) {
    auto record = std::make_unique<SqliteRecord>(file, 50);
    const long long child = addedChild(*record, "小明");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_FALSE(record->store(classSheet("2026-12-09 09:00:00", "17", child,
                                          {{"w1", "8＋5＝（　）", "13", "13"}, {"w2", "9＋6＝（　）", "14", "15"}})));
    record.reset();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    SqliteRecord next(file);
    EXPECT_EQ(idsOf(next.unsentAnswers(child, 100)), (std::vector<std::string>{"w1", "w2"}));
    EXPECT_EQ(next.unsentAnswers(child, 100).back().typed, "14");
}

// A file of version 8 kept a miss's typed text alone: moved on, its right
// answer goes without one, its wrong one with its miss's, and an answer the
// server refused can be set aside in it, out of the outbox but kept.
TEST_F(OutboxRecord, AVersionEightFileGivesItsAnswersAsItKeptThem) {
    long long child = 0;
    {
        SqliteRecord record(file);
        child = addedChild(record, "小明");
        ASSERT_TRUE(record.store(classSheet("2026-12-09 09:00:00", "17", child,
                                            {{"o1", "8＋5＝（　）", "13", "13"}, {"o2", "9＋6＝（　）", "14", "15"}})));
    }
    ASSERT_EQ(execOn(file, std::string(kUndoVersionNine) + "PRAGMA user_version = 8;"), SQLITE_OK);
    SqliteRecord record(file);
    EXPECT_EQ(record.schemaVersion(), SqliteRecord::kSchemaVersion);
    const std::vector<ClassAnswer> outbox = record.unsentAnswers(child, 10);
    ASSERT_EQ(outbox.size(), 2u);
    EXPECT_EQ(outbox[0].typed + "|" + outbox[1].typed, "|14");

    ASSERT_TRUE(record.setAsideRefused("o2", "violates row-level security policy"));
    EXPECT_EQ(idsOf(record.unsentAnswers(child, 10)), (std::vector<std::string>{"o1"}));
    EXPECT_EQ(record.unsentCount(child), 1);
    EXPECT_EQ(record.refusedCount(child), 1);
    EXPECT_EQ(idsOf(record.answersWithIds(child)), (std::vector<std::string>{"o1", "o2"}));
}

}  // namespace
}  // namespace tally::test
