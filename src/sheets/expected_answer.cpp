// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/expected_answer.h"

#include <cctype>
#include <utility>

#include "sheets/number_text.h"

namespace tally {

std::string roundedAnswer(const std::string& tag) {
    return decimalPlaces(tag) > 2 ? roundDecimalText(tag, 2) : tag;
}

HoursMinutes splitHoursMinutes(const std::string& answer) {
    const std::string hourMark = "小时";
    const std::size_t h = answer.find(hourMark);
    if (h == std::string::npos) return {};
    const std::size_t from = h + hourMark.size();
    const std::size_t m = answer.find("分", from);
    return {answer.substr(0, h), answer.substr(from, m == std::string::npos ? std::string::npos : m - from)};
}

std::string workingAsWritten(std::string working) {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"*", "×"}, {"/", "÷"}}) {
        for (std::size_t at = working.find(from); at != std::string::npos; at = working.find(from, at + to.size())) {
            working.replace(at, from.size(), to);
        }
    }
    return working;
}

std::string numberPart(const std::string& answer) {
    std::size_t end = answer.starts_with('-') ? 1 : 0;
    while (end < answer.size() && (std::isdigit(static_cast<unsigned char>(answer[end])) || answer[end] == '.')) ++end;
    return answer.substr(0, end == 1 && answer.starts_with('-') ? 0 : end);
}

AnswerTag splitAnswerTag(const std::string& tag) {
    const std::size_t bar = tag.find('|');
    if (bar == std::string::npos) return {tag, tag};
    // The working ends with the answer; a unit that is itself a bar moves the
    // split to the bar after which that holds.
    for (std::size_t at = bar; at != std::string::npos; at = tag.find('|', at + 1)) {
        const std::string answer = tag.substr(0, at);
        const std::string working = tag.substr(at + 1);
        if (working.size() >= answer.size() && working.ends_with(answer)) return {answer, working};
    }
    return {tag.substr(0, bar), tag.substr(bar + 1)};
}

}  // namespace tally
