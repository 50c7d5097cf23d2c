// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/pictured_question.h"

namespace tally {

SkillQuestion picturedQuestion(std::string text, int answer, std::shared_ptr<const QuestionPicture> picture,
                               std::optional<int> secondBox) {
    SkillQuestion question;
    question.result = wholeNumber(answer);
    question.layout = QuestionLayout::worded;
    question.prompt = std::move(text);
    question.secondBox = secondBox;
    question.picture = std::move(picture);
    return question;
}

}  // namespace tally
