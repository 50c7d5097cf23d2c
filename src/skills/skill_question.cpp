// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_question.h"

#include <cstdlib>
#include <map>

namespace tally {

namespace {

int powerOfTen(int places) {
    int power = 1;
    for (int i = 0; i < places; ++i) power *= 10;
    return power;
}

int placesOf(int denominator) {
    int places = 0;
    for (; denominator > 1; denominator /= 10) ++places;
    return places;
}

// scaled × 10^-places with every place written: "3.30", "-0.5".
std::string fixedText(int scaled, int places) {
    const std::string sign = scaled < 0 ? "-" : "";
    const int size = std::abs(scaled);
    const int unit = powerOfTen(places);
    std::string text = sign + std::to_string(size / unit);
    if (places == 0) return text;
    std::string digits = std::to_string(size % unit);
    return text + "." + std::string(static_cast<std::size_t>(places) - digits.size(), '0') + digits;
}

// The same without the zeros a decimal drops at its end: "3.3", "4".
std::string shortestText(int scaled, int places) {
    std::string text = fixedText(scaled, places);
    if (text.find('.') == std::string::npos) return text;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

// Long division until a remainder comes back: the digits before it repeat.
std::string recurringText(int numerator, int denominator) {
    std::string text = std::to_string(numerator / denominator) + ".";
    std::map<int, std::size_t> seenAt;
    for (int remainder = numerator % denominator; remainder != 0; remainder = remainder * 10 % denominator) {
        const auto [seen, fresh] = seenAt.try_emplace(remainder, text.size());
        if (!fresh) return text.substr(0, seen->second) + "(" + text.substr(seen->second) + ")";
        text += static_cast<char>('0' + remainder * 10 / denominator);
    }
    return text;
}

}  // namespace

SkillNumber wholeNumber(int value) { return {value, 1, NumberForm::whole}; }

SkillNumber tenthsNumber(int tenths) { return {tenths, 10, NumberForm::tenths}; }

SkillNumber fractionNumber(int numerator, int denominator) {
    return {numerator, denominator, NumberForm::fraction};
}

SkillNumber decimalNumber(int scaled, int places) { return {scaled, powerOfTen(places), NumberForm::decimal}; }

SkillNumber roundedNumber(int scaled, int places) { return {scaled, powerOfTen(places), NumberForm::rounded}; }

SkillNumber percentNumber(int scaled, int places) { return {scaled, 100 * powerOfTen(places), NumberForm::percent}; }

SkillNumber ratioNumber(int first, int second) { return {first, second, NumberForm::ratio}; }

SkillNumber recurringNumber(int numerator, int denominator) {
    return {numerator, denominator, NumberForm::recurring};
}

SkillNumber relationNumber(int order) { return {order, 1, NumberForm::relation}; }

std::string numberText(const SkillNumber& number) {
    switch (number.form) {
    case NumberForm::whole:
        return std::to_string(number.numerator);
    case NumberForm::tenths:
    case NumberForm::decimal:
        return shortestText(number.numerator, placesOf(number.denominator));
    case NumberForm::fraction:
        return std::to_string(number.numerator) + "/" + std::to_string(number.denominator);
    case NumberForm::rounded:
        return fixedText(number.numerator, placesOf(number.denominator));
    case NumberForm::percent:
        return shortestText(number.numerator, placesOf(number.denominator / 100)) + "%";
    case NumberForm::ratio:
        return std::to_string(number.numerator) + ":" + std::to_string(number.denominator);
    case NumberForm::recurring:
        return recurringText(number.numerator, number.denominator);
    case NumberForm::relation:
        return number.numerator > 0 ? ">" : number.numerator < 0 ? "<" : "=";
    }
    return {};
}

const char* signText(Sign sign) {
    switch (sign) {
    case Sign::plus: return "＋";
    case Sign::minus: return "－";
    case Sign::times: return "×";
    case Sign::divide: return "÷";
    case Sign::ratio: return "∶";
    }
    return "";
}

namespace {

// A number as the question shows it: the textbook's minus and ratio signs.
std::string writtenNumber(const SkillNumber& number) {
    if (number.form == NumberForm::ratio) {
        return std::to_string(number.numerator) + signText(Sign::ratio) + std::to_string(number.denominator);
    }
    const std::string text = numberText(number);
    return text.starts_with("-") ? "－" + text.substr(1) : text;
}

bool boxedAt(const SkillQuestion& question, std::size_t index) {
    return question.box && static_cast<std::size_t>(*question.box) == index;
}

std::string termText(const SkillQuestion& question, std::size_t index) {
    if (!boxedAt(question, index)) return writtenNumber(question.terms[index]);
    return question.layout == QuestionLayout::unknown ? "x" : "□";
}

std::string splitText(const SkillQuestion& question) {
    return numberText(question.result) + "可以分成" + termText(question, 0) + "和" + termText(question, 1);
}

// In an equation 3×x is written 3x and 2×（x＋3） 2（x＋3）.
bool timesUnwritten(const SkillQuestion& question, std::size_t index) {
    if (question.layout != QuestionLayout::unknown || question.signs[index - 1] != Sign::times) return false;
    const bool opens = question.bracketFrom && static_cast<std::size_t>(*question.bracketFrom) == index;
    return boxedAt(question, index) || opens;
}

std::string leftSide(const SkillQuestion& question) {
    std::string text;
    for (std::size_t i = 0; i < question.terms.size(); ++i) {
        if (i > 0 && !timesUnwritten(question, i)) text += signText(question.signs[i - 1]);
        const bool opens = question.bracketFrom && static_cast<std::size_t>(*question.bracketFrom) == i;
        const bool closes = question.bracketFrom && static_cast<std::size_t>(*question.bracketFrom) + 1 == i;
        text += (opens ? "（" : "") + termText(question, i) + (closes ? "）" : "");
    }
    return text;
}

std::string equationText(const SkillQuestion& question) {
    std::string text = question.prompt + leftSide(question) + (question.approximate ? "≈" : "＝");
    if (question.box) text += writtenNumber(question.result);
    if (question.layout == QuestionLayout::unknown) text += "，x＝";
    return text;
}

}  // namespace

std::string questionText(const SkillQuestion& question) {
    switch (question.layout) {
    case QuestionLayout::split: return splitText(question);
    case QuestionLayout::compare:
        return question.prompt + termText(question, 0) + "○" + termText(question, 1);
    case QuestionLayout::worded: return question.prompt;
    case QuestionLayout::equation:
    case QuestionLayout::unknown: break;
    }
    return equationText(question);
}

}  // namespace tally
