// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>

#include "app/record_page.h"
#include "memory_watch.h"
#include "sqlite_record/sqlite_record.h"
#include "record_rows_writer.h"

// A record of a child who practised for years: 100,000 sheets over 40 topics
// and 500 days, 500,000 missed questions (a third of them mended). Measures
// what reads it as a whole: the record page, the list of sheets that
// `record` prints, and a re-drill sheet that mends ten questions. Each
// benchmark reports the memory it added on top of what the process held
// (peak resident set, reset before the run).

namespace tally {
namespace {

constexpr int kSheets = 100000;
constexpr int kMissesPerSheet = 5;
constexpr int kTopics = 40;
constexpr int kDays = 500;

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// Day `day` after 2025-01-01, as "YYYY-MM-DD" (months of 30 days are close
// enough for a benchmark, and keep the text sorted by day).
std::string dayText(int day) {
    return std::to_string(2025 + day / 360) + "-" + twoDigits(day % 360 / 30 + 1) + "-" + twoDigits(day % 30 + 1);
}

// The rows written straight into a fresh record file.
std::filesystem::path makeBigRecord() {
    bench::RecordRowsWriter rows("/tmp/tallymoo-big-record-XXXXXX");
    bench::SameDraws draw;
    for (int id = 1; id <= kSheets; ++id) {
        const int day = (id - 1) * kDays / kSheets;
        const int topic = draw.below(kTopics);
        const std::string key = "q" + std::to_string(100 + topic);
        const std::string caption = "第" + std::to_string(topic + 1) + "种练习";
        const std::string when = dayText(day) + " " + twoDigits(8 + id % 12) + ":" + twoDigits(id % 60) + ":00";
        const int right = 20 - kMissesPerSheet;
        rows.sheet(id, when, caption, key, right, right * 5, 30 + draw.below(300));
        for (int position = 1; position <= kMissesPerSheet; ++position) {
            const int a = draw.below(100);
            const int b = draw.below(100);
            const std::string question = std::to_string(a) + "+" + std::to_string(b) + "=（　）";
            rows.sum(id, position, a, b, question, key, caption, draw.below(3) == 0);
        }
    }
    return rows.finish();
}

const std::filesystem::path& bigRecord() {
    static const bench::MadeRecord record{makeBigRecord()};
    return record.file;
}

void recordPage(benchmark::State& state) {
    SqliteRecord record(bigRecord());
    if (!record.ok()) state.SkipWithError(record.lastError().c_str());
    const bench::MemoryWatch memory;
    for (auto _ : state) {
        const auto summary = record.summary(kEarlierRecords, RecordPageLimits{});
        if (!summary) state.SkipWithError(record.lastError().c_str());
        benchmark::DoNotOptimize(recordPageHtml(*summary));
    }
    state.counters["MB_added"] = memory.addedMegabytes();
}

void recordList(benchmark::State& state) {
    SqliteRecord record(bigRecord());
    const bench::MemoryWatch memory;
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const MarkedSheet& sheet : record.latestSheets(kEarlierRecords, std::numeric_limits<int>::max())) {
            lines += sheet.when.size() > 0;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.counters["MB_added"] = memory.addedMegabytes();
}

// A re-drill of the ten latest open misses, all answered right: the list,
// then the sheet stored with its ten mended questions.
void redrillMendingTen(benchmark::State& state) {
    SqliteRecord record(bigRecord());
    const bench::MemoryWatch memory;
    for (auto _ : state) {
        MarkedSheet sheet;
        sheet.tabCaption = "加减乘除";
        sheet.topicCaption = "错题重练";
        sheet.topicKey = "redrill";
        sheet.drillForm = "normal";
        sheet.mended = record.redrillList(kEarlierRecords, 10);
        sheet.questions = sheet.right = static_cast<int>(sheet.mended.size());
        sheet.score = 100;
        benchmark::DoNotOptimize(record.store(sheet));
    }
    state.counters["MB_added"] = memory.addedMegabytes();
}

BENCHMARK(recordPage)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(recordList)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(redrillMendingTen)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace tally
