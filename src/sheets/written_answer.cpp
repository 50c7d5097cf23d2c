// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/written_answer.h"

#include <optional>
#include <regex>

#include "sheets/expected_answer.h"

namespace tally {
namespace {

// A plain decimal in its shortest form ("28.50" → "28.5", "3.00" → "3",
// "-0.0" → "0"); nothing for any other text.
std::optional<std::string> shortestDecimal(const std::string& text) {
    static const std::regex plain(R"(-?(0|[1-9][0-9]*)(\.[0-9]+)?)");
    if (!std::regex_match(text, plain)) return std::nullopt;
    std::string shortest = text;
    if (shortest.find('.') != std::string::npos) {
        while (shortest.back() == '0') shortest.pop_back();
        if (shortest.back() == '.') shortest.pop_back();
    }
    return shortest == "-0" ? "0" : shortest;
}

std::string trimmedBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The unit as written after the number: blanks around it and one pair of
// brackets taken off.
std::string writtenUnit(const std::string& afterNumber) {
    const std::string unit = trimmedBlanks(afterNumber);
    if (unit.size() >= 2 && unit.front() == '(' && unit.back() == ')') {
        return trimmedBlanks(unit.substr(1, unit.size() - 2));
    }
    return unit;
}

bool sameNumberAndUnit(const std::string& typed, const std::string& key) {
    const std::string keyNumber = numberPart(key);
    const std::string typedNumber = numberPart(typed);
    if (keyNumber.empty() || keyNumber.size() == key.size() || typedNumber.empty()) return false;
    return sameDecimalValue(typedNumber, keyNumber) &&
           writtenUnit(typed.substr(typedNumber.size())) == key.substr(keyNumber.size());
}

}  // namespace

bool sameDecimalValue(const std::string& typed, const std::string& key) {
    const auto typedValue = shortestDecimal(typed);
    return typedValue && typedValue == shortestDecimal(key);
}

bool writtenAnswerRight(const std::string& typed, const std::string& key) {
    return typed == key || sameDecimalValue(typed, key) || sameNumberAndUnit(typed, key);
}

std::string keyAsTaught(const std::string& key) {
    if (key.ends_with(".0") && shortestDecimal(key)) return *shortestDecimal(key);
    if (key.ends_with("/1") && shortestDecimal(key.substr(0, key.size() - 2))) return key.substr(0, key.size() - 2);
    return key;
}

FractionKey fractionKeyOf(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) return {text, ""};
    const std::string denominator = text.substr(slash + 1);
    return {text.substr(0, slash), denominator == "1" ? "" : denominator};
}

std::string fractionKeyText(const FractionKey& key) {
    return key.denominator.empty() ? key.numerator : key.numerator + "/" + key.denominator;
}

bool fractionAnswerRight(const std::string& numerator, const std::string& denominator, const FractionKey& key) {
    if (numerator != key.numerator) return false;
    return key.denominator.empty() ? denominator.empty() || denominator == "1" : denominator == key.denominator;
}

}  // namespace tally
