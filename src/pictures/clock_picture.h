// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "pictures/question_picture.h"

namespace tally {

// A time on a clock face: hours 0…23 (the face shows them modulo 12),
// minutes and seconds 0…59.
struct ClockTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

// The value a face's hands write into its field when the child sets them,
// "8:30": the hour as the face shows it (1…12), the minutes in two digits.
std::string clockHandsValue(int hours, int minutes);

// The time as a child reads it: "8时30分", "8时" for a whole hour, and
// "8时30分15秒" with seconds.
std::string clockTimeWords(const ClockTime& time, bool withSeconds);

// The face's drawing in a 200×200 box centred on (100,100): the rim, the 60
// minute ticks, the 12 numbers, and the hands of `time` when `hands` is set.
// The hour hand carries the minutes' share and the minute hand the seconds',
// as on a real clock. Each hand is a <line class=hour|minute|second> from the
// centre.
std::string clockFaceDrawing(const ClockTime& time, bool hands, bool secondHand);

// One clock face. A face the child reads shows its hands everywhere; its
// title names the time on the key alone. A face the child sets starts at
// 12 o'clock on the screen (its hands dragged, or stepped with the keys, by
// the view), is empty on the worksheet for the child to draw, and shows the
// time asked on the key.
class ClockFacePicture : public QuestionPicture {
public:
    enum class Use { read, set };
    ClockFacePicture(ClockTime time, bool secondHand, Use use);
    std::string svg(PictureView view) const override;
    std::string fieldClass() const override { return use_ == Use::set ? kDialField : ""; }

private:
    ClockTime time_;
    bool secondHand_;
    Use use_;

    std::string title(PictureView view) const;
};

}  // namespace tally
