// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "skills/skill_table.h"

namespace tally {

// The way to a question's answer as the textbook writes it on the board, line
// by line. Each line keeps the numbers it states, in the order it states them,
// so that its arithmetic can be checked; what they are is said by the kind of
// steps below.
struct StepLine {
    std::string text;                // "把4分成1和3"
    std::vector<long long> numbers;  // {4, 1, 3}
    std::string note;                // words beside the line: "先算括号里面的"
};

// One row of a 竖式: a term, a partial product or the result, its digits
// ending `shift` places left of the ones column.
struct ColumnRow {
    std::string sign;  // "＋", "－" or "×" in front of the second term
    long long number = 0;
    int shift = 0;
    bool ruleAbove = false;
    // Marks written small just above this row, by place (0 the ones): a
    // carried digit above the line, or the 退位点 "·" over a digit that lent.
    std::map<int, std::string> marks;
};

// A ten-frame with counters: `inFrame` counters fill the frame, `added` more
// move into it from the other number (凑十), `crossed` of the frame's are
// taken away (破十), and `beside` lie next to it.
struct TenFrameWork {
    int inFrame = 0;
    int added = 0;
    int crossed = 0;
    int beside = 0;
};

enum class StepsKind {
    makeTen,       // 凑十: split {part, toTen, rest}; bigger＋toTen＝10; 10＋rest＝sum; the question
    breakTen,      // 破十: split {whole, 10, ones}; 10－b＝left; left＋ones＝result; the question
    column,        // 竖式: the words, a line a place (see column_steps.cpp), the question
    trialQuotient, // 试商 with a two-digit divisor (see division_steps.cpp), the question
    orderOfOps,    // 脱式: the question, then each line ＝… with its value
    reduce,        // 约分 by the greatest common factor, and step by step
};

struct QuestionSteps {
    StepsKind kind = StepsKind::column;
    std::string title;  // "凑十法"
    std::vector<StepLine> lines;
    std::optional<TenFrameWork> frame;
    std::vector<ColumnRow> column;  // empty unless a 竖式 is drawn
};

// The steps of a question of `skill` (nothing for a drill's question), built
// from its own numbers; nothing for the questions whose skill is not worked
// in steps (a fact of the tables, a comparison, a word's question).
std::optional<QuestionSteps> questionSteps(const SkillRow* skill, const SkillQuestion& question);

// A drill's question of two whole numbers as its sheet writes it ("8＋5＝",
// "6+9= （　）", "72÷8="): its terms, sign and result; nothing for any other text.
std::optional<SkillQuestion> drillQuestion(const std::string& text);

}  // namespace tally
