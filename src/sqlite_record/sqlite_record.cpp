// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_record/sqlite_record.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "progress/owner_only_files.h"
#include "sqlite_record/record_schema.h"
#include "sqlite_record/sheet_columns.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::kMissedKindColumns;
using sqlite::kSheetColumns;
using sqlite::sheetOf;
using sqlite::Statement;

namespace {

RecordTrouble troubleOf(int code) {
    switch (code & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED: return RecordTrouble::Busy;
        case SQLITE_READONLY: return RecordTrouble::ReadOnly;
        case SQLITE_FULL: return RecordTrouble::DiskFull;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB: return RecordTrouble::Damaged;
        default: return RecordTrouble::CannotOpen;
    }
}

}  // namespace

SqliteRecord::SqliteRecord(std::filesystem::path file, int busyMilliseconds, long long heldHistoryRows)
    : file_(std::move(file)),
      busyMilliseconds_(busyMilliseconds),
      heldHistoryRows_(heldHistoryRows),
      journal_(WaitingJournal::beside(file_)) {
    for (auto& entry : journal_.read()) waiting_.push_back({std::move(entry.sheet), entry.number, entry.token});
    if (ensureOpen() && !waiting_.empty()) storeWaiting();
}

SqliteRecord::~SqliteRecord() {
    // Sheets still waiting get a last chance as the program ends; the others
    // stay in the journal for the next start.
    if (!waiting_.empty() && !damaged_ && ensureOpen()) storeWaiting();
    keepInJournal();
    close();
}

bool SqliteRecord::failed(const std::string& what) {
    const RecordTrouble trouble = db_ ? troubleOf(sqlite3_extended_errcode(db_)) : RecordTrouble::CannotOpen;
    failed(what, trouble);
    if (db_) error_ += std::string("：") + sqlite3_errmsg(db_);
    return false;
}

bool SqliteRecord::failed(const std::string& what, RecordTrouble trouble) {
    trouble_ = trouble;
    damaged_ = damaged_ || trouble == RecordTrouble::Damaged;
    error_ = what;
    return false;
}

void SqliteRecord::worked() {
    trouble_ = RecordTrouble::None;
    error_.clear();
}

void SqliteRecord::close() {
    sqlite3_close(db_);
    db_ = nullptr;
}

bool SqliteRecord::ensureOpen() {
    if (db_) return true;
    if (open()) return true;
    close();
    return false;
}

// The record is the user's own: a new file is made 0600 before SQLite opens
// it (SQLite gives its -wal and -shm files the mode of the file), and an
// existing one, with the -wal and -shm left from before, loses the group's and
// others' rights.
void SqliteRecord::closeFileToOthers() {
    if (file_.has_parent_path()) makeOwnerOnlyFolders(file_.parent_path());
    const int made = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (made >= 0) {
        ::close(made);
        return;
    }
    for (const char* suffix : {"", "-wal", "-shm"}) closeToOthers(file_.string() + suffix);
}

bool SqliteRecord::open() {
    closeFileToOthers();
    // One thread uses a record's connection: no lock around every call.
    if (sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        return failed("打不开成绩记录");
    }
    sqlite3_extended_result_codes(db_, 1);
    // SQLite quietly falls back to reading a file it may not write.
    if (sqlite3_db_readonly(db_, "main") == 1) return failed("成绩记录文件是只读的", RecordTrouble::ReadOnly);
    sqlite3_busy_timeout(db_, busyMilliseconds_);
    if (!exec("PRAGMA foreign_keys = ON") || !createSchema()) return false;
    prepareForSharing();
    worked();
    return true;
}

bool SqliteRecord::exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    return failed("成绩记录出错");
}

bool SqliteRecord::transaction(const auto& body) {
    // A damaged file is left as it is, for whoever mends it.
    if (damaged_) return failed("成绩记录文件坏了", RecordTrouble::Damaged);
    if (!exec("BEGIN IMMEDIATE")) return false;
    if (body() && exec("COMMIT")) return true;
    const std::string reason = error_;
    const RecordTrouble trouble = trouble_;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    error_ = reason;
    trouble_ = trouble;
    return false;
}

bool SqliteRecord::inTransaction(const std::function<bool()>& body) { return transaction(body); }

int SqliteRecord::schemaVersion() {
    if (!db_) return -1;
    Statement query(db_, "PRAGMA user_version");
    if (!query.ok() || query.step() != SQLITE_ROW) return -1;
    return static_cast<int>(query.number(0));
}

bool SqliteRecord::createSchema() {
    // Reading the version is the first real read: a damaged file fails here.
    const int version = schemaVersion();
    if (version < 0) return failed("成绩记录读不出来");
    if (version > kSchemaVersion) return failed("成绩记录文件来自更新的版本", RecordTrouble::NewerVersion);
    if (version == kSchemaVersion) return true;
    return transaction([this] {
        // Once more inside the transaction: another program may have made or
        // moved on the schema in the meantime.
        const int now = schemaVersion();
        if (now == kSchemaVersion) return true;
        if (now > kSchemaVersion || now < 0) return failed("成绩记录文件来自更新的版本", RecordTrouble::NewerVersion);
        // A new file is made as version 6 stood, then moved on as an older one is, a version at a time.
        if (now == 0 && !(exec(sqlite::kSheetTables) && exec(sqlite::kAnswerTimes) && exec(sqlite::kFluencyNorms))) {
            return false;
        }
        for (int from = now == 0 ? sqlite::kSheetTablesVersion : now; from < kSchemaVersion; ++from) {
            if (!exec(sqlite::kMoves[from - 1])) return false;
        }
        const std::string setVersion = "PRAGMA user_version = " + std::to_string(kSchemaVersion);
        return exec(sqlite::kChildTables) && exec(setVersion.c_str());
    });
}

void SqliteRecord::prepareForSharing() {
    // WAL: readers and a writer at once. With synchronous=NORMAL a commit
    // does not wait for the disk: a power cut may lose the last sheet, never
    // the file. A program that meets the file busy leaves the mode as it is.
    sqlite3_exec(db_, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db_, "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr);
    std::vector<const char*> missing;
    for (const auto& [name, sql] : sqlite::kIndexes) {
        Statement found(db_, "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?1");
        found.bind(1, std::string(name));
        if (found.step() != SQLITE_ROW) missing.push_back(sql);
    }
    // Made once; a busy file leaves it to the next start.
    if (!missing.empty()) {
        transaction([&] {
            for (const char* sql : missing) {
                if (!exec(sql)) return false;
            }
            return true;
        });
    }
    guardChildren();
}

bool SqliteRecord::guardChildren() {
    Statement found(db_, "SELECT 1 FROM sqlite_master WHERE type = 'trigger' AND name = 'sheet_given_to_known_child'");
    const std::optional<bool> guarded = found.ok() ? found.hasRow() : std::nullopt;
    if (!guarded) return failed("成绩记录读不出来");
    if (*guarded) return true;
    // Made once; a busy file leaves it to the next start.
    return transaction([this] {
        if (!exec(sqlite::kOrphanedSheets)) return false;
        // Earlier sheets among 以前的记录: their copy is worked out again.
        if (sqlite3_changes(db_) > 0 && !forgetReview(kEarlierRecords)) return false;
        return exec(sqlite::kChildGuards);
    });
}

bool SqliteRecord::readSheets(const char* sql, long long childId, long long limit,
                              std::vector<MarkedSheet>& found) {
    Statement query(db_, sql);
    if (!query.ok()) return failed("成绩记录读不出来");
    query.bind(1, limit);
    query.bind(2, childId);
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) found.push_back(sheetOf(query));
    return step == SQLITE_DONE || failed("成绩记录读不出来");
}

std::vector<MarkedSheet> SqliteRecord::latestSheets(long long childId, int limit) {
    std::vector<MarkedSheet> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    // Room for all at once: a long record grown a step at a time would
    // briefly take half as much again. A few are not worth the count.
    if (Statement count(db_, "SELECT COUNT(*) FROM sheet WHERE child_id = ?1"); limit > 1000 && count.ok()) {
        count.bind(1, childId);
        if (count.step() == SQLITE_ROW) found.reserve(static_cast<std::size_t>(std::min<long long>(count.number(0), std::max(limit, 0))));
    }
    if (!readSheets((std::string(kSheetColumns) + " WHERE child_id = ?2 ORDER BY id DESC LIMIT ?1").c_str(), childId,
                    limit, found)) {
        return {};
    }
    worked();
    return found;
}

std::vector<MarkedSheet> SqliteRecord::sheets(long long childId) {
    std::vector<MarkedSheet> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    // One snapshot for both statements; the misses in the sheets' order.
    if (!exec("BEGIN")) return found;
    std::vector<long long> ids;
    bool read = false;
    {
        Statement query(db_, std::string(kSheetColumns) + " WHERE child_id = ?1 ORDER BY id DESC");
        query.bind(1, childId);
        Statement misses(db_, std::string("SELECT sheet_id, ") + kMissedKindColumns +
                                  " FROM missed WHERE sheet_id IN (SELECT id FROM sheet WHERE child_id = ?1)"
                                  " ORDER BY sheet_id DESC, position");
        misses.bind(1, childId);
        std::size_t at = 0;
        read = query.eachRow([&] {
            ids.push_back(query.number(0));
            found.push_back(sheetOf(query));
            return true;
        }) && misses.eachRow([&] {
            const long long sheetId = misses.number(0);
            while (at < ids.size() && ids[at] > sheetId) ++at;
            if (at < ids.size() && ids[at] == sheetId) found[at].missed.push_back(misses.missedQuestionWithKind(1));
            return true;
        });
    }
    if (!read) failed("成绩记录读不出来");
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (!read) return {};
    worked();
    return found;
}

std::vector<MissedQuestion> SqliteRecord::missed(long long childId) {
    std::vector<MissedQuestion> found;
    if (!ensureOpen()) return found;
    Statement query(db_, std::string("SELECT ") + kMissedKindColumns +
                             " FROM missed WHERE sheet_id IN (SELECT id FROM sheet WHERE child_id = ?1)"
                             " ORDER BY sheet_id DESC, position");
    query.bind(1, childId);
    if (!query.eachRow([&] { return found.push_back(query.missedQuestionWithKind()), true; })) {
        return failed("成绩记录读不出来"), std::vector<MissedQuestion>{};
    }
    worked();
    return found;
}

std::vector<MissedQuestion> SqliteRecord::redrillList(long long childId, int limit) {
    std::vector<MissedQuestion> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    if (limit <= 0) return found;
    // Newest first, so a question missed more than once is taken at its
    // latest miss; the open misses have an index in this order.
    Statement query(db_, std::string("SELECT ") + kMissedKindColumns +
                             " FROM missed WHERE mended = 0 AND answer_form <> ''"
                             " AND (SELECT child_id FROM sheet WHERE sheet.id = missed.sheet_id) = ?1"
                             " ORDER BY sheet_id DESC, position");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    query.bind(1, childId);
    std::set<std::pair<std::string, std::string>> taken;
    int step = SQLITE_ROW;
    while (static_cast<int>(found.size()) < limit && (step = query.step()) == SQLITE_ROW) {
        MissedQuestion question = query.missedQuestionWithKind();
        if (taken.emplace(question.topicKey, question.question).second) found.push_back(std::move(question));
    }
    if (step != SQLITE_ROW && step != SQLITE_DONE) return failed("成绩记录读不出来"), std::vector<MissedQuestion>{};
    worked();
    return found;
}

std::filesystem::path defaultRecordFile() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        return std::filesystem::path(xdg) / "tallymoo/record.sqlite";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / ".local/share/tallymoo/record.sqlite";
    }
    return {};
}

}  // namespace tally
