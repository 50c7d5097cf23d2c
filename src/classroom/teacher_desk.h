// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/ports.h"
#include "classroom/pupil_list.h"
#include "classroom/skill_shares_page.h"
#include "progress/school_server.h"

namespace tally {

// What adding pupils came to: each pupil added with their PIN, and the
// names not added with why (the list's, and the server's refusals).
struct PupilsAdded {
    std::vector<PinLine> added;
    std::vector<RefusedName> refused;
    std::string page;  // the PIN list, to print
};

// The teacher's 班级 view over the school's server: the pages of the
// teacher's classes, a class, an assignment's results and a class's term,
// and the forms' work (a class, pupils typed or from a list, an
// assignment). Every page is whole HTML; one the server could not give says
// why instead.
class TeacherDesk {
public:
    // `captions` name the skills by key, for the term view.
    TeacherDesk(SchoolServer& server, std::map<std::string, std::string> captions);

    // "" when the teacher is in, otherwise why not.
    std::string logIn(const std::string& role, const std::string& password);
    bool loggedIn() const { return loggedIn_; }

    std::string classesPage();
    std::string classPage(long long classId);
    std::string resultsPage(long long assignmentId);
    // The term `today` is in, from its first day to today.
    std::string termPage(long long classId, Day today);

    // The class of that id, when it is the teacher's; `problem` says why not.
    std::optional<TaughtClass> taughtClass(long long classId, std::string& problem);
    SchoolReply<std::vector<Pupil>> pupilsOf(const SchoolClass& shown);

    // A new class of that name; "" when made, otherwise why not.
    std::string addClass(const std::string& name);
    // Adds the pupils of a list (or one typed) to the class: each name
    // checked against the class first, each pupil its own call; once the
    // server cannot be reached the rest are left, and listed as not added.
    PupilsAdded addPupils(const SchoolClass& shown, const std::vector<NewPupil>& pupils,
                          std::vector<RefusedName> refused = {});
    // One pupil typed, with the PIN typed ("" for a fresh one).
    PupilsAdded addPupil(const SchoolClass& shown, const std::string& name, const std::string& pin);
    // Reads a file of names for the class and adds the pupils it holds.
    PupilsAdded importPupils(const SchoolClass& shown, const std::string& bytes);

private:
    SchoolServer& server_;
    std::map<std::string, std::string> captions_;
    bool loggedIn_ = false;
};

// The days of the term `today` is in, from its first day to today.
TermPeriod termSoFar(Day today);

}  // namespace tally
