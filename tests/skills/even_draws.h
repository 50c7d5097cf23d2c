// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <unordered_map>

#include "base/seeded_random.h"
#include "skills/skill_sheet.h"
#include "skills/skill_table.h"

namespace tally {

// Draws are even: a skill of at most a tenth of the draws is seen whole, at a
// chi-square well inside chance; a large one shows as many different
// questions as even draws would.
inline void expectEvenDraws(const SkillRow& row, const std::unordered_map<std::string, int>& counts, int draws) {
    const double size = static_cast<double>(row.questions->size());
    if (size * 10 <= draws) {
        EXPECT_EQ(counts.size(), row.questions->size()) << row.key;
        const double expected = draws / size;
        double chiSquare = 0;
        for (const auto& [text, count] : counts) chiSquare += (count - expected) * (count - expected) / expected;
        EXPECT_LT(chiSquare, size - 1 + 6 * std::sqrt(2 * (size - 1)) + 1) << row.key;
    } else {
        const double distinct = size * (1 - std::pow(1 - 1 / size, draws));
        EXPECT_NEAR(static_cast<double>(counts.size()), distinct, 0.02 * distinct) << row.key;
    }
}

constexpr int kDraws = 10000;

// Ten thousand draws of one skill: each keeps `keeps` and writes its text in
// the textbook's signs, none of the plain ones; the draws are even. A sheet
// asking more than the skill has takes each question once.
inline void expectDrawsKeep(const SkillRow& row, const std::function<bool(const SkillQuestion&)>& keeps) {
    SeededRandom random(20261208);
    std::unordered_map<std::string, int> counts;
    int faults = 0;
    for (int i = 0; i < kDraws; ++i) {
        const SkillQuestion q = row.questions->draw(random);
        const bool kept = keeps(q) && q.text.find_first_of("+-*=()<>:") == std::string::npos;
        if (!kept && faults++ < 3) ADD_FAILURE() << row.key << " " << q.text << " " << numberText(q.answer());
        ++counts[q.text];
    }
    EXPECT_EQ(faults, 0) << row.key;
    expectEvenDraws(row, counts, kDraws);
    const std::size_t asked = std::min<std::size_t>(row.questions->size() + 5, 60);
    std::set<std::string> texts;
    for (const SkillQuestion& q : drawSheet(*row.questions, random, asked)) texts.insert(q.text);
    EXPECT_EQ(texts.size(), std::min(asked, row.questions->size())) << row.key;
}

}  // namespace tally
