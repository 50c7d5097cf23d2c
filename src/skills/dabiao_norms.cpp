// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/dabiao_norms.h"

#include <algorithm>

#include "skills/skill_mix.h"

namespace tally {
namespace {

struct NormWords {
    int grade;
    bool secondTerm;
    const char* caption;
    int pass, good, excellent;
};

// Common school examples: a 100-question test in 5 minutes passed at 80
// right and excellent at 90 is 16 and 18 a minute.
constexpr NormWords kDefaultWords[] = {
    {1, false, "10以内加减", 12, 14, 16},
    {1, false, "连加、连减、加减混合（10以内）", 6, 8, 10},
    {1, false, "20以内不进位加法", 10, 12, 14},
    {1, false, "20以内进位加法", 8, 10, 12},
    {1, true, "20以内退位减法", 10, 12, 14},
    {1, true, "整十数加、减整十数", 10, 12, 14},
    {1, true, "两位数加一位数、整十数（不进位）", 8, 10, 12},
    {1, true, "两位数减一位数、整十数（不退位）", 8, 10, 12},
    {2, false, "两位数加两位数（进位）", 6, 8, 10},
    {2, false, "两位数减两位数（退位）", 6, 8, 10},
    {2, false, "2～6的乘法口诀", 16, 17, 18},
    {2, false, "7、8、9的乘法口诀", 14, 16, 18},
    {2, false, "乘加、乘减", 5, 6, 8},
    {2, true, "用2～6的乘法口诀求商", 14, 16, 18},
    {2, true, "用7、8、9的乘法口诀求商", 12, 14, 16},
    {2, true, "两级运算", 5, 6, 8},
    {2, true, "含有小括号的混合运算", 5, 6, 8},
    {3, false, "两位数加减两位数", 6, 8, 10},
    {3, false, "整十、整百数乘一位数", 10, 12, 14},
    {3, false, "同分母分数加、减法", 6, 8, 10},
    {3, true, "整十、整百数除以一位数", 10, 12, 14},
    {3, true, "整十数乘整十数", 10, 12, 14},
    {3, true, "一位小数加、减法", 8, 10, 12},
};

int stageOf(const FluencyNorm& norm) { return norm.grade * 2 + (norm.secondTerm ? 1 : 0); }

bool samePlace(const FluencyNorm& a, const FluencyNorm& b) {
    return a.grade == b.grade && a.secondTerm == b.secondTerm && a.skillKey == b.skillKey;
}

// The skill's row of the latest stage up to `stage`.
const FluencyNorm* rowFor(const std::vector<FluencyNorm>& table, const std::string& skillKey, int stage) {
    const FluencyNorm* found = nullptr;
    for (const FluencyNorm& row : table) {
        if (row.skillKey != skillKey || stageOf(row) > stage) continue;
        if (!found || stageOf(row) > stageOf(*found)) found = &row;
    }
    return found;
}

}  // namespace

const char* bandCaption(FluencyBand band) {
    switch (band) {
        case FluencyBand::Excellent: return "优秀";
        case FluencyBand::Good: return "良好";
        case FluencyBand::Pass: return "达标";
        case FluencyBand::NotYet: break;
    }
    return "还没达标";
}

const std::vector<FluencyNorm>& defaultNorms() {
    static const std::vector<FluencyNorm> rows = [] {
        std::vector<FluencyNorm> made;
        for (const NormWords& words : kDefaultWords) {
            // A row whose skill the table no longer names is left out.
            if (const SkillRow* skill = skillCaptioned(words.caption)) {
                made.push_back({words.grade, words.secondTerm, skill->key, words.pass, words.good, words.excellent});
            }
        }
        return made;
    }();
    return rows;
}

std::vector<FluencyNorm> normTable(const std::vector<FluencyNorm>& edited) {
    std::vector<FluencyNorm> table = defaultNorms();
    for (const FluencyNorm& row : edited) {
        auto same = std::find_if(table.begin(), table.end(), [&](const FluencyNorm& kept) { return samePlace(kept, row); });
        if (same != table.end()) *same = row;
        else table.push_back(row);
    }
    return table;
}

std::vector<FluencyNorm> gradeNorms(const std::vector<FluencyNorm>& table, int grade) {
    std::vector<FluencyNorm> rows;
    for (bool second : {false, true}) {
        for (const FluencyNorm& row : table) {
            if (row.grade == grade && row.secondTerm == second) rows.push_back(row);
        }
    }
    return rows;
}

std::optional<MixNorm> mixNorm(const SkillMix& mix, const std::vector<FluencyNorm>& table, int grade, bool secondTerm) {
    const int stage = grade == 0 ? 1000 : grade * 2 + (secondTerm ? 1 : 0);
    MixNorm norm;
    for (const MixPart& part : mix.parts) {
        const FluencyNorm* row = rowFor(table, part.skillKey, stage);
        if (!row) return std::nullopt;
        const double weight = part.share / 100.0;
        norm.pass += weight * row->pass;
        norm.good += weight * row->good;
        norm.excellent += weight * row->excellent;
    }
    if (mix.parts.empty()) return std::nullopt;
    return norm;
}

FluencyBand fluencyBand(double rightPerMinute, const MixNorm& norm) {
    // A hair under the line still reaches it: 80 right in 5 minutes is 16.
    constexpr double kSlack = 1e-9;
    if (rightPerMinute + kSlack >= norm.excellent) return FluencyBand::Excellent;
    if (rightPerMinute + kSlack >= norm.good) return FluencyBand::Good;
    if (rightPerMinute + kSlack >= norm.pass) return FluencyBand::Pass;
    return FluencyBand::NotYet;
}

}  // namespace tally
