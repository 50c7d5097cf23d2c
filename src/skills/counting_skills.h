// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <span>

#include "skills/skill_question.h"

namespace tally {

// The rules of the skills a child works with counters and ten-frames. A
// question of 凑十 or 破十 keeps the sum it pictures as its terms, so its
// steps are worked as that sum's.

// 分与合 over a row of counters, `whole` (v[0]) parted after `part` (v[1]):
// kind 0 (v[2]) asks the second part, kind 1 the whole.
std::optional<SkillQuestion> splitWithCounters(std::span<const int> v);
// 凑十: inFrame ＋ beside past ten, the frame of inFrame filled from beside.
std::optional<SkillQuestion> makeTenWithFrames(int inFrame, int beside);
// 凑十 of 5、4、3、2加几: smaller ＋ bigger past ten, 看大数，分小数: the frame
// of the bigger filled from the smaller.
std::optional<SkillQuestion> makeTenOfBigger(int smaller, int bigger);
// 破十: teen － taken with borrowing, taken from the full frame of ten.
std::optional<SkillQuestion> breakTenWithFrame(int teen, int taken);

}  // namespace tally
