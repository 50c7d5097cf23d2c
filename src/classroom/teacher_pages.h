// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "progress/school_server.h"

namespace tally {

// The teacher's 班级 view, pages of what the server gave: the teacher's
// classes (name, join code, pupils), a class (its pupils by name, its
// assignments, each linked to its results), and the pages a form leaves.
std::string classesHtml(const std::vector<TaughtClass>& classes);
std::string classHtml(const TaughtClass& shown, const std::vector<Pupil>& pupils,
                      const std::vector<AssignmentProgress>& assignments);
// A page that says why what was asked for cannot be shown.
std::string classProblemHtml(const std::string& problem);

// A pupil given a PIN, or a line of a list that was not added, and why.
struct PinLine {
    std::string name;
    std::string pin;
};
struct RefusedName {
    int line = 0;  // in the list the teacher gave, from 1; 0 for a name typed
    std::string name;
    std::string why;
};
// The pupils just added with their PINs (the only time they are shown), to
// print and hand out, and the names not added with why.
std::string pinListHtml(const SchoolClass& shown, const std::vector<PinLine>& added,
                        const std::vector<RefusedName>& refused);

}  // namespace tally
