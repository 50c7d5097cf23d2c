// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// One row of the 口算达标 norms: for a skill in a grade and term, the right
// answers a minute a school asks for 达标, 良好 and 优秀.
struct FluencyNorm {
    int grade = 1;
    bool secondTerm = false;
    std::string skillKey;
    int pass = 0;
    int good = 0;
    int excellent = 0;

    bool operator==(const FluencyNorm&) const = default;
};

// Why a row cannot be a norm, for the parent; "" when it can: a grade of 1
// to 6, a skill, and 1 ≤ 达标 ≤ 良好 ≤ 优秀 ≤ 60 a minute.
std::string fluencyNormProblem(const FluencyNorm& norm);

}  // namespace tally
