// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "page/html_page.h"

namespace {

constexpr int kQuestions = 50;

// A sheet as the drills write it: fifty question lines and the finish button.
std::string drillSheet() {
    std::string html;
    for (int i = 1; i <= kQuestions; ++i) {
        const std::string n = std::to_string(i);
        html += "第" + n + "题：" + std::to_string(100 + i) + "+" + std::to_string(200 + i) + "=" +
                " <input class=text name=answer" + n + " type=text size=7 tag=" + std::to_string(300 + 2 * i) +
                "><br><br>";
    }
    html += "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
            "<input class=button name=finish type=button size=7 value=提交答案 tag=十><br><br>";
    return html;
}

void BM_SetBodyOfFiftyQuestionSheet(benchmark::State& state) {
    const std::string sheet = drillSheet();
    tally::HtmlPage page;
    for (auto _ : state) {
        page.setBody(sheet);
        benchmark::DoNotOptimize(page.generation());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(sheet.size()));
}
BENCHMARK(BM_SetBodyOfFiftyQuestionSheet);

// What grading a sheet does: read every answer field and mark it in place.
void BM_GradeFiftyQuestions(benchmark::State& state) {
    const std::string sheet = drillSheet();
    tally::HtmlPage page;
    for (auto _ : state) {
        state.PauseTiming();
        page.setBody(sheet);
        state.ResumeTiming();
        for (int i = 1; i <= kQuestions; ++i) {
            const std::string name = "answer" + std::to_string(i);
            const bool right = page.value(name) == page.tag(name);
            page.insertTextAfter(name, right ? "(√)" : "(×，正确答案：" + page.tag(name) + ")");
        }
        page.insertHtmlAfter("finish", "<br>你的得分是0分，用时12秒！");
    }
}
BENCHMARK(BM_GradeFiftyQuestions);

void BM_BodyHtmlOfGradedSheet(benchmark::State& state) {
    tally::HtmlPage page;
    page.setBody(drillSheet());
    for (int i = 1; i <= kQuestions; ++i) page.insertTextAfter("answer" + std::to_string(i), "(×，正确答案：7)");
    for (auto _ : state) benchmark::DoNotOptimize(page.bodyHtml());
}
BENCHMARK(BM_BodyHtmlOfGradedSheet);

}  // namespace
