// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <utility>

#include "practice/fact_grid.h"
#include "progress/progress_record.h"

namespace tally {

// The link to a child's grid: "fact-grid-G-ID.tallymoo", G the grid's place
// in factGrids() from 1. The window catches it.
inline constexpr const char* kShowFactGridLink = "fact-grid-";
// The grid's place and the child a link of that kind names, or nothing.
std::optional<std::pair<std::size_t, long long>> linkedFactGrid(const std::string& fileName);
// A line of links to the child's four grids; the one shown (its place) in bold.
std::string factGridLinks(long long childId, std::optional<std::size_t> shown = std::nullopt);

// The grid filled from the child's answers marked before `before`
// ("YYYY-MM-DD", "" for all); nothing when the record cannot be read.
std::optional<FactGrid> readFactGrid(ProgressRecord& record, long long childId, const FactGrid& grid,
                                     const std::string& before = "");

// "7×8：2.1秒、3.4秒、错": the fact's last answers, newest first.
std::string factAnswersTip(const FactCell& cell);

// The page of the grid at `place` of factGrids(): a table coloured by each
// fact's state, with a mark and a legend for paper without colour, the
// answers in each cell's tooltip; one A4 page when printed. Empty when the
// record cannot be read.
std::string factGridPage(ProgressRecord& record, long long childId, std::size_t place, const std::string& childName);

}  // namespace tally
