// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "app/fact_grid_page.h"
#include "app/weekly_report_page.h"
#include "support/file_harness.h"

namespace tally {
namespace {

// What the test typed for each fact, newest last.
enum class Typed { quickRight, slowRight, wrong };
using Log = std::map<std::string, std::vector<Typed>>;

// Answers every "a×b" of the sheet on screen, `typed(i)` for the i-th, one
// after another by the clock, and hands it in.
void answerSheet(test::FileHarness& h, Log& log, const std::function<Typed(int)>& typed) {
    const std::string body = h.page.bodyHtml();
    const std::regex question(R"((\d+)×(\d+)(?:＝|= )<input[^>]*name=(answer\d+))");
    int i = 0;
    for (auto it = std::sregex_iterator(body.begin(), body.end(), question); it != std::sregex_iterator(); ++it, ++i) {
        const Typed how = typed(i);
        h.clock.ms += how == Typed::slowRight ? 5000 : 1500;
        const std::string field = (*it)[3];
        h.type(field, how == Typed::wrong ? "0" : h.page.tag(field));
        log[std::string((*it)[1]) + "×" + std::string((*it)[2])].push_back(how);
    }
    ASSERT_GT(i, 0);
    h.finish();
}

// The state worked out by hand: 熟练 takes two quick right answers as the
// last two, a wrong one keeps it 要加油.
std::string expectedState(const std::vector<Typed>& typed) {
    if (typed.empty()) return "没做过";
    if (typed.back() == Typed::wrong) return "要加油";
    if (typed.size() >= 2 && typed.back() == Typed::quickRight && typed[typed.size() - 2] == Typed::quickRight) {
        return "熟练";
    }
    return "会";
}

// A drill's sheet last week (the drills' spelling) and a 口算 skill's today:
// each 乘法口诀 fact coloured by both, and the week's report tells the pace
// and the facts that became 熟练 this week.
TEST(FactGridPage, ColoursFromAnswersOfDrillAndSkillSheets) {
    test::FileHarness h;
    const long long ming = h.practising("小明", 2);
    h.start();
    h.form->setOption(&SheetOptions::questionCount, 20);
    const Day today = h.clock.day;
    Log log;
    h.clock.day = today - 8;
    h.click("q31", "加减乘除");
    answerSheet(h, log, [](int) { return Typed::quickRight; });
    const Log lastWeek = log;
    h.clock.day = today;
    h.click("k2108", "口算");
    answerSheet(h, log, [](int i) { return i % 3 == 0 ? Typed::wrong : i % 3 == 1 ? Typed::slowRight : Typed::quickRight; });

    const auto grid = readFactGrid(h.file, ming, *factGridNamed("乘法口诀"));
    ASSERT_TRUE(grid);
    std::string newlyFluent;
    for (const auto& row : grid->rows) {
        for (const auto& cell : row) {
            const std::string expected = expectedState(log[cell->caption]);
            EXPECT_EQ(factStateCaption(cell->state), expected) << cell->caption;
            if (expected == "熟练") newlyFluent += (newlyFluent.empty() ? "" : "、") + cell->caption;
            if (expected == "熟练") EXPECT_EQ(factAnswersTip(*cell), cell->caption + "：1.5秒、1.5秒");
        }
    }
    // 20 answers of 1.5 s last week: 40 a minute.
    long long todayMs = 0;
    int todayAnswers = 0;
    for (const auto& [fact, typed] : log) {
        const std::size_t before = lastWeek.count(fact) ? lastWeek.at(fact).size() : 0;
        for (std::size_t i = before; i < typed.size(); ++i, ++todayAnswers) {
            todayMs += typed[i] == Typed::slowRight ? 5000 : 1500;
        }
    }
    char pace[64];
    std::snprintf(pace, sizeof pace, "<td>%.1f道</td><td>—</td>", todayAnswers * 60000.0 / todayMs);
    const std::string report = weeklyReportPage(h.file, ming, today, "小明", true);
    EXPECT_NE(report.find(pace), std::string::npos) << report;
    EXPECT_NE(report.find("<td>—</td><td>40.0道</td>"), std::string::npos) << report;
    ASSERT_FALSE(newlyFluent.empty());
    EXPECT_NE(report.find("<li>乘法口诀：" + newlyFluent + "</li>"), std::string::npos);
}

}  // namespace
}  // namespace tally
