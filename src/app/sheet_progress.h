// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "page/page.h"
#include "topics/topic_family.h"

namespace tally {

// How far a child is with a sheet marked field by field: its questions, those
// with every field filled in, and whether anything was typed at all.
struct SheetProgress {
    int questions = 0;
    int answered = 0;
    bool anyTyped = false;

    int unanswered() const { return questions - answered; }
};

// A question's fields share its number (r3 and answer3, answerup3 and
// answerdown3); a field without a number is a question of its own.
SheetProgress sheetProgress(const Page& page, AnswerStyle style);

// The same count for a page counted again and again (on every key typed):
// the answer fields are read from the whole sheet once per body written.
class SheetProgressCounter {
public:
    SheetProgress count(const Page& page, AnswerStyle style);

private:
    int generation_ = -1;
    AnswerStyle style_{};
    std::vector<std::string> fields_;
};

// "已做7/20", shown beside the finish button while a sheet is answered, in
// the element of this name.
std::string progressText(const SheetProgress& progress);
inline constexpr const char* kProgressName = "answered";

}  // namespace tally
