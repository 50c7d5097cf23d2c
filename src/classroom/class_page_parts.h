// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "progress/classroom_values.h"

namespace tally {

// What the class's pages share: the document round a page's body, the
// pupils in the order of their names (never by marks), an answer's time.

// A whole page: its title, its own style on top of the shared one, its body.
std::string classPageHtml(const std::string& title, const std::string& style, const std::string& body);
// The pupils by name, in the order of their 拼音 (then by id, for two of one name).
std::vector<Pupil> pupilsByName(std::vector<Pupil> pupils);
// The pupils an assignment is for: the ones it names, else its whole class.
std::vector<Pupil> assignedPupils(const Assignment& assignment, const std::vector<Pupil>& pupils);
// "4.2秒"; "" for an answer without a time.
std::string secondsText(const std::optional<long long>& ms);

}  // namespace tally
