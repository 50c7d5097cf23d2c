// SPDX-License-Identifier: GPL-3.0-or-later
// A record whose derived tables (the review copy) went bad: they are taken
// out and the file is rebuilt, so the copy is worked out again from the
// sheets. Anything wrong with the sheets themselves leaves the file as it is.
#include <sqlite3.h>

#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

namespace {

// The tables that hold what was practised; they are never rebuilt.
constexpr const char* kOwnTables[] = {"sheet", "missed", "practice_answer", "child", "setting"};

// Whether SQLite finds a table and its indexes sound (a table not there is).
bool sound(sqlite3* db, const char* table) {
    Statement there(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    there.bind(1, std::string(table));
    const std::optional<bool> found = there.hasRow();
    if (!found) return false;
    if (!*found) return true;
    Statement check(db, std::string("PRAGMA integrity_check(") + table + ")");
    bool ok = true;
    const bool read = check.eachRow([&] { return ok = ok && check.text(0) == "ok", true; });
    return read && ok;
}

}  // namespace

bool SqliteRecord::mendDerivedTables() {
    if (mendTried_) return false;
    mendTried_ = true;
    for (const char* table : kOwnTables) {
        if (!sound(db_, table)) return false;
    }
    // A damaged table cannot be dropped (that reads its pages): its schema
    // rows go, and VACUUM writes the file anew without its pages and tells
    // every program that the schema changed.
    const bool forgotten =
        sqlite3_exec(db_,
                     "PRAGMA writable_schema = ON; BEGIN IMMEDIATE;"
                     " DELETE FROM sqlite_schema WHERE tbl_name IN ('review_item', 'review_through');"
                     " COMMIT; PRAGMA writable_schema = OFF; VACUUM",
                     nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!forgotten) {
        sqlite3_exec(db_, "ROLLBACK; PRAGMA writable_schema = OFF", nullptr, nullptr, nullptr);
        return false;
    }
    damaged_ = false;
    worked();
    return inTransaction([this] { return makeReviewTables(); });
}

bool SqliteRecord::readReview(const std::function<bool()>& read) {
    if (read()) return true;
    return trouble_ == RecordTrouble::Damaged && mendDerivedTables() && read();
}

}  // namespace tally
