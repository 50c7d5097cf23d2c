// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <string>
#include <vector>

#include "progress/classroom_values.h"

namespace tally {

// A pupil's answers to one skill: how many, how many right.
struct SkillShare {
    int answers = 0;
    int right = 0;
};

// Each pupil's share of each skill, by pupil id and skill key.
std::map<long long, std::map<std::string, SkillShare>> skillShares(const std::vector<ClassAnswer>& answers);

// The teacher's term view: a small table of the pupils (by name) against the
// skills they answered (in the order of their keys, which is the textbook's),
// each cell the share right in percent with its answers ("85%（17/20）").
// `answers` are the term's; `captions` name the skills by key (the key is
// shown for one it does not name).
std::string skillSharesHtml(const std::string& className, const std::vector<Pupil>& pupils,
                            const std::vector<ClassAnswer>& answers, const std::map<std::string, std::string>& captions);

}  // namespace tally
