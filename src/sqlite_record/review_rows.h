// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sqlite3.h>

#include <vector>

#include "progress/record_values.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally::sqlite {

// A child's review states written into the copy's table, many rows to a
// statement: each step of a statement opens and closes its table, which
// costs as much as the row itself when a whole copy is written.
class ReviewRows {
public:
    ReviewRows(sqlite3* db, long long child);
    bool ok() const { return many_.ok() && one_.ok(); }
    // False when a write failed.
    bool add(ReviewState state);
    // Writes the rows still waiting; false when a write failed.
    bool finish();

private:
    static constexpr int kRowsAtOnce = 64;
    void bindRow(Statement& insert, int row, const ReviewState& state) const;

    long long child_;
    Statement many_, one_;
    std::vector<ReviewState> waiting_;
};

}  // namespace tally::sqlite
