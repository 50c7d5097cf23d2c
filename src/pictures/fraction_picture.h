// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "pictures/question_picture.h"

namespace tally {

// A shape divided into equal parts, the first `shaded` of them shaded: a
// bar (a rectangle in strips) or a circle (in sectors from the top,
// clockwise).
struct FractionShape {
    enum class Kind { bar, circle };
    Kind kind = Kind::bar;
    int parts = 2;
    int shaded = 1;
};

// How the shapes stand: one alone; a row numbered ①②③ to choose from; bars
// of one length one above the other, to compare their shaded lengths.
enum class FractionLayout { single, numbered, stacked };

class FractionPicture : public QuestionPicture {
public:
    FractionPicture(std::vector<FractionShape> shapes, FractionLayout layout);
    std::string svg(PictureView view) const override;

private:
    std::vector<FractionShape> shapes_;
    FractionLayout layout_;

    std::string single() const;
    std::string numbered() const;
    std::string stacked() const;
};

// "长方形" or "圆", as the questions and the picture's words name a shape.
const char* shapeName(FractionShape::Kind kind);

}  // namespace tally
