// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

#include "progress/saved_mix.h"
#include "skills/skill_table.h"

namespace tally {

// A mix read from the words a parent types, or why it cannot be read (then
// `mix` holds what was read so far).
struct MixReading {
    SkillMix mix;
    std::string problem;  // "" when the mix was read whole
};

// Reads "COUNT CAPTION:SHARE …", the count first and then each skill by its
// caption with its share in percent: "100 10以内加减:50 20以内进位加法:50",
// also written "100道：10以内加减50%，20以内进位加法50%" (full-width signs and
// digits, "，" or blanks between the parts, the share after ":", a blank, or
// straight after the caption with "%"). The mix takes `name`.
MixReading readMix(std::string_view words, std::string name = {});

// The mix as readMix reads it back: "100 10以内加减:50 20以内进位加法:50";
// a skill no longer in the table by its key.
std::string mixWords(const SkillMix& mix);

// The skill of that caption, or nothing.
const SkillRow* skillCaptioned(std::string_view caption);

// Why the mix cannot make a sheet, for the parent ("" when it can): the rules
// of every mix, and each skill still in the table.
std::string mixSheetProblem(const SkillMix& mix);

}  // namespace tally
