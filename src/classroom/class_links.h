// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace tally {

// A link of the teacher's 班级 pages ("class-….tallymoo"): the window catches
// it instead of following it, and shows the page or opens the form it names.
struct ClassLink {
    enum class To {
        Classes,    // every class of the teacher
        Class,      // a class: its pupils and assignments
        Results,    // an assignment's results
        Term,       // a class's term view
        NewClass,   // the form of a new class
        AddPupil,   // the form of a pupil of the class
        Import,     // a list of names for the class
        Assign,     // the form of an assignment for the class
        Print,      // the page on screen, to paper
    };
    To to = To::Classes;
    long long id = 0;  // the class's or the assignment's; 0 where none

    bool operator==(const ClassLink&) const = default;
};

inline constexpr const char* kClassLinkStart = "class-";

std::string classLink(const ClassLink& link);
// The link a file name of that kind names, or nothing.
std::optional<ClassLink> linkedClassPage(const std::string& fileName);

}  // namespace tally
