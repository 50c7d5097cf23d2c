// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_question.h"

namespace tally {

SkillNumber wholeNumber(int value) { return {value, 1, NumberForm::whole}; }

SkillNumber tenthsNumber(int tenths) { return {tenths, 10, NumberForm::tenths}; }

SkillNumber fractionNumber(int numerator, int denominator) {
    return {numerator, denominator, NumberForm::fraction};
}

std::string numberText(const SkillNumber& number) {
    switch (number.form) {
    case NumberForm::whole:
        return std::to_string(number.numerator);
    case NumberForm::tenths: {
        const std::string whole = std::to_string(number.numerator / 10);
        const int tenth = number.numerator % 10;
        return tenth == 0 ? whole : whole + "." + std::to_string(tenth);
    }
    case NumberForm::fraction:
        return std::to_string(number.numerator) + "/" + std::to_string(number.denominator);
    }
    return {};
}

namespace {

const char* signText(Sign sign) {
    switch (sign) {
    case Sign::plus: return "＋";
    case Sign::minus: return "－";
    case Sign::times: return "×";
    case Sign::divide: return "÷";
    }
    return "";
}

std::string termText(const SkillQuestion& question, std::size_t index) {
    if (question.box && static_cast<std::size_t>(*question.box) == index) return "□";
    return numberText(question.terms[index]);
}

std::string splitText(const SkillQuestion& question) {
    return numberText(question.result) + "可以分成" + termText(question, 0) + "和" + termText(question, 1);
}

std::string equationText(const SkillQuestion& question) {
    std::string text;
    for (std::size_t i = 0; i < question.terms.size(); ++i) {
        if (i > 0) text += signText(question.signs[i - 1]);
        const bool opens = question.bracketFrom && static_cast<std::size_t>(*question.bracketFrom) == i;
        const bool closes = question.bracketFrom && static_cast<std::size_t>(*question.bracketFrom) + 1 == i;
        text += (opens ? "（" : "") + termText(question, i) + (closes ? "）" : "");
    }
    text += "＝";
    if (question.box) text += numberText(question.result);
    return text;
}

}  // namespace

std::string questionText(const SkillQuestion& question) {
    return question.layout == QuestionLayout::split ? splitText(question) : equationText(question);
}

}  // namespace tally
