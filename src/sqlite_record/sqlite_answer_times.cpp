// SPDX-License-Identifier: GPL-3.0-or-later
// Reading back the answers' times.
#include <sqlite3.h>

#include "sqlite_record/sheet_columns.h"
#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

std::vector<TimedAnswer> SqliteRecord::lastAnswers(long long childId, const std::string& topicKey, int perQuestion) {
    std::vector<TimedAnswer> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    // The topic's answers by question through their index, each question's
    // newest first (the later sheet, then the later place on it).
    Statement query(db_, std::string("SELECT marked_at, ") + sqlite::kAnswerTimeColumns +
                             " FROM (SELECT sheet.marked_at, answer_time.*, ROW_NUMBER() OVER ("
                             "PARTITION BY answer_time.question ORDER BY answer_time.sheet_id DESC,"
                             " answer_time.position DESC) AS newest"
                             " FROM answer_time JOIN sheet ON sheet.id = answer_time.sheet_id"
                             " WHERE answer_time.topic_key = ?1 AND sheet.child_id = ?2)"
                             " WHERE newest <= ?3 ORDER BY question, newest");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    query.bind(1, topicKey);
    query.bind(2, childId);
    query.bind(3, static_cast<long long>(perQuestion));
    if (!query.eachRow([&] { return found.push_back({query.text(0), sqlite::answerTimeOf(query, 1)}), true; })) {
        return failed("成绩记录读不出来"), std::vector<TimedAnswer>{};
    }
    worked();
    return found;
}

std::vector<TimedAnswer> SqliteRecord::topicAnswers(long long childId, const std::vector<std::string>& topicKeys) {
    std::vector<TimedAnswer> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    // A topic at a time, straight along the index by question and sheet: no sort.
    Statement query(db_, std::string("SELECT marked_at, ") + sqlite::kAnswerTimeColumns +
                             " FROM (SELECT sheet.marked_at, answer_time.*, answer_time.rowid AS stored"
                             " FROM answer_time JOIN sheet ON sheet.id = answer_time.sheet_id"
                             " WHERE answer_time.topic_key = ?1 AND sheet.child_id = ?2)"
                             " ORDER BY question, sheet_id, stored");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    for (const std::string& topicKey : topicKeys) {
        query.reset();
        query.bind(1, topicKey);
        query.bind(2, childId);
        if (!query.eachRow([&] { return found.push_back({query.text(0), sqlite::answerTimeOf(query, 1)}), true; })) {
            return failed("成绩记录读不出来"), std::vector<TimedAnswer>{};
        }
    }
    worked();
    return found;
}

}  // namespace tally
