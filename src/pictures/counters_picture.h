// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "pictures/question_picture.h"

namespace tally {

// How one counter is drawn: red or blue, yellow when it moves into the frame
// beside (凑十), crossed out when it is taken away (破十).
enum class CounterLook { red, blue, moved, crossed };

// Counters side by side: in a ten-frame (two rows of five, filled row by
// row), or loose in rows of `perRow`.
struct CounterGroup {
    bool framed = false;
    std::vector<CounterLook> counters;
    int perRow = 5;
};

// Groups of counters in a row, as 分与合, 凑十 and 破十 are taught. A moved
// counter has an arrow from it to the first empty place of the first frame
// that has room and holds no counter that moves.
class CountersPicture : public QuestionPicture {
public:
    CountersPicture(std::vector<CounterGroup> groups, std::string title);
    std::string svg(PictureView view) const override;

    // `first` red counters, a gap, `second` blue ones, all in one row.
    static std::shared_ptr<const CountersPicture> split(int first, int second);
    // A frame of `inFrame` and a frame of `beside`, the first 10 − inFrame of
    // those to move across and fill the ten.
    static std::shared_ptr<const CountersPicture> makingTen(int inFrame, int beside);
    // A frame of `smaller` and a frame of `bigger`, the last 10 − bigger of
    // the smaller's to move across and fill the bigger's ten.
    static std::shared_ptr<const CountersPicture> makingTenOfBigger(int smaller, int bigger);
    // A full frame with `taken` of its ten crossed out, and `ones` beside it.
    static std::shared_ptr<const CountersPicture> breakingTen(int ones, int taken);

private:
    std::vector<CounterGroup> groups_;
    std::string title_;
};

}  // namespace tally
