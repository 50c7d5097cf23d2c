// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/two_box_answer.h"

#include <algorithm>
#include <string_view>

#include "progress/record_values.h"

namespace tally {
namespace {

std::string withoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

// The unit after the second box runs to the end of its clause.
std::string unitAfter(const std::string& rest) {
    std::size_t end = rest.size();
    for (const std::string_view stop : {"，", "。", "？", "；"}) end = std::min(end, rest.find(stop));
    return withoutBlanks(rest.substr(0, end));
}

}  // namespace

std::optional<TwoBoxAnswer> twoBoxUnits(const std::string& question) {
    for (const std::string blank : {std::string(kAnswerBlank), std::string("□")}) {
        const std::size_t first = question.find(blank);
        const std::size_t second = first == std::string::npos ? first : question.find(blank, first + blank.size());
        if (second == std::string::npos) continue;
        TwoBoxAnswer units;
        units.between = withoutBlanks(question.substr(first + blank.size(), second - first - blank.size()));
        units.after = unitAfter(question.substr(second + blank.size()));
        return units;
    }
    return std::nullopt;
}

std::optional<TwoBoxAnswer> twoBoxAnswer(const std::string& question, const std::string& answer) {
    std::optional<TwoBoxAnswer> split = twoBoxUnits(question);
    if (!split || split->between.empty()) return std::nullopt;
    const std::size_t unit = answer.find(split->between);
    if (unit == 0 || unit == std::string::npos || !answer.ends_with(split->after)) return std::nullopt;
    split->first = answer.substr(0, unit);
    const std::size_t from = unit + split->between.size();
    if (from + split->after.size() >= answer.size()) return std::nullopt;
    split->second = answer.substr(from, answer.size() - split->after.size() - from);
    return split;
}

}  // namespace tally
