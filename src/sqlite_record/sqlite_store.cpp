// SPDX-License-Identifier: GPL-3.0-or-later
// Storing sheets: each in a transaction of its own, the ones the file cannot
// take kept waiting in the journal beside it.
#include <sqlite3.h>

#include <ctime>

#include "sqlite_record/record_schema.h"
#include "sqlite_record/sheet_columns.h"
#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

namespace {

// A store that met a busy file is tried this often in all.
constexpr int kAttempts = 2;

// Now, as SQLite's datetime('now', 'localtime') writes it.
std::string localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

}  // namespace

bool SqliteRecord::store(const MarkedSheet& sheet) {
    waiting_.push_back({sheet, 0, {}});
    if (waiting_.back().sheet.when.empty()) waiting_.back().sheet.when = localTimeNow();
    if (!damaged_ && ensureOpen() && storeWaiting()) return true;
    keepInJournal();
    return false;
}

// Each sheet in a transaction of its own, oldest first, as long as the file
// takes them: a disk with room for a few takes those few.
bool SqliteRecord::storeWaiting() {
    if (damaged_) return failed("成绩记录文件坏了", RecordTrouble::Damaged);
    bool childGone = false;
    while (!waiting_.empty()) {
        bool stored = false;
        for (int attempt = 1; !stored && attempt <= kAttempts; ++attempt) {
            stored = storeOne(waiting_.front());
            if (!stored && trouble_ != RecordTrouble::Busy) break;
        }
        if (!stored) {
            // A file that went read-only is opened afresh next time.
            if (trouble_ == RecordTrouble::ReadOnly || trouble_ == RecordTrouble::CannotOpen) close();
            return false;
        }
        childGone = childGone || trouble_ == RecordTrouble::ChildGone;
        if (waiting_.front().journalNumber > 0) journal_.remove(waiting_.front().journalNumber);
        waiting_.erase(waiting_.begin());
    }
    worked();
    if (childGone) failed("孩子已经不在成绩记录里", RecordTrouble::ChildGone);
    return true;
}

// A sheet whose child the record no longer names is kept as 以前的记录; it
// mends nothing, since the misses it answered were that child's.
bool SqliteRecord::storeOne(const Waiting& waiting) {
    const MarkedSheet& sheet = waiting.sheet;
    bool childGone = false;
    const bool stored = inTransaction([&] {
        bool already = false;
        if (!storedFromJournal(waiting.journalToken, already)) return false;
        if (already) return true;
        bool known = false;
        if (!childKnown(sheet.childId, known)) return false;
        if (known) return insertSheet(sheet) && markMended(sheet.childId, sheet.mended);
        childGone = true;
        MarkedSheet earlier = sheet;
        earlier.childId = kEarlierRecords;
        earlier.mended.clear();
        return insertSheet(earlier);
    });
    if (!stored) return false;
    if (childGone) return failed("孩子已经不在成绩记录里", RecordTrouble::ChildGone), true;
    worked();
    return true;
}

// Every waiting sheet not yet on disk goes into the journal; one that cannot
// be written there either waits in memory.
void SqliteRecord::keepInJournal() {
    for (Waiting& waiting : waiting_) {
        if (waiting.journalNumber > 0) continue;
        const std::optional<WaitingJournal::Entry> entry = journal_.add(waiting.sheet);
        if (!entry) return;
        waiting.journalNumber = entry->number;
        waiting.journalToken = entry->token;
    }
}

bool SqliteRecord::storedFromJournal(const std::string& token, bool& already) {
    already = false;
    if (token.empty()) return true;
    if (!exec(sqlite::kStoredFromJournal)) return false;
    Statement find(db_, "SELECT 1 FROM stored_from_journal WHERE token = ?1");
    find.bind(1, token);
    const int found = find.step();
    if (found == SQLITE_ROW) {
        already = true;
        return true;
    }
    if (found != SQLITE_DONE) return failed("成绩记录出错");
    Statement keep(db_, "INSERT INTO stored_from_journal(token) VALUES(?1)");
    keep.bind(1, token);
    return keep.step() == SQLITE_DONE || failed("成绩没有记下");
}

bool SqliteRecord::insertSheet(const MarkedSheet& sheet) {
    Statement insert(db_, sqlite::insertSheet("sheet"));
    if (!insert.ok()) return failed("成绩记录出错");
    sqlite::bindSheetColumns(insert, sheet);
    if (insert.step() != SQLITE_DONE) return failed("成绩没有记下");
    const long long sheetId = sqlite3_last_insert_rowid(db_);
    if (!insertAnswers(sheetId, sheet.answered) || !insertTimes(sheetId, sheet.times)) return false;
    Statement miss(db_,
                   "INSERT INTO missed(sheet_id, position, question, typed, correct, answer_form, topic_key, topic,"
                   " error_kind) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    if (!miss.ok()) return failed("成绩记录出错");
    long long position = 0;
    for (const MissedQuestion& question : sheet.missed) {
        miss.reset();
        miss.bind(1, sheetId);
        miss.bind(2, ++position);
        miss.bind(3, question.question);
        miss.bind(4, question.typed);
        miss.bind(5, question.correct);
        miss.bind(6, std::string(sqlite::formName(question.form)));
        miss.bind(7, question.topicKey);
        miss.bind(8, question.topicCaption);
        miss.bind(9, std::string(errorKindName(question.kind)));
        if (miss.step() != SQLITE_DONE) return failed("错题没有记下");
    }
    return true;
}

bool SqliteRecord::insertAnswers(long long sheetId, const std::vector<AnsweredQuestion>& answered) {
    if (answered.empty()) return true;
    if (!exec(sqlite::kPracticeAnswers)) return false;
    Statement insert(db_,
                     "INSERT INTO practice_answer(sheet_id, position, topic_key, topic, question, right_answer, review)"
                     " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    if (!insert.ok()) return failed("成绩记录出错");
    long long position = 0;
    for (const AnsweredQuestion& question : answered) {
        insert.reset();
        insert.bind(1, sheetId);
        insert.bind(2, ++position);
        insert.bind(3, question.topicKey);
        insert.bind(4, question.topicCaption);
        insert.bind(5, question.question);
        insert.bind(6, static_cast<long long>(question.right));
        insert.bind(7, static_cast<long long>(question.review));
        if (insert.step() != SQLITE_DONE) return failed("成绩没有记下");
    }
    return true;
}

bool SqliteRecord::insertTimes(long long sheetId, const std::vector<AnswerTime>& times) {
    if (times.empty()) return true;
    Statement insert(db_, sqlite::insertAnswerTime("answer_time"));
    if (!insert.ok()) return failed("成绩记录出错");
    long long position = 0;
    for (const AnswerTime& answer : times) {
        insert.reset();
        insert.bind(1, sheetId);
        insert.bind(2, ++position);
        sqlite::bindAnswerTime(insert, 3, answer);
        if (insert.step() != SQLITE_DONE) return failed("成绩没有记下");
    }
    return true;
}

// A re-drill mends the misses of its own child only.
bool SqliteRecord::markMended(long long childId, const std::vector<MissedQuestion>& mended) {
    if (mended.empty()) return true;
    Statement update(db_,
                     "UPDATE missed SET mended = 1"
                     " WHERE topic_key = ?1 AND question = ?2 AND mended = 0 AND answer_form <> ''"
                     " AND (SELECT child_id FROM sheet WHERE sheet.id = missed.sheet_id) = ?3");
    if (!update.ok()) return failed("成绩记录出错");
    for (const MissedQuestion& question : mended) {
        update.reset();
        update.bind(1, question.topicKey);
        update.bind(2, question.question);
        update.bind(3, childId);
        if (update.step() != SQLITE_DONE) return failed("错题没有记下");
    }
    return true;
}

}  // namespace tally
