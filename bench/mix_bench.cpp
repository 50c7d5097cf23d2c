// SPDX-License-Identifier: GPL-3.0-or-later
// A 口算卷 of 100 questions composed from skills already listed, and the words
// of one read.
#include <benchmark/benchmark.h>

#include "base/seeded_random.h"
#include "skills/skill_mix.h"
#include "skills/skill_mix_sheet.h"

namespace tally {
namespace {

// Three skills of 一年级上 in the shares a 达标 sheet has.
const SkillMix kFirstTerm{"卷", 100, {{"k1103", 50}, {"k1106", 20}, {"k1110", 30}}};

void BM_ComposeHundred(benchmark::State& state) {
    SeededRandom random(1);
    benchmark::DoNotOptimize(composeSheet(kFirstTerm, random));
    for (auto _ : state) benchmark::DoNotOptimize(composeSheet(kFirstTerm, random));
}
BENCHMARK(BM_ComposeHundred)->Unit(benchmark::kMicrosecond);

void BM_ReadWords(benchmark::State& state) {
    const std::string words = mixWords(kFirstTerm);
    for (auto _ : state) benchmark::DoNotOptimize(readMix(words));
}
BENCHMARK(BM_ReadWords)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tally
