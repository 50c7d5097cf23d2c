// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "page/html_page.h"
#include "app/form1.h"
#include "system/fs_data_directory.h"
#include "base/seeded_random.h"
#include "sheets/worksheet.h"

#include "quiet_window.h"

// The worksheet of a 50-question sheet, built when 打印 is pressed: a fresh
// fraction sheet, and the same sheet after it was marked (the marks are taken
// out again on the way).

namespace tally {
namespace {

using bench::QuietWindow;

struct Window {
    QuietWindow quiet;
    HtmlPage page;
    SeededRandom random{20240611};
    FsDataDirectory data{"."};
    Form1 form{Ports{quiet, page, random, quiet, data, quiet}};
    Window() { form.setOption(&SheetOptions::questionCount, 50); }
};

std::string fractionSheet(Window& window, bool marked) {
    FamilyContext context = window.form.familyContext();
    Sheet built;
    window.form.families().fractions.build(context, {"q5009", "", splitTopicTag("{5009")}, built);
    window.page.setBody(built.html);
    if (marked) window.form.families().fractions.mark(context, "q5009");
    return window.page.bodyHtml();
}

void worksheet(benchmark::State& state, bool marked) {
    Window window;
    const std::string body = fractionSheet(window, marked);
    for (auto _ : state) {
        auto document = worksheetDocument(AnswerStyle::Exact, "中等分子任意分数加法", body);
        benchmark::DoNotOptimize(document);
    }
}

BENCHMARK_CAPTURE(worksheet, fresh_fraction_sheet, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(worksheet, marked_fraction_sheet, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tally
