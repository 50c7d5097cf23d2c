#pragma once
#include "page/page.h"
#include "progress/sheet_marks.h"

namespace tally {

// Marks answer1, answer2, ... of a drill page and writes the score line after
// the finish button. The pupil's text is read from Qanswer<i> where the sheet
// has one (the inequality form), else from answer<i>; it must equal the tag
// of answer<i> exactly. The page is graded on the questions it has, at most
// questionCount of them. Returns what it marked.
SheetMarks gradeArithmeticPage(Page& page, int questionCount, int thinkSeconds);

// The score of `right` correct answers on a sheet of `questions` questions,
// for a QuestionCount of questionCount.
int arithmeticScore(int right, int questions, int questionCount);

}  // namespace tally
