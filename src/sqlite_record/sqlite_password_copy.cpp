// SPDX-License-Identifier: GPL-3.0-or-later
// The second copy of the parent's password, one row for each login file.
#include <sqlite3.h>

#include "sqlite_record/record_schema.h"
#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

PasswordCopy SqliteRecord::passwordCopy(const std::string& place) {
    const PasswordCopy unreadable{false, {}};
    if (!ensureOpen()) return unreadable;
    Statement table(db_, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'password_copy'");
    if (!table.ok()) return failed("成绩记录读不出来"), unreadable;
    const int tableStep = table.step();
    if (tableStep == SQLITE_DONE) return worked(), PasswordCopy{};
    if (tableStep != SQLITE_ROW) return failed("成绩记录读不出来"), unreadable;
    Statement query(db_, "SELECT hash FROM password_copy WHERE place = ?1");
    if (!query.ok()) return failed("成绩记录读不出来"), unreadable;
    query.bind(1, place);
    const int step = query.step();
    if (step != SQLITE_ROW && step != SQLITE_DONE) return failed("成绩记录读不出来"), unreadable;
    PasswordCopy copy;
    if (step == SQLITE_ROW) copy.hash = query.text(0);
    worked();
    return copy;
}

bool SqliteRecord::keepPasswordCopy(const std::string& place, const std::string& hash) {
    if (!ensureOpen()) return false;
    const bool kept = inTransaction([&] {
        if (!exec(sqlite::kPasswordCopies)) return false;
        Statement keep(db_, "INSERT OR REPLACE INTO password_copy(place, hash) VALUES(?1, ?2)");
        if (!keep.ok()) return failed("成绩记录出错");
        keep.bind(1, place);
        keep.bind(2, hash);
        return keep.step() == SQLITE_DONE || failed("密码的记录没有写下");
    });
    if (kept) worked();
    return kept;
}

}  // namespace tally
