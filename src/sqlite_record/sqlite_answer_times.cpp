// SPDX-License-Identifier: GPL-3.0-or-later
// Reading back the answers' times.
#include <sqlite3.h>

#include <algorithm>

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

std::vector<TimedAnswer> SqliteRecord::lastAnswersOf(long long childId, const std::vector<std::string>& questions,
                                                   int perQuestion, const std::string& before) {
    std::vector<TimedAnswer> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    std::vector<std::string> texts = questions;
    std::sort(texts.begin(), texts.end());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    // A question's answers from its newest back through the index on the
    // text, until `perQuestion` of the child's are found: a few steps each,
    // however long the record (CROSS JOIN keeps answer_time the outer loop).
    Statement query(db_, std::string("SELECT marked_at, ") + sqlite::kAnswerTimeColumns +
                             " FROM (SELECT sheet.marked_at, answer_time.*"
                             " FROM answer_time CROSS JOIN sheet ON sheet.id = answer_time.sheet_id"
                             " WHERE answer_time.question = ?1 AND sheet.child_id = ?2"
                             " AND (?4 = '' OR sheet.marked_at < ?4)"
                             " ORDER BY answer_time.sheet_id DESC, answer_time.position DESC LIMIT ?3)");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    for (const std::string& text : texts) {
        query.reset();
        query.bind(1, text);
        query.bind(2, childId);
        query.bind(3, static_cast<long long>(perQuestion));
        query.bind(4, before);
        if (!query.eachRow([&] { return found.push_back({query.text(0), sqlite::answerTimeOf(query, 1)}), true; })) {
            return failed("成绩记录读不出来"), std::vector<TimedAnswer>{};
        }
    }
    worked();
    return found;
}

std::vector<TimedAnswer> SqliteRecord::answersSince(long long childId, const std::string& fromDay) {
    std::vector<TimedAnswer> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    Statement query(db_, std::string("SELECT marked_at, ") + sqlite::kAnswerTimeColumns +
                             " FROM (SELECT sheet.marked_at, answer_time.* FROM sheet"
                             " JOIN answer_time ON answer_time.sheet_id = sheet.id"
                             " WHERE sheet.child_id = ?1 AND sheet.marked_at >= ?2"
                             " ORDER BY sheet.id, answer_time.position)");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    query.bind(1, childId);
    query.bind(2, fromDay);
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
    // Two straight walks rather than a step into the sheets at every answer:
    // the child's sheets by number (along their index), then each topic's
    // answers along theirs, by question and sheet, with no sort.
    Statement sheets(db_, "SELECT id, marked_at FROM sheet INDEXED BY sheet_of_child WHERE child_id = ?1 ORDER BY id");
    Statement answers(db_, std::string("SELECT sheet_id, ") + sqlite::kAnswerTimeColumns +
                               " FROM answer_time INDEXED BY answer_time_timed WHERE topic_key = ?1"
                               " ORDER BY question, sheet_id, position");
    if (!sheets.ok() || !answers.ok()) return failed("成绩记录读不出来"), found;
    if (!exec("BEGIN")) return found;
    std::vector<std::pair<long long, std::string>> whenOf;
    sheets.bind(1, childId);
    bool read = sheets.eachRow([&] { return whenOf.emplace_back(sheets.number(0), sheets.text(1)), true; });
    for (std::size_t topic = 0; read && topic < topicKeys.size(); ++topic) {
        answers.reset();
        answers.bind(1, topicKeys[topic]);
        read = answers.eachRow([&] {
            const auto sheet = std::lower_bound(whenOf.begin(), whenOf.end(), std::make_pair(answers.number(0), std::string()));
            if (sheet != whenOf.end() && sheet->first == answers.number(0)) {
                found.push_back({sheet->second, sqlite::answerTimeOf(answers, 1)});
            }
            return true;
        });
    }
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (!read) return failed("成绩记录读不出来"), std::vector<TimedAnswer>{};
    worked();
    return found;
}

}  // namespace tally
