// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/sqlite_record.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "progress/owner_only_files.h"
#include "progress/sqlite_statement.h"

namespace tally {

using sqlite::kMissedColumns;
using sqlite::kSheetColumns;
using sqlite::sheetOf;
using sqlite::Statement;

namespace {

constexpr const char* kChildTables =
    "CREATE TABLE IF NOT EXISTS child("
    " id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL UNIQUE,"
    " grade INTEGER NOT NULL CHECK(grade BETWEEN 1 AND 6));"
    "CREATE TABLE IF NOT EXISTS setting("
    " owner INTEGER NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL, PRIMARY KEY(owner, key));";

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS sheet("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " marked_at TEXT NOT NULL, tab TEXT NOT NULL, topic TEXT NOT NULL, topic_key TEXT NOT NULL,"
    " drill_form TEXT NOT NULL, questions INTEGER NOT NULL, right_answers INTEGER NOT NULL,"
    " score INTEGER NOT NULL, seconds INTEGER NOT NULL, child_id INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE IF NOT EXISTS missed("
    " sheet_id INTEGER NOT NULL REFERENCES sheet(id), position INTEGER NOT NULL,"
    " question TEXT NOT NULL, typed TEXT NOT NULL, correct TEXT NOT NULL,"
    " answer_form TEXT NOT NULL DEFAULT '', topic_key TEXT NOT NULL DEFAULT '',"
    " topic TEXT NOT NULL DEFAULT '', mended INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY(sheet_id, position));";

// Version 1 kept a miss by its place on the sheet and had no re-drill: its
// misses take their sheet's topic and are never asked again.
constexpr const char* kFromVersion1 =
    "ALTER TABLE missed ADD COLUMN answer_form TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE missed ADD COLUMN topic_key TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE missed ADD COLUMN topic TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE missed ADD COLUMN mended INTEGER NOT NULL DEFAULT 0;"
    "UPDATE missed SET topic_key = (SELECT topic_key FROM sheet WHERE sheet.id = missed.sheet_id),"
    " topic = (SELECT topic FROM sheet WHERE sheet.id = missed.sheet_id);";

// Version 2 had no children: its sheets become those of no child
// (kEarlierRecords), each kept as it was. Adding a column with a constant
// default rewrites nothing, however long the record is.
constexpr const char* kFromVersion2 = "ALTER TABLE sheet ADD COLUMN child_id INTEGER NOT NULL DEFAULT 0;";

// What the record page, the re-drill and a re-drill's mended questions are
// read by. Indexes only add to the file: an older program reads it as before,
// so they need no new schema version.
constexpr std::pair<const char*, const char*> kIndexes[] = {
    {"sheet_by_topic", "CREATE INDEX IF NOT EXISTS sheet_by_topic ON sheet(topic_key, marked_at, score, seconds)"},
    {"sheet_by_child", "CREATE INDEX IF NOT EXISTS sheet_by_child ON sheet(child_id, topic_key, marked_at, score, seconds)"},
    {"sheet_of_child", "CREATE INDEX IF NOT EXISTS sheet_of_child ON sheet(child_id)"},
    {"missed_by_topic", "CREATE INDEX IF NOT EXISTS missed_by_topic ON missed(topic_key, sheet_id)"},
    {"missed_open", "CREATE INDEX IF NOT EXISTS missed_open ON missed(topic_key, question, mended, answer_form)"
                    " WHERE mended = 0 AND answer_form <> ''"},
    {"missed_open_latest", "CREATE INDEX IF NOT EXISTS missed_open_latest ON missed(sheet_id DESC, position)"
                           " WHERE mended = 0 AND answer_form <> ''"},
};


// Sheets belong to the children the record names: a sheet of a child removed
// meanwhile (by another program) is refused by the file itself. Triggers, not
// a rebuilt table: they work on every existing file at once, and an older
// program reads and writes the file as before.
constexpr const char* kChildGuards =
    "CREATE TRIGGER IF NOT EXISTS sheet_of_known_child BEFORE INSERT ON sheet"
    " WHEN NEW.child_id <> 0 AND NOT EXISTS(SELECT 1 FROM child WHERE id = NEW.child_id)"
    " BEGIN SELECT RAISE(ABORT, 'no such child'); END;"
    "CREATE TRIGGER IF NOT EXISTS sheet_given_to_known_child BEFORE UPDATE OF child_id ON sheet"
    " WHEN NEW.child_id <> 0 AND NOT EXISTS(SELECT 1 FROM child WHERE id = NEW.child_id)"
    " BEGIN SELECT RAISE(ABORT, 'no such child'); END;";
// Sheets stored before the guards under a child removed meanwhile become
// 以前的记录, where the parent sees them again.
constexpr const char* kOrphanedSheets =
    "UPDATE sheet SET child_id = 0 WHERE child_id <> 0 AND child_id NOT IN (SELECT id FROM child)";

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

namespace sqlite {

const char* formName(AnswerForm form) {
    switch (form) {
        case AnswerForm::None: return "";
        case AnswerForm::One: return "one";
        case AnswerForm::HoursMinutes: return "hours";
        case AnswerForm::Fraction: return "fraction";
    }
    return "";
}

void bindSheetColumns(Statement& statement, const MarkedSheet& sheet) {
    statement.bind(1, sheet.when);
    statement.bind(2, sheet.tabCaption);
    statement.bind(3, sheet.topicCaption);
    statement.bind(4, sheet.topicKey);
    statement.bind(5, sheet.drillForm);
    statement.bind(6, static_cast<long long>(sheet.questions));
    statement.bind(7, static_cast<long long>(sheet.right));
    statement.bind(8, static_cast<long long>(sheet.score));
    statement.bind(9, static_cast<long long>(sheet.seconds));
    statement.bind(10, sheet.childId);
}

AnswerForm formNamed(const std::string& name) {
    for (AnswerForm form : {AnswerForm::One, AnswerForm::HoursMinutes, AnswerForm::Fraction}) {
        if (name == formName(form)) return form;
    }
    return AnswerForm::None;
}

MarkedSheet sheetOf(const Statement& row) {
    MarkedSheet sheet;
    sheet.when = row.text(1);
    sheet.tabCaption = row.text(2);
    sheet.topicCaption = row.text(3);
    sheet.topicKey = row.text(4);
    sheet.drillForm = row.text(5);
    sheet.questions = static_cast<int>(row.number(6));
    sheet.right = static_cast<int>(row.number(7));
    sheet.score = static_cast<int>(row.number(8));
    sheet.seconds = static_cast<int>(row.number(9));
    sheet.childId = row.number(10);
    return sheet;
}

}  // namespace sqlite

SqliteRecord::SqliteRecord(std::filesystem::path file, int busyMilliseconds)
    : file_(std::move(file)), busyMilliseconds_(busyMilliseconds), journal_(WaitingJournal::beside(file_)) {
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
    if (sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
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
        const std::string setVersion = "PRAGMA user_version = " + std::to_string(kSchemaVersion);
        const bool tables = now == 0   ? exec(kSchema)
                            : now == 1 ? exec(kFromVersion1) && exec(kFromVersion2)
                                       : exec(kFromVersion2);
        return tables && exec(kChildTables) && exec(setVersion.c_str());
    });
}

void SqliteRecord::prepareForSharing() {
    // WAL: readers and a writer at once. With synchronous=NORMAL a commit
    // does not wait for the disk: a power cut may lose the last sheet, never
    // the file. A program that meets the file busy leaves the mode as it is.
    sqlite3_exec(db_, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db_, "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr);
    std::vector<const char*> missing;
    for (const auto& [name, sql] : kIndexes) {
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
        if (!exec(kOrphanedSheets)) return false;
        // Earlier sheets among 以前的记录: their copy is worked out again.
        if (sqlite3_changes(db_) > 0 && !forgetReview(kEarlierRecords)) return false;
        return exec(kChildGuards);
    });
}

bool SqliteRecord::readSheets(const char* sql, long long limit, std::vector<MarkedSheet>& found) {
    Statement query(db_, sql);
    if (!query.ok()) return failed("成绩记录读不出来");
    query.bind(1, limit);
    query.bind(2, shownChild());
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) found.push_back(sheetOf(query));
    return step == SQLITE_DONE || failed("成绩记录读不出来");
}

std::vector<MarkedSheet> SqliteRecord::latestSheets(int limit) {
    std::vector<MarkedSheet> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    // Room for all at once: a long record grown a step at a time would
    // briefly take half as much again. A few are not worth the count.
    if (Statement count(db_, "SELECT COUNT(*) FROM sheet WHERE child_id = ?1"); limit > 1000 && count.ok()) {
        count.bind(1, shownChild());
        if (count.step() == SQLITE_ROW) found.reserve(static_cast<std::size_t>(std::min<long long>(count.number(0), std::max(limit, 0))));
    }
    if (!readSheets((std::string(kSheetColumns) + " WHERE child_id = ?2 ORDER BY id DESC LIMIT ?1").c_str(), limit,
                    found)) {
        return {};
    }
    worked();
    return found;
}

std::vector<MarkedSheet> SqliteRecord::sheets() {
    std::vector<MarkedSheet> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    // One snapshot for both statements; the misses in the sheets' order.
    if (!exec("BEGIN")) return found;
    std::vector<long long> ids;
    bool read = false;
    {
        Statement query(db_, std::string(kSheetColumns) + " WHERE child_id = ?1 ORDER BY id DESC");
        query.bind(1, shownChild());
        Statement misses(db_, std::string("SELECT sheet_id, ") + kMissedColumns +
                                  " FROM missed WHERE sheet_id IN (SELECT id FROM sheet WHERE child_id = ?1)"
                                  " ORDER BY sheet_id DESC, position");
        misses.bind(1, shownChild());
        std::size_t at = 0;
        read = query.eachRow([&] {
            ids.push_back(query.number(0));
            found.push_back(sheetOf(query));
            return true;
        }) && misses.eachRow([&] {
            const long long sheetId = misses.number(0);
            while (at < ids.size() && ids[at] > sheetId) ++at;
            if (at < ids.size() && ids[at] == sheetId) found[at].missed.push_back(misses.missedQuestion(1));
            return true;
        });
    }
    if (!read) failed("成绩记录读不出来");
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (!read) return {};
    worked();
    return found;
}

std::vector<MissedQuestion> SqliteRecord::missed() {
    std::vector<MissedQuestion> found;
    if (!ensureOpen()) return found;
    Statement query(db_, std::string("SELECT ") + kMissedColumns +
                             " FROM missed WHERE sheet_id IN (SELECT id FROM sheet WHERE child_id = ?1)"
                             " ORDER BY sheet_id DESC, position");
    query.bind(1, shownChild());
    if (!query.eachRow([&] { return found.push_back(query.missedQuestion()), true; })) {
        return failed("成绩记录读不出来"), std::vector<MissedQuestion>{};
    }
    worked();
    return found;
}

std::vector<MissedQuestion> SqliteRecord::redrillList(int limit) {
    std::vector<MissedQuestion> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    if (limit <= 0) return found;
    // Newest first, so a question missed more than once is taken at its
    // latest miss; the open misses have an index in this order.
    Statement query(db_, std::string("SELECT ") + kMissedColumns +
                             " FROM missed WHERE mended = 0 AND answer_form <> ''"
                             " AND (SELECT child_id FROM sheet WHERE sheet.id = missed.sheet_id) = ?1"
                             " ORDER BY sheet_id DESC, position");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    query.bind(1, shownChild());
    std::set<std::pair<std::string, std::string>> taken;
    int step = SQLITE_ROW;
    while (static_cast<int>(found.size()) < limit && (step = query.step()) == SQLITE_ROW) {
        MissedQuestion question = query.missedQuestion();
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
