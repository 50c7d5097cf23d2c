// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "pictures/clock_picture.h"

namespace tally {

// Two clock faces side by side, 开始 and 结束, for the time that passed
// between them. The key's title names both times.
class ClockPairPicture : public QuestionPicture {
public:
    ClockPairPicture(ClockTime start, ClockTime end);
    std::string svg(PictureView view) const override;

private:
    ClockTime start_;
    ClockTime end_;
};

}  // namespace tally
