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
        for (const auto& grade : {gradeOneSkills(), gradeTwoSkills(), gradeThreeSkills(), gradeFourSkills(),
                                  gradeFiveSkills(), gradeSixSkills()}) {
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

// Each skill of grades 4 to 6 listed on its own, as a child's first sheet of
// it lists it: BM_FirstListing/k4207.
void listOneSkill(benchmark::State& state, std::vector<SkillRow> (*grade)(), std::size_t index) {
    for (auto _ : state) benchmark::DoNotOptimize(grade()[index].questions->size());
}

const bool kFirstListingsRegistered = [] {
    for (const auto grade : {gradeFourSkills, gradeFiveSkills, gradeSixSkills}) {
        const auto rows = grade();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            benchmark::RegisterBenchmark(("BM_FirstListing/" + rows[i].key).c_str(), listOneSkill, grade, i)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

void BM_SheetOfTwenty(benchmark::State& state) {
    SeededRandom random(1);
    const auto& questions = *findSkill("k2105")->questions;
    for (auto _ : state) benchmark::DoNotOptimize(drawSheet(questions, random, 20));
}
BENCHMARK(BM_SheetOfTwenty);

}  // namespace
}  // namespace tally
