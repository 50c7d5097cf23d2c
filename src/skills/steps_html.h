// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "skills/skill_steps.h"

namespace tally {

// A question's steps as a block of the marked page, with `id` as its name:
// `lineAbove` first when given (what went wrong, in words), the title, the
// ten-frame or the 竖式 where the steps have one, then the lines, each with
// its note beside it.
std::string stepsHtml(const QuestionSteps& steps, const std::string& id, const std::string& lineAbove = "");

// The ten-frame of 凑十 or 破十 as an inline SVG: a frame of two rows of five,
// the counters a circle each (class own, added, crossed or beside), with a
// title a screen reader reads.
std::string tenFrameSvg(const TenFrameWork& frame);

// A line as it is printed: its text, and its note after two wide spaces.
std::string stepLineText(const StepLine& line);

}  // namespace tally
