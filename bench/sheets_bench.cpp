// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "page/html_page.h"
#include "app/form1.h"
#include "system/fs_data_directory.h"
#include "base/seeded_random.h"

#include "quiet_window.h"

// One sheet of every time, comparison, pattern, fraction, divisor and
// four-operation topic at 50 questions, and the grading of a fraction sheet.
// The whole-result division topics ("{9006", "{9007") reject most draws and
// are the ones to watch.

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

void sheet(benchmark::State& state, const std::string& tag) {
    Window window;
    FamilyContext context = window.form.familyContext();
    const TopicClick click{"", "", splitTopicTag(tag)};
    TopicFamily* family = window.form.familyTable().builderOf(click.tag);
    for (auto _ : state) {
        Sheet page;
        family->build(context, click, page);
        benchmark::DoNotOptimize(page.html);
    }
}

// A 50-question fraction sheet with every answer typed in, the last one wrong.
void fractionGrading(benchmark::State& state) {
    Window window;
    FamilyContext context = window.form.familyContext();
    Sheet built;
    window.form.families().fractions.build(context, {"", "", splitTopicTag("{5003")}, built);
    for (auto _ : state) {
        state.PauseTiming();
        window.page.setBody(built.html);
        for (int i = 1; i <= 50; ++i) {
            for (const char* part : {"answerup", "answerdown"}) {
                const std::string name = part + std::to_string(i);
                window.page.setValue(name, i == 50 ? "0" : window.page.tag(name));
            }
        }
        state.ResumeTiming();
        window.form.families().fractions.mark(context, "q5003");
    }
}

const bool registered = [] {
    const struct {
        const char* family;
        const char* sigil;
        std::vector<int> topics;
    } families[] = {
        {"time", "$", {71, 72, 73, 74, 75, 76, 78}},
        {"compare", "&", {81, 82, 83, 84}},
        {"pattern", "*", {91, 92, 93, 94, 95}},
        {"fraction", "{", {5002, 5003, 5004, 5005, 5006, 5007, 5008, 5009, 5010, 5011, 5012, 5013}},
        {"divisor", "{", {7001, 7002, 7003, 7004, 7005, 7006, 8001, 8002, 8003, 8004}},
        {"four", "{", {9001, 9002, 9003, 9004, 9005, 9006, 9007, 9008, 9009}},
    };
    for (const auto& f : families) {
        for (int topic : f.topics) {
            const std::string name = std::string("Sheet/") + f.family + "/" + std::to_string(topic);
            const std::string tag = f.sigil + std::to_string(topic);
            benchmark::RegisterBenchmark(name.c_str(), sheet, tag)->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::RegisterBenchmark("Grade/fraction/50", fractionGrading)->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
}  // namespace tally
