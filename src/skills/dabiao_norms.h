// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "progress/fluency_norm.h"
#include "progress/saved_mix.h"

namespace tally {

// How a school labels a 口算达标 test's right answers a minute.
enum class FluencyBand { NotYet, Pass, Good, Excellent };

// "还没达标", "达标", "良好", "优秀".
const char* bandCaption(FluencyBand band);

// What the norm page says of the program's own rows.
inline constexpr const char* kNormsNote = "这是常见的学校示例，各个学校的标准不一样，爸爸妈妈可以照自己学校的改。";

// The program's own rows, grade by grade and term by term, each skill by key.
const std::vector<FluencyNorm>& defaultNorms();

// The program's rows with the parent's in place of those of the same grade,
// term and skill, and the parent's new ones after them.
std::vector<FluencyNorm> normTable(const std::vector<FluencyNorm>& edited);

// The rows of one grade, 上学期 first.
std::vector<FluencyNorm> gradeNorms(const std::vector<FluencyNorm>& table, int grade);

// The right answers a minute a mix asks for each band: each skill's row of
// the child's grade and term, or the latest term before it that has one
// (grade 0, no child named: its latest row), weighted by the skill's share.
// Nothing when a skill has no such row.
struct MixNorm {
    double pass = 0;
    double good = 0;
    double excellent = 0;
};
std::optional<MixNorm> mixNorm(const SkillMix& mix, const std::vector<FluencyNorm>& table, int grade, bool secondTerm);

// The band of a rate against a mix's norm: the highest whose rate it reaches.
FluencyBand fluencyBand(double rightPerMinute, const MixNorm& norm);

}  // namespace tally
