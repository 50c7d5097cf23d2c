// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "base/drill_form.h"
#include "page/page.h"
#include "progress/record_values.h"
#include "skills/skill_table.h"

namespace tally {

// One question of a 口算 sheet and the skill it comes from.
struct SkillSheetItem {
    const SkillRow* skill = nullptr;
    SkillQuestion question;
};

// The page of a 口算 sheet, one question a line, then the finish button:
//   横式   3＋4＝[ ]; the □ of a question that has one is the field itself,
//          so is the ○ of a comparison (－3[ ]2); an equation ends "，x＝[ ]",
//          an approximation "≈[ ]"; a worded question is its prompt
//   竖式   two whole terms ＋－× in columns, when the drill form is 竖式
//   脱式   a question of 混合运算 a step at a time, the result in the last line
//   两个框 a worded question with two boxes: [8]时[30]分, the second in b<i>
//   图上   a question answered on its picture: the field hidden, of the
//          picture's class, written by the picture's script
//   余数   17÷5＝[ ]……[ ], the quotient in answer<i>, the remainder in r<i>;
//          only a division that leaves one has the r<i> field
//   分数   fractions one over the other, the value of a ratio too; a fraction
//          or whole answer in answerup<i> and answerdown<i>, a percent or a
//          ratio in answer<i>
// A question with a picture has it drawn above its line.
// Every field is tagged with its answer as the marking accepts it.
std::string skillSheetHtml(const std::vector<SkillSheetItem>& items, DrillForm form);

// Marks a 口算 sheet in place: each question right only when all its fields
// are; writes the marks and the score line, and keeps every miss with its
// text. A miss with a remainder cannot be asked again as one field, nor a
// shape to shade, so they are kept as not askable; a miss of two boxes or of
// a clock to set is kept as hours and minutes, asked again in two boxes or on
// a face.
MarkedSheet markSkillSheet(Page& page, int questionCount, int thinkSeconds);

}  // namespace tally
