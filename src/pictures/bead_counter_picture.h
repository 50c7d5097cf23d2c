// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "pictures/question_picture.h"

namespace tally {

// A 计数器: rods for 百位, 十位 and 个位 with the number's beads on them.
// One the child is to set shows its beads on the answer key only.
class BeadCounterPicture : public QuestionPicture {
public:
    enum class Beads { shown, onKeyOnly };
    BeadCounterPicture(int number, Beads beads);
    std::string svg(PictureView view) const override;

private:
    int number_;
    Beads beads_;
};

// "百位上有1颗珠子，十位上没有珠子，个位上有5颗珠子": each rod's beads in words;
// within 100 the 百位 is named only when it holds one.
std::string beadWords(int number);

}  // namespace tally
