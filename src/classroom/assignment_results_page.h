// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "progress/classroom_values.h"

namespace tally {

// One question of an assignment missed by some of its pupils, with how many
// missed it with each kind of error.
struct MissedAssignmentQuestion {
    int position = 0;
    std::string question;
    int misses = 0;
    std::vector<std::pair<std::string, int>> kinds;  // ErrorKind's stored name, misses; most first
};

// Of each pupil and question, the answer that counts: the pupil's latest on
// that question of the assignment (a pupil may do it again).
std::vector<ClassAnswer> countedAnswers(const Assignment& assignment, const std::vector<ClassAnswer>& answers);
// The questions of the assignment missed by at least one pupil, most missed
// first (then by their place), at most `limit`.
std::vector<MissedAssignmentQuestion> mostMissedQuestions(const Assignment& assignment,
                                                          const std::vector<ClassAnswer>& answers, int limit);

// The teacher's page of an assignment's results: a table of the pupils it is
// for (by name: nobody is ranked) against its questions (numbered; the text
// in each number's tooltip and listed under the table, for paper), each cell
// the typed answer, √ or × and the answer's time; under it the most-missed
// questions with their kinds of error, and who has not done it. Printable.
std::string assignmentResultsHtml(const Assignment& assignment, const std::vector<Pupil>& pupils,
                                  const std::vector<ClassAnswer>& answers);

}  // namespace tally
