// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "practice/fact_fluency.h"
#include "progress/record_values.h"

namespace tally {

// One fact of a grid: how a child reads it ("7×8") and every text its
// question is stored under (the 口算 skills' "7×8＝（　）", the drills'
// "7×8= （　）"), so its answers count whichever sheet asked it.
struct FactCell {
    std::string caption;
    std::vector<std::string> texts;
    FactState state = FactState::untried;
    std::vector<AnswerTime> newestFirst;  // at most kShakyWithin

    bool operator==(const FactCell&) const = default;
};

// A fact family of grades 1–2 laid out as a table: a row per first number,
// a column per second; a place with no fact (11－1 does not borrow) is empty.
struct FactGrid {
    std::string caption;  // 20以内加法, 20以内退位减法, 乘法口诀, 表内除法
    std::string corner;   // what the heads are: "＋", "除数＼商"
    std::vector<std::string> rowHeads;
    std::vector<std::string> columnHeads;
    std::vector<std::vector<std::optional<FactCell>>> rows;

    bool operator==(const FactGrid&) const = default;
};

// The four grids, every fact untried.
const std::vector<FactGrid>& factGrids();
// The grid of that caption; nothing for another.
std::optional<FactGrid> factGridNamed(const std::string& caption);
// Every text of every fact of the grid: what the record is asked for.
std::vector<std::string> factTexts(const FactGrid& grid);
// The grid with each fact's state from the record's answers of its texts
// (each text's newest first, as the record gives them, any order of texts).
FactGrid filledGrid(FactGrid grid, const std::vector<TimedAnswer>& answers);

// The captions of the facts 熟练 in `now` that were not in `before`, the
// same grid filled from older answers; in the grid's order.
std::vector<std::string> newlyFluent(const FactGrid& before, const FactGrid& now);

}  // namespace tally
