// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// Where a question's picture is drawn: the page the child answers on, the
// printed worksheet, or its answer key (a clock the child sets is empty on
// the worksheet and shows the time asked on the key).
enum class PictureView { screen, worksheet, key };

// The picture of one question, kept as the numbers that draw it and written
// as an inline SVG when the page is: sized for the pane, with a <title> a
// screen reader reads, and no answer the view could read off a field.
class QuestionPicture {
public:
    virtual ~QuestionPicture() = default;
    virtual std::string svg(PictureView view) const = 0;
    // A picture the child answers on writes its answer into a hidden field
    // of this class, which the view's script for it finds (kDialField,
    // kShadeField); "" for a picture that is only read.
    virtual std::string fieldClass() const { return ""; }
};

// The hidden fields of pictures answered on: a clock face's hands ("8:30"),
// the count of parts shaded ("3").
inline constexpr const char* kDialField = "dial";
inline constexpr const char* kShadeField = "shade";

inline bool answeredOnPicture(const std::string& fieldClass) {
    return fieldClass == kDialField || fieldClass == kShadeField;
}

}  // namespace tally
