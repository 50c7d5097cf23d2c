// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "pictures/question_picture.h"

namespace tally {

// 小棒: the number's tens as bundles of ten sticks tied in the middle, its
// ones as single sticks beside them.
class SticksPicture : public QuestionPicture {
public:
    explicit SticksPicture(int number);
    std::string svg(PictureView view) const override;

private:
    int number_;
};

}  // namespace tally
