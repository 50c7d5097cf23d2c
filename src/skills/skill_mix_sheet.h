// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "base/ports.h"
#include "progress/saved_mix.h"
#include "skills/skill_question.h"

namespace tally {

// One question of a mixed sheet and the skill it was drawn from, which marks
// it and counts it in the record.
struct MixQuestion {
    std::string skillKey;
    SkillQuestion question;
};

struct MixSheet {
    std::vector<MixQuestion> questions;
    // Why the mix makes no sheet (mixSheetProblem); "" when it makes one.
    std::string problem;
    // Why the sheet has fewer questions than the mix asks (its skills have
    // too few different questions), for the parent; "" when it has them all.
    std::string shortfall;
};

// How many of `count` questions each part takes: its share, rounded by the
// largest remainder (on a tie the earlier part first), so that 50% of 100 is
// 50 and the counts sum to `count`. The parts' shares sum to 100.
std::vector<int> partCounts(int count, const std::vector<MixPart>& parts);

// A sheet of the mix: each skill its count of different questions, each drawn
// evenly from its skill, no question's text twice on the sheet; each skill's
// questions spread through the sheet at even intervals, where they start
// drawn at random.
MixSheet composeSheet(const SkillMix& mix, RandomSource& random);

}  // namespace tally
