// SPDX-License-Identifier: GPL-3.0-or-later
// The outbox of a school's lab computer: the answers of the sheets done for
// an assignment that the class's server has neither taken nor refused, the
// note of those it took and those it refused.
#include <sqlite3.h>

#include <charconv>
#include <utility>

#include "sqlite_record/record_schema.h"
#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

namespace {

// An answer that leaves the outbox: taken by the server, or refused by it.
constexpr const char* kOutOfOutbox =
    "(answer_id IN (SELECT answer_id FROM sent_answer) OR answer_id IN (SELECT answer_id FROM refused_answer))";

// A miss of the sheet being read, and whether an answer has been paired with it.
struct SheetMiss {
    std::string question;
    std::string typed;
    std::string correct;
    std::string errorKind;
    bool paired = false;
};

// A wrong answer's typed text and right answer are kept with the sheet's
// misses, which the sheet marked in the same order as its answers: the first
// miss of the same question not yet paired is this answer's.
void pairWithMiss(ClassAnswer& answer, std::vector<SheetMiss>& misses) {
    for (SheetMiss& miss : misses) {
        if (miss.paired || miss.question != answer.question) continue;
        miss.paired = true;
        answer.typed = miss.typed;
        answer.correct = miss.correct;
        answer.errorKind = miss.errorKind;
        return;
    }
}

// The assignment's number on the class's server; 0 for a name that is none.
long long assignmentNumber(const std::string& text) {
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() ? number : 0;
}

}  // namespace

std::vector<ClassAnswer> SqliteRecord::unsentAnswers(long long childId, int limit) {
    std::vector<ClassAnswer> found;
    if (!readClassAnswers(childId, true, limit, found)) return {};
    return found;
}

std::vector<ClassAnswer> SqliteRecord::answersWithIds(long long childId) {
    std::vector<ClassAnswer> found;
    if (!readClassAnswers(childId, false, -1, found)) return {};
    return found;
}

int SqliteRecord::unsentCount(long long childId) {
    if (!ensureOpen()) return 0;
    if (!waiting_.empty()) storeWaiting();
    Statement count(db_,
                    "SELECT count(*) FROM sheet JOIN answer_time ON answer_time.sheet_id = sheet.id"
                    " WHERE sheet.child_id = ?1 AND sheet.assignment <> '' AND answer_time.answer_id IS NOT NULL"
                    " AND NOT " + std::string(kOutOfOutbox));
    if (!count.ok()) return failed("成绩记录读不出来"), 0;
    count.bind(1, childId);
    if (count.step() != SQLITE_ROW) return failed("成绩记录读不出来"), 0;
    worked();
    return static_cast<int>(count.number(0));
}

bool SqliteRecord::markSent(const std::vector<std::string>& answerIds) {
    if (!ensureOpen()) return false;
    const bool kept = inTransaction([&] {
        Statement insert(db_, "INSERT OR IGNORE INTO sent_answer(answer_id) VALUES(?1)");
        if (!insert.ok()) return failed("成绩记录出错");
        for (const std::string& id : answerIds) {
            insert.reset();
            insert.bind(1, id);
            if (insert.step() != SQLITE_DONE) return failed("交给老师的题没有记下");
        }
        return true;
    });
    if (kept) worked();
    return kept;
}

bool SqliteRecord::setAsideRefused(const std::string& answerId, const std::string& reason) {
    if (!ensureOpen()) return false;
    Statement insert(db_,
                     "INSERT OR IGNORE INTO refused_answer(answer_id, reason, refused_at) VALUES(?1, ?2, datetime('now'))");
    if (!insert.ok()) return failed("成绩记录出错");
    insert.bind(1, answerId);
    insert.bind(2, reason);
    if (insert.step() != SQLITE_DONE) return failed("老师那里收不下的题没有记下");
    worked();
    return true;
}

int SqliteRecord::refusedCount(long long childId) {
    if (!ensureOpen()) return 0;
    Statement count(db_,
                    "SELECT count(*) FROM refused_answer JOIN answer_time ON answer_time.answer_id = refused_answer.answer_id"
                    " JOIN sheet ON sheet.id = answer_time.sheet_id WHERE sheet.child_id = ?1");
    if (!count.ok()) return failed("成绩记录读不出来"), 0;
    count.bind(1, childId);
    if (count.step() != SQLITE_ROW) return failed("成绩记录读不出来"), 0;
    worked();
    return static_cast<int>(count.number(0));
}

// The child's sheets are read one at a time in the order they were stored,
// each with all its answers and misses, so a wrong answer finds its miss
// whichever of the sheet's answers are left out; one snapshot for them all.
bool SqliteRecord::readClassAnswers(long long childId, bool unsentOnly, long long limit, std::vector<ClassAnswer>& found) {
    if (!ensureOpen()) return false;
    if (!waiting_.empty()) storeWaiting();
    Statement sheets(db_,
                     "SELECT id, marked_at, assignment FROM sheet WHERE child_id = ?1"
                     " AND (?2 = 0 OR (assignment <> '' AND EXISTS(SELECT 1 FROM answer_time"
                     " WHERE answer_time.sheet_id = sheet.id AND answer_time.answer_id IS NOT NULL"
                     " AND NOT " + std::string(kOutOfOutbox) + "))) ORDER BY id");
    Statement answers(db_,
                      "SELECT position, topic_key, question, right_answer, ms, answer_id, " + std::string(kOutOfOutbox) +
                          ", coalesce(typed, '') FROM answer_time WHERE sheet_id = ?1 ORDER BY position");
    Statement misses(db_, "SELECT question, typed, correct, error_kind FROM missed WHERE sheet_id = ?1 ORDER BY position");
    if (!sheets.ok() || !answers.ok() || !misses.ok()) return failed("成绩记录读不出来");
    if (!exec("BEGIN")) return false;
    sheets.bind(1, childId);
    sheets.bind(2, static_cast<long long>(unsentOnly));
    const auto full = [&] { return limit >= 0 && static_cast<long long>(found.size()) >= limit; };
    const bool read = sheets.eachRow([&] {
        if (full()) return true;
        std::vector<SheetMiss> sheetMisses;
        misses.reset();
        misses.bind(1, sheets.number(0));
        if (!misses.eachRow([&] {
                return sheetMisses.push_back({misses.text(0), misses.text(1), misses.text(2), misses.text(3)}), true;
            })) {
            return false;
        }
        answers.reset();
        answers.bind(1, sheets.number(0));
        return answers.eachRow([&] {
            ClassAnswer answer;
            answer.id = answers.text(5);
            answer.assignmentId = assignmentNumber(sheets.text(2));
            answer.position = static_cast<int>(answers.number(0)) - 1;
            answer.topicKey = answers.text(1);
            answer.question = answers.text(2);
            answer.right = answers.number(3) != 0;
            answer.ms = answers.maybeNumber(4);
            answer.answeredAt = sheets.text(1);
            if (!answer.right) pairWithMiss(answer, sheetMisses);
            // Kept for every answer since version 9; before, a miss's alone.
            if (std::string typed = answers.text(7); !typed.empty()) answer.typed = std::move(typed);
            const bool wanted = !answer.id.empty() && !(unsentOnly && answers.number(6) != 0);
            if (wanted && !full()) found.push_back(std::move(answer));
            return true;
        });
    });
    exec("COMMIT");
    if (!read) return failed("成绩记录读不出来");
    worked();
    return true;
}

}  // namespace tally
