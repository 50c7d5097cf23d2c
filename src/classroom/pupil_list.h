// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "classroom/teacher_pages.h"

namespace tally {

// A pupil the teacher gives: the name as kept, and the PIN given or made.
struct NewPupil {
    int line = 0;  // in the list, from 1; 0 for a name typed
    std::string name;
    std::string pin;
};

// A list of names as read: the pupils to add, and the lines refused with why.
struct PupilList {
    std::vector<NewPupil> pupils;
    std::vector<RefusedName> refused;
};

// A fresh PIN of four digits, from the system's source of randomness.
std::string freshPin();
// Why a pupil's name cannot be added to a class holding `existing`, in
// Chinese; "" when it can. `name` is a normalName already.
std::string pupilNameProblem(const std::string& name, const std::vector<std::string>& existing);
// Why a PIN cannot be a pupil's; "" when it can (4 to 8 digits).
std::string pinProblem(const std::string& pin);

// A file of names for a class: UTF-8 with or without its BOM, else GBK (as
// a spreadsheet saves it); one name a line, or a CSV whose header has a
// column 姓名 (or 名字) and maybe one 密码 (or PIN); without a header, a second
// field is the PIN. A pupil without a PIN gets one from `makePin`. A name
// that cannot be added, twice in the list or already in the class is refused
// with its line.
PupilList readPupilList(const std::string& bytes, const std::vector<std::string>& existing,
                        const std::function<std::string()>& makePin = freshPin);

}  // namespace tally
