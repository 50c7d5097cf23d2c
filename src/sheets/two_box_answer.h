// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace tally {

// The answer of a question asked in two boxes, split at the words that follow
// each box in the question's text: "709分＝（　）小时（　）分" and "11小时49分"
// are 11, "小时", 49, "分"; "……是（　）时（　）分。" and "8时30分" are 8, "时",
// 30, "分"; so are 元 and 角, 分 and 秒.
struct TwoBoxAnswer {
    std::string first;
    std::string between;
    std::string second;
    std::string after;

    std::string joined(const std::string& a, const std::string& b) const { return a + between + b + after; }
};

// The words after each box (`first` and `second` empty); nothing when the
// text has not two blanks (kAnswerBlank, or □ as a question is drawn).
std::optional<TwoBoxAnswer> twoBoxUnits(const std::string& question);
// Nothing when the text has not two blanks or the answer does not read so.
std::optional<TwoBoxAnswer> twoBoxAnswer(const std::string& question, const std::string& answer);

}  // namespace tally
