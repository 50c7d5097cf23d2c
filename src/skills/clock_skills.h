// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "skills/grade_skills.h"

namespace tally {

// The clock skills' rules: each question carries its face (or two) and says
// in words where the hands point, so it reads the same without the picture.
namespace clock_rules {

// 整时 and 半时: hour 1…12, half 0 or 1. "钟面上……是□时。" / "是□时□分。"
skill_rules::Maybe readWholeOrHalf(skill_rules::Values v);
// 几时几分: hour 1…12 and minute 1…59 times `step` (5 counts in fives).
skill_rules::Maybe readMinutes(skill_rules::Values v, int step);
// With the second hand: hour 1…12, minute 0…59, second 0…11 in fives;
// the hour is given, the minutes and seconds read: "是8时□分□秒。"
skill_rules::Maybe readSeconds(skill_rules::Values v);
// 经过时间: start hour 1…12 and minute 0…11 in fives, 1…11 fives passing.
skill_rules::Maybe elapsedMinutes(skill_rules::Values v);
// 24时计时法: hour of the day 6…23 and minute 0…11 in fives, the face
// with 上午, 中午, 下午 or 晚上.
skill_rules::Maybe readDayHours(skill_rules::Values v);
// 拨一拨: hour 1…12 and minute 0…59 times `step`; 12 o'clock, where the
// hands start, is not asked.
skill_rules::Maybe setHands(skill_rules::Values v, int step);

}  // namespace clock_rules
}  // namespace tally
