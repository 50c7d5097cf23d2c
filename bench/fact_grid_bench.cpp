// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/fact_grid_page.h"
#include "same_draws.h"
#include "sqlite_record/sqlite_record.h"

// A record of a child who practised for years: 100,000 sheets of 20 timed
// answers each (2,000,000 answers), half of them facts of the four grids in
// either spelling, the rest two-digit sums. Measures a grid's page (its read
// by question and the table), a fortnight's answers for the weekly report's
// pace, and, once, the making of the index by question text on that file.

namespace tally {
namespace {

constexpr int kSheets = 100000;
constexpr int kAnswersPerSheet = 20;
constexpr int kDays = 500;

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// Day `day` after 2025-01-01, months of 30 days.
std::string benchDay(int day) {
    return std::to_string(2025 + day / 360) + "-" + twoDigits(day % 360 / 30 + 1) + "-" + twoDigits(day % 30 + 1);
}

void run(sqlite3* db, const char* sql) { sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

std::filesystem::path makeTimedRecord() {
    std::string pattern = "/tmp/tallymoo-grid-record-XXXXXX";
    const std::filesystem::path file = std::filesystem::path(mkdtemp(pattern.data())) / "record.sqlite";
    { SqliteRecord create(file); }
    const std::vector<std::string> facts = [] {
        std::vector<std::string> all;
        for (const FactGrid& grid : factGrids()) {
            for (const std::string& text : factTexts(grid)) all.push_back(text);
        }
        return all;
    }();
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    run(db, "BEGIN");
    sqlite3_stmt* sheet = nullptr;
    sqlite3_stmt* answer = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO sheet(id, marked_at, tab, topic, topic_key, drill_form, questions,"
                           " right_answers, score, seconds) VALUES(?1, ?2, '口算', '口算', 'k2108', 'normal', 20, 18, 90, 60)",
                       -1, &sheet, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO answer_time(sheet_id, position, field, topic_key, question, right_answer, ms)"
                           " VALUES(?1, ?2, 'answer', 'k2108', ?3, ?4, ?5)",
                       -1, &answer, nullptr);
    bench::SameDraws draw;
    for (int id = 1; id <= kSheets; ++id) {
        const int day = (id - 1) * kDays / kSheets;
        const std::string when = benchDay(day) + " " + twoDigits(8 + id % 12) + ":" + twoDigits(id % 60) + ":00";
        sqlite3_bind_int(sheet, 1, id);
        sqlite3_bind_text(sheet, 2, when.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(sheet);
        sqlite3_reset(sheet);
        for (int position = 1; position <= kAnswersPerSheet; ++position) {
            const std::string text = draw.below(2) == 0 ? facts[static_cast<std::size_t>(draw.below(static_cast<int>(facts.size())))]
                                                        : std::to_string(draw.below(90) + 10) + "＋" +
                                                              std::to_string(draw.below(90) + 10) + "＝（　）";
            sqlite3_bind_int(answer, 1, id);
            sqlite3_bind_int(answer, 2, position);
            sqlite3_bind_text(answer, 3, text.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(answer, 4, draw.below(10) != 0);
            sqlite3_bind_int(answer, 5, 800 + draw.below(6000));
            sqlite3_step(answer);
            sqlite3_reset(answer);
        }
    }
    sqlite3_finalize(sheet);
    sqlite3_finalize(answer);
    run(db, "COMMIT");
    // The index by text is made by the record's first open below, and timed.
    run(db, "DROP INDEX IF EXISTS answer_time_by_text");
    sqlite3_close(db);
    const auto start = std::chrono::steady_clock::now();
    { SqliteRecord open(file); }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::fprintf(stderr, "the index by question text made on first open: %.2f s\n", took.count());
    return file;
}

const std::filesystem::path& timedRecord() {
    static const std::filesystem::path file = makeTimedRecord();
    return file;
}

void BM_MultiplicationGridPage(benchmark::State& state) {
    SqliteRecord record(timedRecord());
    for (auto _ : state) benchmark::DoNotOptimize(factGridPage(record, kEarlierRecords, 2, ""));
}
BENCHMARK(BM_MultiplicationGridPage)->Unit(benchmark::kMillisecond);

void BM_FortnightsAnswers(benchmark::State& state) {
    SqliteRecord record(timedRecord());
    for (auto _ : state) benchmark::DoNotOptimize(record.answersSince(kEarlierRecords, benchDay(kDays - 14)));
}
BENCHMARK(BM_FortnightsAnswers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tally
