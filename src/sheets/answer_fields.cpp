// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/answer_fields.h"

#include <array>
#include <cctype>
#include <regex>

#include "sheets/expected_answer.h"
#include "sheets/mark_texts.h"

namespace tally {
namespace {

// The fields of the marked families: a prefix and the question number.
// Second: the second box of a worded question ("□时□分").
enum class FieldKind { Answer, Visible, Hours, Numerator, Denominator, Comparison, Second };

struct FieldPrefix {
    const char* prefix;
    FieldKind kind;
};

// Longer prefixes first: "answerup1" is not "answer" followed by a number.
constexpr std::array<FieldPrefix, 6> kPrefixes = {{
    {"answerdown", FieldKind::Denominator},
    {"answerup", FieldKind::Numerator},
    {"Qanswer", FieldKind::Visible},
    {"answer", FieldKind::Answer},
    {"r", FieldKind::Hours},
    {"b", FieldKind::Second},
}};

bool isNumber(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

std::optional<FieldKind> kindOf(const std::string& name) {
    if (name == "bj") return FieldKind::Comparison;
    for (const FieldPrefix& row : kPrefixes) {
        const std::string prefix = row.prefix;
        if (name.starts_with(prefix)) {
            if (isNumber(name.substr(prefix.size()))) return row.kind;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

FieldAnswer plain(const std::string& name, std::string answer) { return {name, std::move(answer), ""}; }

}  // namespace

std::optional<FieldAnswer> fieldAnswer(AnswerStyle style, const std::string& name, const std::string& type,
                                       const std::string& tag) {
    if (type != "text" && !type.empty()) return std::nullopt;
    const auto kind = kindOf(name);
    if (!kind) return std::nullopt;
    switch (style) {
        case AnswerStyle::Exact: return plain(name, tag);
        case AnswerStyle::Rounded: return plain(name, roundedAnswer(tag));
        case AnswerStyle::HoursMinutes: {
            const HoursMinutes split = splitHoursMinutes(tag);
            return plain(name, *kind == FieldKind::Hours ? split.hours : split.minutes);
        }
        case AnswerStyle::Mixed: {
            // The re-drill tags both fields of a time question "H小时M分"; a
            // field of any other question holds its answer as it stands.
            static const std::regex time(R"(\d+小时\d+分)");
            if (!std::regex_match(tag, time)) return plain(name, tag);
            const HoursMinutes split = splitHoursMinutes(tag);
            return plain(name, *kind == FieldKind::Hours ? split.hours : split.minutes);
        }
        case AnswerStyle::WordProblem: {
            const AnswerTag split = splitAnswerTag(tag);
            return FieldAnswer{name, split.answer, split.working};
        }
    }
    return std::nullopt;
}

}  // namespace tally
