// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "page/html_page.h"
#include "app/form1.h"
#include "system/fs_data_directory.h"
#include "base/seeded_random.h"

#include "quiet_window.h"

// The two events a child makes most, through the main-window model as the
// front ends send them: a click on a topic (the frame, the dispatch and the
// body write) and marking a 50-question sheet with every answer typed.

namespace tally {
namespace {

using bench::QuietWindow;

struct Window {
    QuietWindow quiet;
    HtmlPage page;
    SeededRandom random{20240611};
    FsDataDirectory data{TALLYMOO_BENCH_DATA};
    Form1 form{Ports{quiet, page, random, quiet, data, quiet}};
    Window(const std::string& tab, int questions) {
        form.startUp();  // the parent logs in: sheets are marked
        form.setOption(&SheetOptions::questionCount, questions);
        form.clickTab(tab);
    }
};

void click(benchmark::State& state, const char* tab, const char* key) {
    Window window(tab, 10);
    for (auto _ : state) {
        window.form.clickNode(key);
        benchmark::DoNotOptimize(window.page.generation());
    }
}

// Every answer typed right but the last, then the finish button.
void mark(benchmark::State& state, const char* tab, const char* key) {
    Window window(tab, 50);
    for (auto _ : state) {
        state.PauseTiming();
        window.form.clickNode(key);
        for (int i = 1; i <= 50; ++i) {
            const std::string field = "answer" + std::to_string(i);
            if (!window.page.has(field)) break;
            window.form.pageInput(field, i == 50 ? "0" : window.page.tag(field), window.page.generation());
        }
        state.ResumeTiming();
        window.form.pageClick("");
        window.form.pageClick("finish");
    }
}

BENCHMARK_CAPTURE(click, addition_100, "加减乘除", "q13")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(click, fractions, "分数和比例", "q5003")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(click, four_operations, "四则运算", "q9005")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(click, word_problems, "应用题", "q55")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(mark, addition_100_50, "加减乘除", "q13")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(mark, four_operations_50, "四则运算", "q9005")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tally
