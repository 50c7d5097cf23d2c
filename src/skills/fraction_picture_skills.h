// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "skills/grade_skills.h"

namespace tally::fraction_picture_rules {

using skill_rules::Maybe;
using skill_rules::Values;

// "涂色部分是这个图形的几分之几？" of a bar (kind 0, 2–10 parts) or a circle
// (kind 1, 2–8 parts), 1 to all but one part shaded; the answer as the
// picture reads, not reduced (2/4).
Maybe shadedPart(Values v);
// Three pictures of one kind, the one at `place` (0–2) showing m/n, the two
// others near it in value but not equal (one of two pairs of them):
// "哪个图的涂色部分是3/4？第□个。". Values: kind, n 2–8, m, place, pair.
Maybe whichPicture(Values v);
// 涂一涂: the child shades m of the n equal parts of a bar (kind 0, 2–10
// parts) or a circle (kind 1, 2–8 parts) on the picture: "涂色表示3/4。";
// any m parts will do, the field holding how many are shaded.
Maybe shadeParts(Values v);
// a/b ＝ □/d with a bar of each, one above the other, of one length and one
// shaded length: 约分 when d < b, 通分 when d > b. Values: b, a, d (2–12).
Maybe equalBars(Values v);

}  // namespace tally::fraction_picture_rules
