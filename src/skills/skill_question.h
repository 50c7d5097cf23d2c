// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tally {

// How a number is written: 12, 3.5 (kept in tenths) or 3/8.
enum class NumberForm { whole, tenths, fraction };

// An exact number: numerator / denominator (1 for a whole number, 10 for
// tenths), written in its form.
struct SkillNumber {
    int numerator = 0;
    int denominator = 1;
    NumberForm form = NumberForm::whole;
    bool operator==(const SkillNumber&) const = default;
};

SkillNumber wholeNumber(int value);
SkillNumber tenthsNumber(int tenths);
SkillNumber fractionNumber(int numerator, int denominator);

enum class Sign { plus, minus, times, divide };

// How the question reads: an equation ("3＋4＝") or the split of a number
// ("8可以分成3和□", the terms being the two parts and the result the whole).
enum class QuestionLayout { equation, split };

// One question of a skill. The child finds the result, or, when `box` is set,
// the term at that index, written as □ with the result shown after ＝.
struct SkillQuestion {
    std::vector<SkillNumber> terms;
    std::vector<Sign> signs;                // signs[i] stands between terms i and i+1
    std::optional<int> bracketFrom;         // （ terms[i] sign terms[i+1] ）
    std::optional<int> box;
    SkillNumber result;
    std::optional<int> remainder;           // of a division with a remainder
    QuestionLayout layout = QuestionLayout::equation;
    std::string text;

    // What the child writes: the boxed term, or the result.
    SkillNumber answer() const { return box ? terms[static_cast<std::size_t>(*box)] : result; }
};

// The question's text with the textbook's signs: ＋－×÷＝ and full-width （）.
std::string questionText(const SkillQuestion& question);

// A number as the question writes it: 12, 3.5, 4 (for 4.0), 3/8.
std::string numberText(const SkillNumber& number);

}  // namespace tally
