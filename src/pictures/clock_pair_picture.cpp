// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/clock_pair_picture.h"

namespace tally {
namespace {

// One face in its half, its word under it.
std::string face(const ClockTime& time, int left, const char* word) {
    return "<g class=face transform=\"translate(" + std::to_string(left) + " 0)\">" +
           clockFaceDrawing(time, true, false) + "<text x=100 y=222 font-size=16 text-anchor=middle fill=#000>" +
           word + "</text></g>";
}

}  // namespace

ClockPairPicture::ClockPairPicture(ClockTime start, ClockTime end) : start_(start), end_(end) {}

std::string ClockPairPicture::svg(PictureView view) const {
    const std::string title = view == PictureView::key ? "两个钟面：开始是" + clockTimeWords(start_, false) +
                                                             "，结束是" + clockTimeWords(end_, false)
                                                       : "两个钟面：开始和结束，各有时针和分针";
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" class=clock viewBox=\"0 0 420 230\" width=336 height=184 "
           "role=img><title>" +
           title + "</title>" + face(start_, 0, "开始") + face(end_, 220, "结束") + "</svg>";
}

}  // namespace tally
