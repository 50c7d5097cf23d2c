// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sqlite3.h>

#include <optional>
#include <string>
#include <string_view>

#include "progress/record_values.h"

// Inside the progress record's SQLite code only.
namespace tally::sqlite {

// The columns a missed question is read from, in MissedQuestion's order.
inline constexpr const char* kMissedColumns = "question, typed, correct, answer_form, topic_key, topic";
// The same and the kind of error, in the tables of misses that keep it (the
// record's misses, the waiting journal's).
inline constexpr const char* kMissedKindColumns =
    "question, typed, correct, answer_form, topic_key, topic, error_kind";

const char* formName(AnswerForm form);
AnswerForm formNamed(std::string_view name);

// A prepared statement that finalises itself.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) { sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr); }
    // A statement that could not be prepared steps as a failure.
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    void bind(int index, const std::string& text) {
        sqlite3_bind_text(stmt_, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    // Text that stays as it is until the statement has stepped: not copied.
    void bindUnchanged(int index, std::string_view text) {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    }
    void bind(int index, long long number) { sqlite3_bind_int64(stmt_, index, number); }
    // NULL for none.
    void bind(int index, std::optional<long long> number) {
        if (number) return bind(index, *number);
        sqlite3_bind_null(stmt_, index);
    }
    int step() { return sqlite3_step(stmt_); }
    // Calls `row` for each row while it says true; false when a step
    // failed or `row` said false, rather than reading an error as the end.
    template <typename Row>
    bool eachRow(Row&& row) {
        int result = SQLITE_ROW;
        while ((result = step()) == SQLITE_ROW) {
            if (!row()) return false;
        }
        return result == SQLITE_DONE;
    }
    // Whether the statement gives a row; nothing when it failed.
    std::optional<bool> hasRow() {
        const int result = step();
        if (result == SQLITE_ROW) return true;
        if (result == SQLITE_DONE) return false;
        return std::nullopt;
    }
    void reset() { sqlite3_reset(stmt_); }
    std::string text(int column) const { return std::string(view(column)); }
    // The column's text in SQLite's own memory, until the next step.
    std::string_view view(int column) const {
        const auto* bytes = sqlite3_column_text(stmt_, column);
        return bytes ? std::string_view(reinterpret_cast<const char*>(bytes),
                                        static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                     : std::string_view();
    }
    long long number(int column) const { return sqlite3_column_int64(stmt_, column); }
    // None for NULL.
    std::optional<long long> maybeNumber(int column) const {
        if (sqlite3_column_type(stmt_, column) == SQLITE_NULL) return std::nullopt;
        return number(column);
    }

    // A row selected with kMissedColumns from column `first` on.
    MissedQuestion missedQuestion(int first = 0) const {
        return {text(first),           text(first + 1), text(first + 2),
                formNamed(text(first + 3)), text(first + 4), text(first + 5)};
    }
    // A row selected with kMissedKindColumns from column `first` on.
    MissedQuestion missedQuestionWithKind(int first = 0) const {
        MissedQuestion question = missedQuestion(first);
        question.kind = errorKindNamed(view(first + 6));
        return question;
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace tally::sqlite
