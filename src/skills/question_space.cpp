// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/question_space.h"

#include <stdexcept>

namespace tally {

QuestionSpace::QuestionSpace(std::vector<Range> ranges, Rule rule)
    : ranges_(std::move(ranges)), rule_(std::move(rule)) {}

std::vector<int> QuestionSpace::candidate(std::uint32_t number) const {
    std::vector<int> values(ranges_.size());
    for (std::size_t i = ranges_.size(); i-- > 0;) {
        const auto width = static_cast<std::uint32_t>(ranges_[i].second - ranges_[i].first + 1);
        values[i] = ranges_[i].first + static_cast<int>(number % width);
        number /= width;
    }
    return values;
}

// The values of the next candidate in number order: the last range turns fastest.
void QuestionSpace::nextCandidate(std::vector<int>& values) const {
    for (std::size_t i = ranges_.size(); i-- > 0;) {
        if (values[i] < ranges_[i].second) {
            ++values[i];
            return;
        }
        values[i] = ranges_[i].first;
    }
}

const std::vector<std::uint32_t>& QuestionSpace::kept() const {
    std::call_once(listed_, [this] {
        std::uint64_t candidates = 1;
        for (const auto& [low, high] : ranges_) candidates *= static_cast<std::uint64_t>(high - low + 1);
        if (candidates > UINT32_MAX) throw std::length_error("a skill's candidates do not fit a 32-bit number");
        std::vector<int> values(ranges_.size());
        for (std::size_t i = 0; i < ranges_.size(); ++i) values[i] = ranges_[i].first;
        for (std::uint32_t number = 0; number < candidates; ++number) {
            if (rule_(values)) kept_.push_back(number);
            nextCandidate(values);
        }
    });
    return kept_;
}

std::size_t QuestionSpace::size() const { return kept().size(); }

SkillQuestion QuestionSpace::question(std::size_t index) const {
    SkillQuestion built = *rule_(candidate(kept().at(index)));
    built.text = questionText(built);
    return built;
}

SkillQuestion QuestionSpace::draw(RandomSource& random) const {
    return question(static_cast<std::size_t>(drawInt(random, static_cast<double>(size()), 0)));
}

}  // namespace tally
