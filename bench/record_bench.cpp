// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "page/html_page.h"
#include "progress/answer_times.h"
#include "sqlite_record/sqlite_record.h"
#include "sheets/arithmetic.h"
#include "sheets/marking.h"
#include "base/seeded_random.h"

// What the progress record adds to marking a 50-question sheet: marking
// alone against marking and storing the sheet in an SQLite file, with every
// answer right and with every answer wrong (50 missed questions to store).
// The record must add well under 5 ms a sheet; the answers' times (worked
// out from the typing and stored a row each) must add less than 5 ms more.

namespace tally {
namespace {

constexpr int kQuestions = 50;

std::filesystem::path freshRecordFile() {
    char pattern[] = "/tmp/tallymoo-record-bench-XXXXXX";
    return std::filesystem::path(mkdtemp(pattern)) / "record.sqlite";
}

void marking(benchmark::State& state, bool allWrong, bool recording, bool timed = false) {
    SeededRandom random(7);
    const std::string html = arithmeticSheetHtml(random, Operation::Add, 100, DrillForm::Normal, kQuestions);
    const std::filesystem::path file = freshRecordFile();
    SqliteRecord record(file);
    if (!record.ok()) state.SkipWithError(record.lastError().c_str());
    MarkedSheet stored;
    stored.tabCaption = "加减乘除";
    stored.topicCaption = "100以内加法";
    stored.topicKey = "q13";
    stored.drillForm = "normal";
    HtmlPage page;
    for (auto _ : state) {
        state.PauseTiming();
        page.setBody(html);
        for (int i = 1; i <= kQuestions; ++i) {
            const std::string name = "answer" + std::to_string(i);
            page.setValue(name, allWrong ? "x" : page.tag(name));
            page.answers().changed(name, 1000LL * i);
        }
        state.ResumeTiming();
        const MarkedSheet marks = gradeArithmeticPage(page, kQuestions, 30);
        if (recording) {
            stored.questions = marks.questions;
            stored.right = marks.right;
            stored.score = marks.score;
            stored.seconds = marks.seconds;
            stored.missed = marks.missed;
            if (timed) stored.times = answerTimes(page.answers());
            benchmark::DoNotOptimize(record.store(stored));
        }
    }
    std::filesystem::remove_all(file.parent_path());
}

BENCHMARK_CAPTURE(marking, all_right_no_record, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(marking, all_right_recorded, false, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(marking, all_right_recorded_with_times, false, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(marking, all_wrong_no_record, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(marking, all_wrong_recorded, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(marking, all_wrong_recorded_with_times, true, true, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tally
