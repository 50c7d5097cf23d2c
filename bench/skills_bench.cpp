// SPDX-License-Identifier: GPL-3.0-or-later
// Listing a skill's questions on first use, and a sheet drawn from a skill
// already listed.
#include <benchmark/benchmark.h>

#include "base/seeded_random.h"
#include "skills/grade_skills.h"
#include "skills/skill_sheet.h"
#include "skills/skill_table.h"

namespace tally {
namespace {

// Fresh rows each time, so every skill lists its questions anew.
void BM_ListEverySkill(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t questions = 0;
        for (const auto& grade : {gradeOneSkills(), gradeTwoSkills(), gradeThreeSkills()}) {
            for (const auto& row : grade) questions += row.questions->size();
        }
        benchmark::DoNotOptimize(questions);
    }
}
BENCHMARK(BM_ListEverySkill)->Unit(benchmark::kMillisecond);

// The largest skill, 连加、连减和加减混合 within 100.
void BM_ListLargestSkill(benchmark::State& state) {
    for (auto _ : state) {
        const auto rows = gradeTwoSkills();
        benchmark::DoNotOptimize(rows[4].questions->size());
    }
}
BENCHMARK(BM_ListLargestSkill)->Unit(benchmark::kMillisecond);

void BM_SheetOfTwenty(benchmark::State& state) {
    SeededRandom random(1);
    const auto& questions = *findSkill("k2105")->questions;
    for (auto _ : state) benchmark::DoNotOptimize(drawSheet(questions, random, 20));
}
BENCHMARK(BM_SheetOfTwenty);

}  // namespace
}  // namespace tally
