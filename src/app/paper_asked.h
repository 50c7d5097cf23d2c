// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "progress/kept_practice.h"

namespace tally {

// A sheet mixed from many topics (今日练习, 错题重练) is marked from its list of
// questions, not from its page alone: printed, the list goes with the page it
// keeps, in a hidden list after the sheet's end, which paper never shows.
std::string withAskedList(const std::string& pageHtml, const std::vector<KeptQuestion>& asked);
// The list kept with such a page; empty for a page without one.
std::vector<KeptQuestion> askedListOf(const std::string& pageHtml);

}  // namespace tally
