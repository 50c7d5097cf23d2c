#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "progress/record_page.h"
#include "progress/sqlite_record.h"

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

// Writes the rows straight into a fresh record file, in one transaction.
std::filesystem::path makeBigRecord() {
    char pattern[] = "/tmp/tallymoo-big-record-XXXXXX";
    const std::filesystem::path file = std::filesystem::path(mkdtemp(pattern)) / "record.sqlite";
    { SqliteRecord create(file); }
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* sheet = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO sheet(id, marked_at, tab, topic, topic_key, drill_form, questions, right_answers,"
                       " score, seconds) VALUES(?1, ?2, '加减乘除', ?3, ?4, 'normal', 20, ?5, ?6, ?7)",
                       -1, &sheet, nullptr);
    sqlite3_stmt* miss = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO missed(sheet_id, position, question, typed, correct, answer_form, topic_key,"
                       " topic, mended) VALUES(?1, ?2, ?3, ?4, ?5, 'one', ?6, ?7, ?8)",
                       -1, &miss, nullptr);
    std::uint64_t state = 12345;
    const auto next = [&state](int below) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(below));
    };
    for (int id = 1; id <= kSheets; ++id) {
        const int day = (id - 1) * kDays / kSheets;
        const int topic = next(kTopics);
        const std::string key = "q" + std::to_string(100 + topic);
        const std::string caption = "第" + std::to_string(topic + 1) + "种练习";
        const std::string when = dayText(day) + " " + twoDigits(8 + id % 12) + ":" + twoDigits(id % 60) + ":00";
        const int right = 20 - kMissesPerSheet;
        sqlite3_bind_int(sheet, 1, id);
        sqlite3_bind_text(sheet, 2, when.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(sheet, 3, caption.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(sheet, 4, key.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(sheet, 5, right);
        sqlite3_bind_int(sheet, 6, right * 5);
        sqlite3_bind_int(sheet, 7, 30 + next(300));
        sqlite3_step(sheet);
        sqlite3_reset(sheet);
        for (int position = 1; position <= kMissesPerSheet; ++position) {
            const int a = next(100);
            const int b = next(100);
            const std::string question = std::to_string(a) + "+" + std::to_string(b) + "=（　）";
            sqlite3_bind_int(miss, 1, id);
            sqlite3_bind_int(miss, 2, position);
            sqlite3_bind_text(miss, 3, question.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(miss, 4, std::to_string(a + b + 1).c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(miss, 5, std::to_string(a + b).c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(miss, 6, key.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(miss, 7, caption.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(miss, 8, next(3) == 0 ? 1 : 0);
            sqlite3_step(miss);
            sqlite3_reset(miss);
        }
    }
    sqlite3_finalize(sheet);
    sqlite3_finalize(miss);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return file;
}

// The record file, made once for all benchmarks; its folder goes at exit.
struct BigRecord {
    std::filesystem::path file = makeBigRecord();
    ~BigRecord() {
        std::error_code ec;
        std::filesystem::remove_all(file.parent_path(), ec);
    }
};

const std::filesystem::path& bigRecord() {
    static const BigRecord record;
    return record.file;
}

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size());
    }
    return 0;
}

// Peak memory from here on: what earlier benchmarks freed is given back
// first, and the kernel resets the peak on request.
struct MemoryWatch {
    long before = 0;
    MemoryWatch() {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        before = statusKilobytes("VmRSS:");
    }
    double addedMegabytes() const { return (statusKilobytes("VmHWM:") - before) / 1024.0; }
};

void recordPage(benchmark::State& state) {
    SqliteRecord record(bigRecord());
    if (!record.ok()) state.SkipWithError(record.lastError().c_str());
    const MemoryWatch memory;
    for (auto _ : state) {
        const auto summary = record.summary(RecordPageLimits{});
        if (!summary) state.SkipWithError(record.lastError().c_str());
        benchmark::DoNotOptimize(recordPageHtml(*summary));
    }
    state.counters["MB_added"] = memory.addedMegabytes();
}

void recordList(benchmark::State& state) {
    SqliteRecord record(bigRecord());
    const MemoryWatch memory;
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const MarkedSheet& sheet : record.latestSheets(std::numeric_limits<int>::max())) {
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
    const MemoryWatch memory;
    for (auto _ : state) {
        MarkedSheet sheet;
        sheet.tabCaption = "加减乘除";
        sheet.topicCaption = "错题重练";
        sheet.topicKey = "redrill";
        sheet.drillForm = "normal";
        sheet.mended = record.redrillList(10);
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
