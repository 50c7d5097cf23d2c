// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sqlite3.h>

#include <filesystem>
#include <string>

namespace tally::test {

// The number a query of one row gives, read by a connection of the test's
// own as another program sees the file; read-only, so reading leaves the
// file as it was. -1 when it cannot be read.
inline long long sqliteCount(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &query, nullptr);
    const long long count = sqlite3_step(query) == SQLITE_ROW ? sqlite3_column_int64(query, 0) : -1;
    sqlite3_finalize(query);
    sqlite3_close(db);
    return count;
}

}  // namespace tally::test
