// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "base/ports.h"
#include "skills/skill_question.h"

namespace tally {

// Every question of one skill. The candidates are every combination of a few
// ranges of whole numbers (operands, a sign's choice, the box's place); the
// skill's rule builds the question a combination stands for, or refuses it.
// The questions the rule keeps are listed once, on first use, so that a draw is
// even over the questions themselves, however unevenly the rule thins the ranges.
class QuestionSpace {
public:
    using Range = std::pair<int, int>;  // low and high, both included
    using Rule = std::function<std::optional<SkillQuestion>(std::span<const int>)>;

    QuestionSpace(std::vector<Range> ranges, Rule rule);

    // How many different questions the skill has.
    std::size_t size() const;
    // The question numbered `index` (0 ≤ index < size()), its text written.
    SkillQuestion question(std::size_t index) const;
    // One question drawn evenly from all of them.
    SkillQuestion draw(RandomSource& random) const;

private:
    std::vector<Range> ranges_;
    Rule rule_;
    mutable std::once_flag listed_;
    mutable std::vector<std::uint32_t> kept_;  // the candidates the rule keeps, by number

    const std::vector<std::uint32_t>& kept() const;
    std::vector<int> candidate(std::uint32_t number) const;
    void nextCandidate(std::vector<int>& values) const;
};

}  // namespace tally
