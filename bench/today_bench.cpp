// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/form1.h"
#include "daily/record_rows.h"
#include "daily/today_practice.h"
#include "page/html_page.h"
#include "memory_watch.h"
#include "sqlite_record/sqlite_record.h"
#include "quiet_window.h"
#include "record_rows_writer.h"
#include "system/fs_data_directory.h"
#include "base/seeded_random.h"
#include "skills/skill_table.h"

// A child who practised for two years, in a record file: 100,000 sheets of
// 40 drills (most of them in the first tab), 200,000 missed questions, and
// 200 daily practices with their answers, and 100,000 timed answers. Measures making the record's copy
// of the review schedule from the whole history (once per record), today's
// practice from the file (the copy brought up to date, the rows read, the
// plan, the questions drawn by their generators), the reading alone, and
// opening a tab with and without the mastery marks.

namespace tally {
namespace {

constexpr int kSheets = 100000;
constexpr int kMissesPerSheet = 2;
constexpr int kDays = 730;
const Day kFirstDay = parseDay("2024-09-01").value();
const Day kToday = kFirstDay + kDays;

const char* const kTopics[] = {"q11", "q12", "q13", "q14", "q15", "q16", "q17", "q38", "q21", "q22",
                               "q23", "q24", "q25", "q26", "q27", "q39", "q31", "q32", "q33", "q34",
                               "q41", "q42", "q43", "q44", "q71", "q72", "q73", "q74", "q75", "q81",
                               "q82", "q83", "q91", "q92", "q93", "q94", "q95", "q45", "q46", "q76"};
constexpr int kTopicCount = sizeof kTopics / sizeof kTopics[0];

// A year of answers with their times, all of them to the skills today's
// practice has taught (the most the slow facts can read): 100,000 answers,
// one on each sheet, a tenth of them wrong, 0.5 to 8 s each.
constexpr int kTimedAnswers = 100000;

void addAnswerTimes(const std::filesystem::path& file) {
    FsDataDirectory data{TALLYMOO_BENCH_DATA};
    bench::QuietWindow quiet;
    const TextShelf texts;
    TopicQuestionSource source(data, quiet, texts);
    std::vector<MissedQuestion> facts;
    for (const std::string& key : todaySources({kToday, 1, 0}, data, source).taught) {
        if (!findSkill(key)) continue;
        for (MissedQuestion& fact : source.draw(key, 100, 1)) facts.push_back(std::move(fact));
    }
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO answer_time(sheet_id, position, field, topic_key, question, right_answer, ms)"
                       " VALUES(?1, 1, 'answer1', ?2, ?3, ?4, ?5)",
                       -1, &insert, nullptr);
    bench::SameDraws draw;
    for (int id = 1; id <= kTimedAnswers && !facts.empty(); ++id) {
        const MissedQuestion& fact = facts[draw.below(static_cast<int>(facts.size()))];
        sqlite3_bind_int(insert, 1, id);
        sqlite3_bind_text(insert, 2, fact.topicKey.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, fact.question.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 4, draw.below(10) == 0 ? 0 : 1);
        sqlite3_bind_int(insert, 5, 500 + draw.below(7500));
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

std::filesystem::path makeRecord() {
    bench::RecordRowsWriter rows("/tmp/tallymoo-today-bench-XXXXXX");
    bench::SameDraws draw;
    for (int id = 1; id <= kSheets; ++id) {
        const Day day = kFirstDay + static_cast<int>(static_cast<long long>(id - 1) * kDays / kSheets);
        // Every twentieth sheet is the day's practice.
        const bool practice = id % 20 == 0;
        const std::string key = practice ? kPracticeKey : kTopics[draw.below(kTopicCount)];
        const std::string caption = practice ? kPracticeCaption : "题目" + key;
        char clock[16];
        std::snprintf(clock, sizeof clock, " %02d:%02d:%02d", 8 + id % 12, id % 60, id % 59);
        const int right = 20 - kMissesPerSheet;
        const int rightAnswers = right - draw.below(8);
        const int score = right * 5 - draw.below(40);
        const int seconds = 30 + draw.below(300);
        rows.sheet(id, dayText(day) + clock, caption, key, rightAnswers, score, seconds);
        for (int position = 1; position <= kMissesPerSheet; ++position) {
            const int a = draw.below(100);
            const int b = draw.below(100);
            const std::string topic = practice ? kTopics[draw.below(kTopicCount)] : key;
            const std::string question = std::to_string(a) + "+" + std::to_string(b) + "= （　）";
            rows.sum(id, position, a, b, question, topic, "题目" + topic);
        }
    }
    const std::filesystem::path file = rows.finish();
    addAnswerTimes(file);
    // The daily practices' right answers, through the record itself.
    SqliteRecord record(file);
    for (int d = 0; d < 200; ++d) {
        MarkedSheet practice;
        practice.when = dayText(kToday - 200 + d) + " 19:00:00";
        practice.topicKey = kPracticeKey;
        practice.topicCaption = kPracticeCaption;
        practice.questions = practice.right = 20;
        for (int q = 0; q < 20; ++q) {
            const std::string question = std::to_string(q) + "+" + std::to_string(d % 100) + "= （　）";
            practice.answered.push_back({kTopics[q], "题目", question, true, q < 7});
        }
        record.store(practice);
    }
    return file;
}

const std::filesystem::path& bigRecord() {
    static const bench::MadeRecord record{makeRecord()};
    return record.file;
}

struct Window {
    bench::QuietWindow quiet;
    HtmlPage page;
    SeededRandom random{7};
    FsDataDirectory data{TALLYMOO_BENCH_DATA};
    SqliteRecord record{bigRecord()};
    Form1 form{Ports{quiet, page, random, quiet, data, quiet}};
    Window() {
        quiet.day = kToday;
        form.setRecord(&record);
    }
};

// The record's copy of the review schedule made from the whole history: what
// the first practice on a record of an older program costs, once, and the
// memory it adds.
void BM_ReviewCopyMadeFromTheWholeHistory(benchmark::State& state) {
    double added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::filesystem::path copy = bigRecord().parent_path() / "copy.sqlite";
        std::filesystem::copy_file(bigRecord(), copy, std::filesystem::copy_options::overwrite_existing);
        {
            SqliteRecord record(copy);
            const bench::MemoryWatch memory;
            state.ResumeTiming();
            if (!catchUpReview(record, kEarlierRecords)) state.SkipWithError("no copy kept");
            state.PauseTiming();
            added = memory.addedMegabytes();
        }
        std::filesystem::remove(copy);
        state.ResumeTiming();
    }
    state.counters["MB_added"] = added;
}
BENCHMARK(BM_ReviewCopyMadeFromTheWholeHistory)->Unit(benchmark::kMillisecond)->Iterations(1);

// The whole of the toolbar's 今日练习, every day after the first: the copy
// of the schedule brought up to date, the rows read, the plan made, the
// questions drawn, the short page written.
void BM_TodaysPracticeFromTheRecordFile(benchmark::State& state) {
    Window window;
    window.form.showToday();  // the copy of the schedule made once
    for (auto _ : state) {
        window.form.showToday();
        if (!window.page.has(kTodayStartButton)) state.SkipWithError("no practice");
    }
}
BENCHMARK(BM_TodaysPracticeFromTheRecordFile)->Unit(benchmark::kMillisecond);

// The same after each day's new sheet (two misses) has been stored.
void BM_TodaysPracticeAfterANewSheet(benchmark::State& state) {
    Window window;
    window.form.showToday();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MarkedSheet sheet;
        sheet.when = dayText(kToday) + " 20:00:00";
        sheet.topicKey = "q13";
        sheet.topicCaption = "100以内加法";
        sheet.questions = 20;
        sheet.right = 18;
        for (int m = 0; m < 2; ++m) {
            sheet.missed.push_back({std::to_string(n++) + "+1= （　）", "0", "1", AnswerForm::One, "q13", "100以内加法"});
        }
        window.record.store(sheet);
        state.ResumeTiming();
        window.form.showToday();
    }
}
BENCHMARK(BM_TodaysPracticeAfterANewSheet)->Unit(benchmark::kMillisecond);

PracticeSources sourcesOf(Window& window, TopicQuestionSource& source) {
    return todaySources({kToday, 1, 0}, window.data, source);
}

void BM_ReadingThePlansRows(benchmark::State& state) {
    Window window;
    window.form.showToday();
    TopicQuestionSource source(window.data, window.quiet, window.form.texts());
    const PracticeSources sources = sourcesOf(window, source);
    for (auto _ : state) {
        benchmark::DoNotOptimize(readPracticeInput(window.record, kEarlierRecords, kToday, sources)->due.size());
    }
}
BENCHMARK(BM_ReadingThePlansRows)->Unit(benchmark::kMillisecond);

// Every timed answer of the taught skills, as the slow facts read them.
void BM_ReadingTheTaughtSkillsAnswers(benchmark::State& state) {
    Window window;
    TopicQuestionSource source(window.data, window.quiet, window.form.texts());
    std::vector<std::string> skills;
    for (const std::string& key : sourcesOf(window, source).taught) {
        if (findSkill(key)) skills.push_back(key);
    }
    for (auto _ : state) benchmark::DoNotOptimize(window.record.topicAnswers(kEarlierRecords, skills).size());
}
BENCHMARK(BM_ReadingTheTaughtSkillsAnswers)->Unit(benchmark::kMillisecond);

void BM_TodaysPracticeFromRowsInMemory(benchmark::State& state) {
    Window window;
    window.form.showToday();
    TopicQuestionSource source(window.data, window.quiet, window.form.texts());
    const PracticeSources sources = sourcesOf(window, source);
    const PracticeInput input = *readPracticeInput(window.record, kEarlierRecords, kToday, sources);
    std::uint64_t seed = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(buildTodayPractice(input, {kToday, 1, seed++}, sources, source).questions.size());
    }
}
BENCHMARK(BM_TodaysPracticeFromRowsInMemory)->Unit(benchmark::kMillisecond);

void openTab(benchmark::State& state, bool marks) {
    Window window;
    window.form.setOption(&SheetOptions::masteryMarks, marks);
    for (auto _ : state) {
        window.form.clickTab("加减乘除");
        benchmark::DoNotOptimize(window.form.tree().nodes().size());
    }
}
void BM_OpenTabWithMasteryMarks(benchmark::State& state) { openTab(state, true); }
void BM_OpenTabWithoutMarks(benchmark::State& state) { openTab(state, false); }
BENCHMARK(BM_OpenTabWithoutMarks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTabWithMasteryMarks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tally
