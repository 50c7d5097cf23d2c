// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_record/waiting_journal.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

#include "sqlite_record/record_schema.h"
#include "sqlite_record/sheet_columns.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

namespace {

// 128 random bits in hex: unique to one waiting sheet among every journal.
std::string newToken() {
    std::random_device source;
    std::string token;
    for (int word = 0; word < 4; ++word) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(source()));
        token += hex;
    }
    return token;
}

// The three lists of questions a sheet carries.
enum List : long long { Missed = 0, Mended = 1, Answered = 2 };

}  // namespace

WaitingJournal::WaitingJournal(std::filesystem::path file) : file_(std::move(file)) {}

WaitingJournal::~WaitingJournal() { close(); }

std::filesystem::path WaitingJournal::beside(const std::filesystem::path& record) {
    return record.parent_path() / (record.filename().string() + ".waiting");
}

void WaitingJournal::close() {
    sqlite3_close(db_);
    db_ = nullptr;
}

bool WaitingJournal::open(bool create) {
    if (db_) return true;
    std::error_code ec;
    if (!std::filesystem::exists(file_, ec)) {
        if (!create) return false;
        // Made for its user alone: the sheets are a child's.
        const int fd = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd >= 0) ::close(fd);
    }
    if (sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db_, sqlite::kJournalTables, nullptr, nullptr, nullptr) != SQLITE_OK || !keepsNewColumns()) {
        close();
        return false;
    }
    return true;
}

bool WaitingJournal::keepsNewColumns() {
    for (const sqlite::JournalColumn& wanted : sqlite::kJournalColumns) {
        Statement found(db_, std::string("SELECT 1 FROM pragma_table_info('") + wanted.table + "') WHERE name = '" +
                                 wanted.column + "'");
        const std::optional<bool> kept = found.hasRow();
        if (!kept) return false;
        if (!*kept && sqlite3_exec(db_, wanted.added, nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    }
    return true;
}

std::optional<WaitingJournal::Entry> WaitingJournal::add(const MarkedSheet& sheet) {
    if (!open(true) || sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return std::nullopt;
    Statement insert(db_, sqlite::insertSheet("waiting_sheet", "token"));
    sqlite::bindSheetColumns(insert, sheet);
    const std::string token = newToken();
    insert.bind(sqlite::sheetColumnCount() + 1, token);
    const long long number = insert.step() == SQLITE_DONE ? sqlite3_last_insert_rowid(db_) : 0;
    if (number > 0 && addQuestions(number, sheet) && addTimes(number, sheet) &&
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) {
        return Entry{number, token, {}};
    }
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return std::nullopt;
}

bool WaitingJournal::addQuestions(long long number, const MarkedSheet& sheet) {
    Statement insert(db_,
                     "INSERT INTO waiting_question(sheet_id, list, position, question, typed, correct, answer_form,"
                     " topic_key, topic, right_answer, review, error_kind)"
                     " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)");
    long long position = 0;
    const auto put = [&](List list, const MissedQuestion& question, bool right, bool review) {
        insert.reset();
        insert.bind(1, number);
        insert.bind(2, static_cast<long long>(list));
        insert.bind(3, ++position);
        insert.bind(4, question.question);
        insert.bind(5, question.typed);
        insert.bind(6, question.correct);
        insert.bind(7, std::string(sqlite::formName(question.form)));
        insert.bind(8, question.topicKey);
        insert.bind(9, question.topicCaption);
        insert.bind(10, static_cast<long long>(right));
        insert.bind(11, static_cast<long long>(review));
        insert.bind(12, std::string(errorKindName(question.kind)));
        return insert.step() == SQLITE_DONE;
    };
    for (const MissedQuestion& question : sheet.missed) {
        if (!put(Missed, question, false, false)) return false;
    }
    for (const MissedQuestion& question : sheet.mended) {
        if (!put(Mended, question, false, false)) return false;
    }
    for (const AnsweredQuestion& asked : sheet.answered) {
        MissedQuestion question;
        question.question = asked.question;
        question.topicKey = asked.topicKey;
        question.topicCaption = asked.topicCaption;
        if (!put(Answered, question, asked.right, asked.review)) return false;
    }
    return true;
}

std::vector<WaitingJournal::Entry> WaitingJournal::read() {
    std::vector<Entry> found;
    if (!open(false)) return found;
    Statement query(db_, sqlite::selectSheets("waiting_sheet", "token") + " ORDER BY id");
    const int token = sqlite::sheetColumnCount() + 1;
    while (query.step() == SQLITE_ROW) {
        MarkedSheet sheet = sqlite::sheetOf(query);
        if (!readQuestions(query.number(0), sheet) || !readTimes(query.number(0), sheet)) return {};
        found.push_back({query.number(0), query.text(token), std::move(sheet)});
    }
    return found;
}

bool WaitingJournal::readQuestions(long long number, MarkedSheet& sheet) {
    Statement query(db_,
                    std::string("SELECT list, ") + sqlite::kMissedKindColumns +
                        ", right_answer, review FROM waiting_question WHERE sheet_id = ?1 ORDER BY list, position");
    query.bind(1, number);
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) {
        MissedQuestion question = query.missedQuestionWithKind(1);
        switch (query.number(0)) {
            case Missed:
                sheet.missed.push_back(std::move(question));
                break;
            case Mended:
                sheet.mended.push_back(std::move(question));
                break;
            default:
                sheet.answered.push_back({question.topicKey, question.topicCaption, question.question,
                                          query.number(8) != 0, query.number(9) != 0});
        }
    }
    return step == SQLITE_DONE;
}

bool WaitingJournal::addTimes(long long number, const MarkedSheet& sheet) {
    Statement insert(db_, sqlite::insertAnswerTime("waiting_answer_time"));
    long long position = 0;
    for (const AnswerTime& answer : sheet.times) {
        insert.reset();
        insert.bind(1, number);
        insert.bind(2, ++position);
        sqlite::bindAnswerTime(insert, 3, answer);
        if (insert.step() != SQLITE_DONE) return false;
    }
    return true;
}

bool WaitingJournal::readTimes(long long number, MarkedSheet& sheet) {
    // The answers keep their ids through the journal: the server takes each by it.
    Statement query(db_, std::string("SELECT ") + sqlite::kAnswerTimeColumns +
                             ", answer_id, typed FROM waiting_answer_time WHERE sheet_id = ?1 ORDER BY position");
    query.bind(1, number);
    return query.eachRow([&] {
        AnswerTime answer = sqlite::answerTimeOf(query, 0);
        answer.id = query.text(5);
        answer.typed = query.text(6);
        sheet.times.push_back(std::move(answer));
        return true;
    });
}

void WaitingJournal::remove(long long number) {
    if (!open(false)) return;
    sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    for (const char* sql :
         {"DELETE FROM waiting_question WHERE sheet_id = ?1", "DELETE FROM waiting_answer_time WHERE sheet_id = ?1",
          "DELETE FROM waiting_sheet WHERE id = ?1"}) {
        Statement remove(db_, sql);
        remove.bind(1, number);
        remove.step();
    }
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    const bool empty = Statement(db_, "SELECT 1 FROM waiting_sheet LIMIT 1").hasRow() == false;
    if (!empty) return;
    close();
    std::error_code ec;
    std::filesystem::remove(file_, ec);
}

}  // namespace tally
