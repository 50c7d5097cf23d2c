// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/dabiao_answer.h"

#include "pictures/question_picture.h"
#include "sheets/two_box_answer.h"
#include "sheets/written_answer.h"

namespace tally {
namespace {

bool onPicture(const SkillQuestion& question) { return !question.setOnPicture.empty(); }

// Each □ (or ○) of the text as a blank; a question without one ends in it.
std::string withBlanks(const SkillQuestion& question) {
    std::string text = question.text;
    bool any = false;
    for (const std::string place : {"□", "○"}) {
        for (std::size_t at = text.find(place); at != std::string::npos; at = text.find(place, at)) {
            text.replace(at, place.size(), kAnswerBlank);
            any = true;
            if (!question.secondBox) break;
        }
        if (any) break;
    }
    return any ? text : text + kAnswerBlank;
}

// "8时30分" of the two boxes, with the words after each.
std::string bothBoxes(const SkillQuestion& question, const std::string& first, const std::string& second) {
    const auto units = twoBoxUnits(question.text);
    return units ? units->joined(first, second) : first + " " + second;
}

std::string expectedText(const SkillQuestion& question) {
    if (onPicture(question)) return question.setOnPicture;
    const std::string answer = numberText(question.answer());
    if (question.secondBox) return bothBoxes(question, answer, std::to_string(*question.secondBox));
    return question.remainder ? answer + "……" + std::to_string(*question.remainder) : answer;
}

// A quotient and remainder as typed: "7……2", "7...2" or "7余2".
bool remainderRight(const std::string& typed, const SkillQuestion& question) {
    for (const char* between : {"……", "...", "余"}) {
        const std::size_t at = typed.find(between);
        if (at == std::string::npos) continue;
        return writtenAnswerRight(typed.substr(0, at), numberText(question.answer())) &&
               writtenAnswerRight(typed.substr(at + std::string(between).size()), std::to_string(*question.remainder));
    }
    return false;
}

AnswerForm askedAgainAs(const SkillQuestion& question) {
    if (onPicture(question)) return question.picture->fieldClass() == kDialField ? AnswerForm::HoursMinutes : AnswerForm::None;
    if (question.secondBox) return AnswerForm::HoursMinutes;
    return question.remainder ? AnswerForm::None : AnswerForm::One;
}

}  // namespace

bool dabiaoAnswered(const DabiaoTyped& typed, const SkillQuestion& question) {
    return !typed.first.empty() && (!question.secondBox || !typed.second.empty());
}

bool dabiaoRight(const DabiaoTyped& typed, const SkillQuestion& question) {
    if (onPicture(question)) return typed.first == question.setOnPicture;
    if (question.secondBox) {
        return writtenAnswerRight(typed.first, numberText(question.answer())) &&
               writtenAnswerRight(typed.second, std::to_string(*question.secondBox));
    }
    if (question.remainder) return remainderRight(typed.first, question);
    return writtenAnswerRight(typed.first, numberText(question.answer()));
}

MissedQuestion dabiaoAsKept(const DabiaoTyped& typed, const SkillQuestion& question) {
    MissedQuestion kept;
    kept.question = onPicture(question) ? question.text : withBlanks(question);
    kept.typed = question.secondBox ? bothBoxes(question, typed.first, typed.second) : typed.first;
    kept.correct = expectedText(question);
    kept.form = askedAgainAs(question);
    return kept;
}

const char* dabiaoEmptyWords(const SkillQuestion& question) {
    if (onPicture(question)) {
        return question.picture->fieldClass() == kDialField ? "先拨好钟面，再按回车。" : "先涂好，再按回车。";
    }
    return question.secondBox ? "两个框都写好，再按回车。" : "先写得数，再按回车。";
}

}  // namespace tally
