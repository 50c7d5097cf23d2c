// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <optional>
#include <string>

namespace tally {

// A question of whole numbers as a sheet writes it, read back from its text
// ("34＋5＝（　）", "78+13= （　）", a column sum's lines, a 脱式's lines
// "34＋18÷6\n＝\n＝（　）"): the answer's blank at its end, nothing else asked.
// A term is a number or a step of two terms; a step's sign is + - × ÷.
struct WrittenExpression {
    long long number = 0;
    char sign = 0;  // 0: a number; else '+', '-', '*' or '/'
    std::unique_ptr<WrittenExpression> left;
    std::unique_ptr<WrittenExpression> right;

    bool isNumber() const { return sign == 0; }
};

// Nothing for a text that is not such a question (a box inside it, a
// decimal, a fraction, a prompt, a remainder's second blank).
std::optional<WrittenExpression> readWrittenExpression(const std::string& question);

// The value of a step of two whole numbers; nothing when it is not a whole
// number of at least 0 (a difference below 0, a division with a remainder).
std::optional<long long> stepValue(long long a, char sign, long long b);

// A whole number typed as digits alone; nothing for anything else.
std::optional<long long> typedWholeNumber(const std::string& typed);

}  // namespace tally
