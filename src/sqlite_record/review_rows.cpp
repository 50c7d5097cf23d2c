// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_record/review_rows.h"

#include <string>

namespace tally::sqlite {
namespace {

constexpr int kColumns = 10;

std::string insertOf(int rows) {
    std::string sql =
        "INSERT OR REPLACE INTO review_item(question, typed, correct, answer_form, topic_key, topic,"
        " right_in_a_row, last_answered, due, child_id) VALUES";
    for (int row = 0; row < rows; ++row) sql += row == 0 ? "(?,?,?,?,?,?,?,?,?,?)" : ",(?,?,?,?,?,?,?,?,?,?)";
    return sql;
}

}  // namespace

ReviewRows::ReviewRows(sqlite3* db, long long child)
    : child_(child), many_(db, insertOf(kRowsAtOnce)), one_(db, insertOf(1)) {
    waiting_.reserve(kRowsAtOnce);
}

void ReviewRows::bindRow(Statement& insert, int row, const ReviewState& state) const {
    const int first = row * kColumns + 1;
    insert.bindUnchanged(first, state.question.question);
    insert.bindUnchanged(first + 1, state.question.typed);
    insert.bindUnchanged(first + 2, state.question.correct);
    insert.bindUnchanged(first + 3, formName(state.question.form));
    insert.bindUnchanged(first + 4, state.question.topicKey);
    insert.bindUnchanged(first + 5, state.question.topicCaption);
    insert.bind(first + 6, static_cast<long long>(state.rightInARow));
    insert.bind(first + 7, static_cast<long long>(state.lastAnswered));
    insert.bind(first + 8, static_cast<long long>(state.due));
    insert.bind(first + 9, child_);
}

bool ReviewRows::add(ReviewState state) {
    waiting_.push_back(std::move(state));
    if (waiting_.size() < static_cast<std::size_t>(kRowsAtOnce)) return true;
    many_.reset();
    for (int row = 0; row < kRowsAtOnce; ++row) bindRow(many_, row, waiting_[static_cast<std::size_t>(row)]);
    const bool written = many_.step() == SQLITE_DONE;
    waiting_.clear();
    return written;
}

bool ReviewRows::finish() {
    for (const ReviewState& state : waiting_) {
        one_.reset();
        bindRow(one_, 0, state);
        if (one_.step() != SQLITE_DONE) return false;
    }
    waiting_.clear();
    return true;
}

}  // namespace tally::sqlite
