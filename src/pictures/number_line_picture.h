// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "pictures/question_picture.h"

namespace tally {

// A number line: ticks `first`…`last`, tick i standing for i × step /
// denominator (tenths: step 1, denominator 10). A tick whose index is a
// multiple of `labelEvery` is longer and has its number under it.
struct LineScale {
    int first = 0;
    int last = 20;
    int step = 1;
    int denominator = 1;
    int labelEvery = 1;
};

// A jump drawn as an arc over the line from one tick to another, its head at
// the end.
struct LineJump {
    int from = 0;
    int to = 0;
};

// A point on a tick, shown as a dot with its letter above.
struct LinePoint {
    int at = 0;
    std::string name;
};

// What stands on the line: the jumps of an addition or subtraction, an
// arrow pointing down at a tick, named points. The line carries no number but
// its labels, so what the question asks is read off the ticks.
struct LineMarks {
    std::vector<LineJump> jumps;
    std::vector<int> arrows;
    std::vector<LinePoint> points;
};

class NumberLinePicture : public QuestionPicture {
public:
    NumberLinePicture(LineScale scale, LineMarks marks, std::string description);
    std::string svg(PictureView view) const override;

private:
    LineScale scale_;
    LineMarks marks_;
    std::string description_;  // what a screen reader says of the marks

    int spacing() const;
    int x(int tick) const;
    std::string labelText(int tick) const;
    std::string ticks() const;
    std::string jumps() const;
    std::string arrows() const;
    std::string points() const;
};

}  // namespace tally
