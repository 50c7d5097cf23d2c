// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/ready_mixes.h"

#include "progress/children.h"
#include "skills/skill_mix.h"

namespace tally {

const std::vector<ReadyMixRow>& readyMixRows() {
    static const std::vector<ReadyMixRow> rows = {
        {1, Term::first, "一年级上学期期末口算",
         "50 10以内加减:30 连加、连减、加减混合（10以内）:20 20以内不进位加法:20 20以内进位加法:30"},
        {1, Term::first, "一年级上学期口算达标", "100 10以内加减:50 20以内不进位加法:20 20以内进位加法:30"},
        {1, Term::second, "一年级下学期期末口算",
         "50 20以内退位减法:40 整十数加、减整十数:20 两位数加一位数、整十数（不进位）:20"
         " 两位数减一位数、整十数（不退位）:20"},
        {2, Term::first, "二年级上学期期末口算",
         "50 两位数加两位数（进位）:20 两位数减两位数（退位）:20 2～6的乘法口诀:20 7、8、9的乘法口诀:20 乘加、乘减:20"},
        {2, Term::second, "二年级下学期期末口算",
         "50 用2～6的乘法口诀求商:30 用7、8、9的乘法口诀求商:30 两级运算:20 含有小括号的混合运算:20"},
        {3, Term::first, "三年级上学期期末口算",
         "50 两位数加减两位数:40 整十、整百数乘一位数:30 同分母分数加、减法:30"},
        {3, Term::second, "三年级下学期期末口算",
         "50 整十、整百数除以一位数:30 整十数乘整十数:30 一位小数加、减法:40"},
    };
    return rows;
}

std::vector<ListedMix> readyMixes() {
    std::vector<ListedMix> mixes;
    for (const ReadyMixRow& row : readyMixRows()) {
        // A row whose skills the table no longer names is left out.
        MixReading reading = readMix(row.words, row.name);
        if (reading.problem.empty()) mixes.push_back({std::move(reading.mix), row.grade, row.term});
    }
    return mixes;
}

std::vector<ListedMix> mixesFor(ProgressRecord& record, long long owner) {
    std::vector<ListedMix> mixes;
    for (SkillMix& saved : record.savedMixes(owner)) mixes.push_back(ListedMix{std::move(saved), 0, Term::first});
    for (ListedMix& ready : readyMixes()) mixes.push_back(std::move(ready));
    return mixes;
}

std::optional<SkillMix> mixNamed(ProgressRecord& record, long long owner, std::string_view name) {
    const std::string wanted = normalName(std::string(name));
    for (ListedMix& listed : mixesFor(record, owner)) {
        if (listed.mix.name == wanted) return std::move(listed.mix);
    }
    return std::nullopt;
}

}  // namespace tally
