// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pictures/question_picture.h"

namespace tally {

// How a number is written. An exact value numerator / denominator, in one of
// these forms:
enum class NumberForm {
    whole,      // 12, -3
    tenths,     // 3.5, kept in tenths (denominator 10)
    fraction,   // 3/8
    decimal,    // 3.25, 0.07: the denominator a power of ten, written shortest
    rounded,    // 3.30: an approximation, every place of the denominator written
    percent,    // 25%, 12.5%
    ratio,      // 3:4, the numerator and the denominator as the two terms
    recurring,  // 0.1(6): the repeating digits in brackets
    relation,   // >, < or =: the sign of the numerator
};

struct SkillNumber {
    int numerator = 0;
    int denominator = 1;
    NumberForm form = NumberForm::whole;
    bool operator==(const SkillNumber&) const = default;
};

SkillNumber wholeNumber(int value);
SkillNumber tenthsNumber(int tenths);
SkillNumber fractionNumber(int numerator, int denominator);
// `scaled` in units of 10^-places.
SkillNumber decimalNumber(int scaled, int places);
SkillNumber roundedNumber(int scaled, int places);
// `scaled` × 10^-places per cent: 25 is 25%, 125 with places 1 is 12.5%.
SkillNumber percentNumber(int scaled, int places);
SkillNumber ratioNumber(int first, int second);
SkillNumber recurringNumber(int numerator, int denominator);
// Greater (1), less (-1) or equal (0).
SkillNumber relationNumber(int order);

enum class Sign { plus, minus, times, divide, ratio };

// How the question reads:
enum class QuestionLayout {
    equation,  // "3＋4＝", "□＋5＝8"
    split,     // "8可以分成3和□": the terms are the parts, the result the whole
    unknown,   // "3x＋5＝20，x＝": the boxed term is written x, the result after ＝
    compare,   // "－3○2": the two terms, the answer their relation
    worded,    // the prompt is the whole question, its □ the result; with a
               // second box ("□时□分", "□元□角") its second □ is `secondBox`
};

// One question of a skill. The child finds the result, or, when `box` is set,
// the term at that index, written as □ (x in an equation) with the result
// shown after ＝.
struct SkillQuestion {
    std::vector<SkillNumber> terms;
    std::vector<Sign> signs;                // signs[i] stands between terms i and i+1
    std::optional<int> bracketFrom;         // （ terms[i] sign terms[i+1] ）
    std::optional<int> box;
    SkillNumber result;
    std::optional<int> remainder;           // of a division with a remainder
    QuestionLayout layout = QuestionLayout::equation;
    std::string prompt;                     // written before the question: "保留两位小数："
    bool approximate = false;               // ≈ in place of ＝
    std::string text;
    std::optional<int> secondBox;                   // a worded question's second □
    std::shared_ptr<const QuestionPicture> picture; // drawn above the question
    // A question answered on its picture (the hands of a clock set to the time
    // asked, the parts of a shape shaded): the value the picture writes into
    // the question's field, "8:30", "3".
    std::string setOnPicture;

    // What the child writes: the boxed term, or the result.
    SkillNumber answer() const { return box ? terms[static_cast<std::size_t>(*box)] : result; }
};

// The question's text with the textbook's signs: ＋－×÷＝≈∶ and full-width （）.
std::string questionText(const SkillQuestion& question);
// A sign as the textbook prints it: ＋ － × ÷ ∶.
const char* signText(Sign sign);

// A number as the answer's key writes it: 12, 3.5, 4 (for 4.0), 3/8, 3.30,
// 25%, 3:4, 0.1(6), >, -3. A child's typing folded from full width matches it.
std::string numberText(const SkillNumber& number);

}  // namespace tally
