// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace tally {

// A 口算卷 mixed by share: so many questions, each skill taking its share of
// them in percent. Skills are named by their keys ("k1103"), which stay when
// a caption is reworded.
struct MixPart {
    std::string skillKey;
    int share = 0;  // percent

    bool operator==(const MixPart&) const = default;
};

struct SkillMix {
    std::string name;
    int questionCount = 0;
    std::vector<MixPart> parts;

    bool operator==(const SkillMix&) const = default;
};

inline constexpr int kFewestMixQuestions = 20;
inline constexpr int kMostMixQuestions = 100;
inline constexpr int kLongestMixName = 20;  // characters, not bytes
inline constexpr int kMostSavedMixes = 50;  // for each child

// Why the mix cannot make a sheet, in Chinese for the parent, a part named by
// `partName`; "" when it can: 20 to 100 questions, at least one part, every
// share above 0, no skill twice, the shares summing to 100.
std::string mixProblem(const SkillMix& mix, const std::function<std::string(const MixPart&)>& partName);
// The same for a count of questions as typed ("150").
std::string questionCountProblem(const std::string& count);
// Why a mix cannot be kept under this name (a normalName already); "" when it can.
std::string mixNameProblem(const std::string& name);

}  // namespace tally
