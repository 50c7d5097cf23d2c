// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "progress/school_server.h"

namespace tally {

// The teacher's page of an assignment's results, from what the server gives:
// `table` has a line for each pupil it is for (their newest answer to each
// question), `missed` its most-missed questions. A table of the pupils (by
// name: nobody is ranked) against the questions (numbered; the text in each
// number's tooltip and listed under the table, for paper), each cell the
// typed answer, √ or × and the answer's time; under it the most-missed
// questions with their kinds of error, and who has not done it. Printable;
// `links` (a linksBar) go above it on screen.
std::string assignmentResultsHtml(const Assignment& assignment, const std::vector<PupilResults>& table,
                                  const std::vector<MissedOften>& missed, const std::string& links = "");

}  // namespace tally
