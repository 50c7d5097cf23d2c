// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "sqlite_record/sqlite_record.h"
#include "same_draws.h"

namespace tally::bench {

// Writes sheets and misses straight into a fresh record file in one
// transaction: a record of years is made in seconds, not one store a sheet.
class RecordRowsWriter {
public:
    explicit RecordRowsWriter(const char* folderPattern) {
        std::string pattern = folderPattern;
        file_ = std::filesystem::path(mkdtemp(pattern.data())) / "record.sqlite";
        { SqliteRecord create(file_); }
        sqlite3_open(file_.c_str(), &db_);
        sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db_,
                           "INSERT INTO sheet(id, marked_at, tab, topic, topic_key, drill_form, questions,"
                           " right_answers, score, seconds) VALUES(?1, ?2, '加减乘除', ?3, ?4, 'normal', 20, ?5, ?6, ?7)",
                           -1, &sheet_, nullptr);
        sqlite3_prepare_v2(db_,
                           "INSERT INTO missed(sheet_id, position, question, typed, correct, answer_form, topic_key,"
                           " topic, mended) VALUES(?1, ?2, ?3, ?4, ?5, 'one', ?6, ?7, ?8)",
                           -1, &miss_, nullptr);
    }
    RecordRowsWriter(const RecordRowsWriter&) = delete;
    RecordRowsWriter& operator=(const RecordRowsWriter&) = delete;
    ~RecordRowsWriter() { finish(); }

    void sheet(int id, const std::string& when, const std::string& caption, const std::string& key, int right,
               int score, int seconds) {
        sqlite3_bind_int(sheet_, 1, id);
        bindText(sheet_, 2, when);
        bindText(sheet_, 3, caption);
        bindText(sheet_, 4, key);
        sqlite3_bind_int(sheet_, 5, right);
        sqlite3_bind_int(sheet_, 6, score);
        sqlite3_bind_int(sheet_, 7, seconds);
        sqlite3_step(sheet_);
        sqlite3_reset(sheet_);
    }

    // "a+b" missed on sheet `id`, typed one too many.
    void sum(int id, int position, int a, int b, const std::string& question, const std::string& key,
             const std::string& caption, bool mended = false) {
        sqlite3_bind_int(miss_, 1, id);
        sqlite3_bind_int(miss_, 2, position);
        bindText(miss_, 3, question);
        bindText(miss_, 4, std::to_string(a + b + 1));
        bindText(miss_, 5, std::to_string(a + b));
        bindText(miss_, 6, key);
        bindText(miss_, 7, caption);
        sqlite3_bind_int(miss_, 8, mended ? 1 : 0);
        sqlite3_step(miss_);
        sqlite3_reset(miss_);
    }

    // Commits and closes; the file is then the record's.
    const std::filesystem::path& finish() {
        if (db_) {
            sqlite3_finalize(sheet_);
            sqlite3_finalize(miss_);
            sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(db_);
            db_ = nullptr;
        }
        return file_;
    }

private:
    static void bindText(sqlite3_stmt* statement, int index, const std::string& text) {
        sqlite3_bind_text(statement, index, text.c_str(), -1, SQLITE_TRANSIENT);
    }

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* sheet_ = nullptr;
    sqlite3_stmt* miss_ = nullptr;
};

// A record file made once for a bench's run; its folder goes at exit.
struct MadeRecord {
    std::filesystem::path file;
    ~MadeRecord() {
        std::error_code ec;
        std::filesystem::remove_all(file.parent_path(), ec);
    }
};

}  // namespace tally::bench
