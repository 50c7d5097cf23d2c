// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <span>

#include "skills/skill_question.h"

namespace tally {

// The rules of 认识人民币: counting money, changing it and giving change, in
// 元 and 角 within 100元.

// "一共是□元□角。" for v[0] notes of the kind v[1] (5元, 10元, 20元, 50元; 0
// notes for none), v[2] coins of 1元, v[3] of 5角 and v[4] of 1角.
std::optional<SkillQuestion> countMoney(std::span<const int> v);
// Kind 0 (v[0]): v[1] pieces of the v[2]-th money changed for pieces of the
// v[3]-th, "可以换□张5元"; kind 1: v[1] coins of 1元 with v[2] of 5角 and v[3]
// of 1角 in 角, "合起来是□角".
std::optional<SkillQuestion> changeMoney(std::span<const int> v);
// "用10元买一个7元5角的文具盒，应找回□元□角。": the thing v[0], its price v[1]元
// v[2]角, paid with the smallest note above the price (v[3] 0) or the next (1).
std::optional<SkillQuestion> giveChange(std::span<const int> v);

}  // namespace tally
