// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "progress/classroom_values.h"

namespace tally {

// The link of 下发的练习 that opens an assignment ("assignment-ID.tallymoo");
// the window catches it instead of following it.
inline constexpr const char* kAssignmentLink = "assignment-";
std::string assignmentLink(long long assignmentId);
// The assignment a link of that kind names, or nothing.
std::optional<long long> linkedAssignment(const std::string& fileName);

// 下发的练习, the page a pupil sees first on logging in: the assignments the
// pupil is given, those still to do first (the nearest due date first), then
// those done with the pupil's own marks; each with its count and due date,
// and a link to open it. `answers` are the pupil's own; `today` is
// "YYYY-MM-DD", to say which are past their date.
std::string pupilAssignmentsHtml(const Pupil& pupil, const std::vector<Assignment>& assignments,
                                 const std::vector<ClassAnswer>& answers, const std::string& today);

}  // namespace tally
