// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "topics/topic_family.h"

namespace tally {

// One answer field as the grader reads it.
struct FieldAnswer {
    std::string field;    // the element the child types into
    std::string answer;   // exactly what the grader accepts there
    std::string working;  // word problems: the worked solution, else empty
};

// An <input> of a sheet, by its name, type and tag: the answer it expects, or
// nothing when it is no field a child writes in (buttons, the hidden copy of
// the inequality form, a field of another family).
std::optional<FieldAnswer> fieldAnswer(AnswerStyle style, const std::string& name, const std::string& type,
                                       const std::string& tag);

}  // namespace tally
