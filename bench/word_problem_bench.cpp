// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "library/word_problem_sheet.h"
#include "page/html_page.h"
#include "app/form1.h"
#include "system/fs_data_directory.h"
#include "base/gbk.h"
#include "base/seeded_random.h"

#include "quiet_window.h"

// A word-problem sheet of ten questions drawn from a grade file of forty
// templates (sums, multiples, remainders, areas): from the text alone, and
// the whole topic click with the file read and converted from GBK.

namespace tally {
namespace {

std::string gradeFileText() {
    const char* forms[] = {
        "小明有(x=10_60)张画片，又买了(y=5_30)张，现在一共有(z=x+y)张？",
        "每盒装(x=3_10)个，(y=x*2_9)个可以装满几盒？能装(z=y/x)盒。",
        "把(x=20_90)颗糖平均分给(y=3_9)个小朋友，最多还剩(z=xqiuuy)颗?",
        "一块长方形菜地长(x=10_40)米，宽(y=5_20)米，面积是(z=x*y)平方米。",
        "汽车每小时行(x=40#90)千米，(y=2_6)小时行(z=x*y)千米。",
    };
    std::string text;
    for (int i = 0; i < 40; ++i) text += std::string(forms[i % 5]) + "\r\n";
    return text;
}

void sheetFromText(benchmark::State& state) {
    const std::string text = gradeFileText();
    SeededRandom random(20240611);
    for (auto _ : state) {
        WordProblemSheet sheet = wordProblemSheet("三年级应用题.txt", text, random);
        benchmark::DoNotOptimize(sheet.html);
    }
}
BENCHMARK(sheetFromText);

using bench::QuietWindow;

void topicClickWithFile(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "tallymoo-word-problem-bench";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "三年级应用题.txt", std::ios::binary) << utf8ToGbk(gradeFileText()).value();
    QuietWindow quiet;
    HtmlPage page;
    SeededRandom random(20240611);
    FsDataDirectory data(folder);
    Form1 form(Ports{quiet, page, random, quiet, data, quiet});
    FamilyContext context = form.familyContext();
    for (auto _ : state) {
        Sheet sheet;
        form.families().wordProblems.build(context, {"q57", "应用题-较难", splitTopicTag("?9")}, sheet);
        benchmark::DoNotOptimize(sheet.html);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(topicClickWithFile);

}  // namespace
}  // namespace tally
