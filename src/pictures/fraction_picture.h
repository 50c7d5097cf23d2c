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

// Shapes read as drawn, or one shape the child shades (涂一涂): its parts
// plain on the screen, each taking a click or Space/Enter and the arrow keys
// (the view's script writes how many are shaded into the field of class
// kShadeField), plain on the worksheet, and the `shaded` parts asked shaded
// on the key.
enum class FractionUse { read, shade };

class FractionPicture : public QuestionPicture {
public:
    FractionPicture(std::vector<FractionShape> shapes, FractionLayout layout, FractionUse use = FractionUse::read);
    std::string svg(PictureView view) const override;
    std::string fieldClass() const override { return use_ == FractionUse::shade ? kShadeField : ""; }

private:
    std::vector<FractionShape> shapes_;
    FractionLayout layout_;
    FractionUse use_;

    std::string toShade(PictureView view) const;
    std::string single() const;
    std::string numbered() const;
    std::string stacked() const;
};

// "长方形" or "圆", as the questions and the picture's words name a shape.
const char* shapeName(FractionShape::Kind kind);

}  // namespace tally
