// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "page/html_page.h"
#include "sheets/arithmetic.h"
#include "sheets/marking.h"
#include "base/seeded_random.h"

// One sheet of 50 questions for every arithmetic topic in every drill form it
// has, and the grading of a 50-question sheet. The narrow bands ("×10000",
// "÷10000") reject most draws and are the ones to watch.

namespace tally {
namespace {

constexpr int kQuestions = 50;

struct Topic {
    const char* sigil;
    Operation operation;
    std::vector<int> limits;
    std::vector<DrillForm> forms;
};

const char* formName(DrillForm form) {
    switch (form) {
        case DrillForm::Normal: return "normal";
        case DrillForm::Vertical: return "vertical";
        case DrillForm::Inequality: return "inequality";
        case DrillForm::Decimal: return "decimal";
    }
    return "";
}

void sheet(benchmark::State& state, Operation operation, int limit, DrillForm form) {
    SeededRandom random(20240611);
    for (auto _ : state) {
        benchmark::DoNotOptimize(arithmeticSheetHtml(random, operation, limit, form, kQuestions));
    }
}

// A 50-question sheet with every answer typed in, the last one wrong.
void grading(benchmark::State& state) {
    SeededRandom random(7);
    const std::string html =
        arithmeticSheetHtml(random, Operation::Multiply, 1000, DrillForm::Normal, kQuestions);
    HtmlPage page;
    for (auto _ : state) {
        state.PauseTiming();
        page.setBody(html);
        for (int i = 1; i <= kQuestions; ++i) {
            const std::string name = "answer" + std::to_string(i);
            page.setValue(name, i == kQuestions ? "0" : page.tag(name));
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(gradeArithmeticPage(page, kQuestions, 30));
    }
}

const bool registered = [] {
    const std::vector<DrillForm> all = {DrillForm::Normal, DrillForm::Vertical,
                                        DrillForm::Inequality, DrillForm::Decimal};
    const std::vector<int> sums = {10, 20, 50, 100, 500, 1000, 5000};
    const Topic topics[] = {
        {"+", Operation::Add, sums, all},
        {"-", Operation::Subtract, sums, all},
        {"×", Operation::Multiply, {81, 100, 250, 251, 500, 501, 1000, 5000, 10000},
         {DrillForm::Normal, DrillForm::Decimal}},
        {"÷", Operation::Divide, {81, 100, 500, 1000, 5000, 10000}, {DrillForm::Normal}},
    };
    for (const Topic& topic : topics) {
        for (int limit : topic.limits) {
            for (DrillForm form : topic.forms) {
                const std::string name =
                    std::string("Sheet/") + topic.sigil + std::to_string(limit) + "/" + formName(form);
                benchmark::RegisterBenchmark(name.c_str(), sheet, topic.operation, limit, form)
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
    benchmark::RegisterBenchmark("Grade/50questions", grading)->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
}  // namespace tally
