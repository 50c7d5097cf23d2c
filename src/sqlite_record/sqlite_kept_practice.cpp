// SPDX-License-Identifier: GPL-3.0-or-later
// A daily practice left half done, for each child and for the computer.
#include <sqlite3.h>

#include "sqlite_record/record_schema.h"
#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

std::optional<KeptPractice> SqliteRecord::keptPractice(long long owner) {
    if (!ensureOpen()) return std::nullopt;
    Statement made(db_, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'kept_practice'");
    const std::optional<bool> tables = made.ok() ? made.hasRow() : std::nullopt;
    if (!tables) return failed("成绩记录读不出来"), std::nullopt;
    if (!*tables) return std::nullopt;
    // One snapshot, so the questions and the typed answers are of one keep.
    if (!exec("BEGIN")) return std::nullopt;
    KeptPractice kept;
    Statement questions(db_, std::string("SELECT day, source, ") + sqlite::kMissedColumns +
                                 " FROM kept_practice WHERE owner = ?1 ORDER BY position");
    Statement fields(db_, "SELECT name, value FROM kept_practice_field WHERE owner = ?1 ORDER BY name");
    bool read = questions.ok() && fields.ok();
    if (read) {
        questions.bind(1, owner);
        fields.bind(1, owner);
        read = questions.eachRow([&] {
            kept.day = questions.text(0);
            kept.questions.push_back({static_cast<int>(questions.number(1)), questions.missedQuestion(2)});
            return true;
        }) && fields.eachRow([&] { return kept.typed.emplace_back(fields.text(0), fields.text(1)), true; });
    }
    exec("COMMIT");
    if (!read) return failed("成绩记录读不出来"), std::nullopt;
    worked();
    if (kept.questions.empty()) return std::nullopt;
    return kept;
}

bool SqliteRecord::writeKeptPractice(long long owner, const KeptPractice& kept) {
    if (!exec(sqlite::kKeptPracticeTables)) return false;
    for (const char* sql : {"DELETE FROM kept_practice WHERE owner = ?1", "DELETE FROM kept_practice_field WHERE owner = ?1"}) {
        Statement clear(db_, sql);
        clear.bind(1, owner);
        if (!clear.ok() || clear.step() != SQLITE_DONE) return false;
    }
    if (kept.questions.empty()) return true;
    Statement question(db_, std::string("INSERT INTO kept_practice(owner, position, day, source, ") +
                                sqlite::kMissedColumns + ") VALUES(?1, ?2, ?3, ?4, ?5, '', ?6, ?7, ?8, ?9)");
    Statement field(db_, "INSERT INTO kept_practice_field(owner, name, value) VALUES(?1, ?2, ?3)");
    if (!question.ok() || !field.ok()) return false;
    for (std::size_t position = 0; position < kept.questions.size(); ++position) {
        const KeptQuestion& each = kept.questions[position];
        question.reset();
        question.bind(1, owner);
        question.bind(2, static_cast<long long>(position));
        question.bind(3, kept.day);
        question.bind(4, static_cast<long long>(each.source));
        question.bind(5, each.question.question);
        question.bind(6, each.question.correct);
        question.bind(7, std::string(sqlite::formName(each.question.form)));
        question.bind(8, each.question.topicKey);
        question.bind(9, each.question.topicCaption);
        if (question.step() != SQLITE_DONE) return false;
    }
    for (const auto& [name, value] : kept.typed) {
        field.reset();
        field.bind(1, owner);
        field.bind(2, name);
        field.bind(3, value);
        if (field.step() != SQLITE_DONE) return false;
    }
    return true;
}

bool SqliteRecord::keepPractice(long long owner, const KeptPractice& kept) {
    if (!ensureOpen()) return false;
    if (!inTransaction([&] { return writeKeptPractice(owner, kept); })) return failed("今日练习没有留下");
    worked();
    return true;
}

}  // namespace tally
