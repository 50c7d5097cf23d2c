// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_sheet.h"

#include <algorithm>
#include <unordered_set>

namespace tally {

namespace {

std::size_t drawBelow(RandomSource& random, std::size_t bound) {
    return static_cast<std::size_t>(drawInt(random, static_cast<double>(bound), 0));
}

// Floyd's choice of `count` different numbers below `size`, every choice as
// likely as any other, in exactly `count` draws however full the sheet.
std::vector<std::size_t> differentNumbers(RandomSource& random, std::size_t size, std::size_t count) {
    std::unordered_set<std::size_t> chosen;
    std::vector<std::size_t> order;
    for (std::size_t top = size - count; top < size; ++top) {
        const std::size_t pick = drawBelow(random, top + 1);
        const std::size_t taken = chosen.insert(pick).second ? pick : top;
        chosen.insert(taken);
        order.push_back(taken);
    }
    for (std::size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[drawBelow(random, i)]);
    return order;
}

}  // namespace

std::vector<SkillQuestion> drawSheet(const QuestionSpace& questions, RandomSource& random, std::size_t count) {
    const std::size_t size = questions.size();
    std::vector<SkillQuestion> sheet;
    for (const std::size_t index : differentNumbers(random, size, std::min(count, size))) {
        sheet.push_back(questions.question(index));
    }
    return sheet;
}

}  // namespace tally
