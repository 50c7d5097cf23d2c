// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "progress/progress_record.h"
#include "progress/saved_mix.h"
#include "skills/skill_table.h"

namespace tally {

// A mix the program comes with, for a term: an example only, since each
// school sets its own. The words are as readMix reads them.
struct ReadyMixRow {
    int grade = 1;
    Term term = Term::first;
    const char* name = "";
    const char* words = "";
};

// Every ready mix, grade by grade, term by term.
const std::vector<ReadyMixRow>& readyMixRows();

// What a page shows beside a ready mix's name.
inline constexpr const char* kExampleLabel = "示例";

// A mix to choose: one a parent saved, or a ready one with its grade and term.
struct ListedMix {
    SkillMix mix;
    int grade = 0;  // 0: saved by a parent
    Term term = Term::first;

    bool example() const { return grade != 0; }
};

// The ready mixes, in their rows' order.
std::vector<ListedMix> readyMixes();
// The mixes saved for the owner (a child, or kEarlierRecords), then the
// ready ones; the saved ones are left out when the record cannot be read
// (record.trouble() says why).
std::vector<ListedMix> mixesFor(ProgressRecord& record, long long owner);
// The mix of that name, a saved one before a ready one of the same name.
std::optional<SkillMix> mixNamed(ProgressRecord& record, long long owner, std::string_view name);

}  // namespace tally
