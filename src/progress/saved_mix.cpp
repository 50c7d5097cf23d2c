// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/saved_mix.h"

#include <algorithm>
#include <numeric>

#include "progress/children.h"

namespace tally {

namespace {

std::string quoted(const std::string& text) { return "“" + text + "”"; }

std::string partsProblem(const std::vector<MixPart>& parts, const std::function<std::string(const MixPart&)>& partName) {
    if (parts.empty()) return "口算卷里至少要有一项口算。";
    for (auto part = parts.begin(); part != parts.end(); ++part) {
        if (part->share <= 0) return quoted(partName(*part)) + "占" + std::to_string(part->share) + "%，不出题的一项请去掉。";
        const bool again = std::any_of(parts.begin(), part, [&](const MixPart& before) { return before.skillKey == part->skillKey; });
        if (again) return quoted(partName(*part)) + "写了两次，每一项只写一次。";
    }
    const long long sum = std::accumulate(parts.begin(), parts.end(), 0LL,
                                          [](long long total, const MixPart& part) { return total + part.share; });
    if (sum != 100) return "各项占的百分比加起来要是100%，现在是" + std::to_string(sum) + "%。";
    return "";
}

}  // namespace

std::string mixProblem(const SkillMix& mix, const std::function<std::string(const MixPart&)>& partName) {
    if (mix.questionCount < kFewestMixQuestions || mix.questionCount > kMostMixQuestions) {
        return questionCountProblem(std::to_string(mix.questionCount));
    }
    return partsProblem(mix.parts, partName);
}

std::string questionCountProblem(const std::string& count) {
    return "题数要在" + std::to_string(kFewestMixQuestions) + "到" + std::to_string(kMostMixQuestions) +
           "道之间，现在是" + count + "道。";
}

std::string mixNameProblem(const std::string& name) {
    if (name.empty()) return "口算卷的名字不能空着。";
    const auto length = visibleLength(name);
    if (!length) return "名字里有看不见的字符或不能用的字符，请把名字删掉，再重新输入一遍。";
    if (*length > static_cast<std::size_t>(kLongestMixName)) {
        return "口算卷的名字最多" + std::to_string(kLongestMixName) + "个字。";
    }
    return "";
}

}  // namespace tally
