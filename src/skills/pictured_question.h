// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "pictures/question_picture.h"
#include "skills/skill_question.h"

namespace tally {

// A worded question drawn above by `picture`: its text says the picture in
// words, its □ is the answer (two □ with `secondBox`, "□元□角").
SkillQuestion picturedQuestion(std::string text, int answer, std::shared_ptr<const QuestionPicture> picture,
                               std::optional<int> secondBox = {});

}  // namespace tally
