// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "page/page.h"
#include "progress/record_values.h"

namespace tally {

// How many fields prefix1, prefix2, ... the page holds without a gap, at most
// `most`. Counting them on the page keeps the marking right when the question
// count was changed after the sheet was written.
int fieldsOnPage(const Page& page, const std::string& prefix, int most = 1000);
// What was typed into a field, folded from full width.
std::string typedValue(const Page& page, const std::string& field);

// Marks answer1, answer2, ... of a drill page and writes the score line after
// the finish button. The pupil's text is read from Qanswer<i> where the sheet
// has one (the inequality form), else from answer<i>; it must be the tag of
// answer<i> or one of its other written forms (writtenAnswerRight). The page
// is graded on the questions it has, at most questionCount of them. Returns what it marked.
MarkedSheet gradeArithmeticPage(Page& page, int questionCount, int thinkSeconds);

// Writes a field's mark right after it (markHtml); a wrong answer's box is
// outlined too.
void writeFieldMark(Page& page, const std::string& field, bool right, const std::string& answer,
                    const std::string& hint = "", ErrorKind kind = ErrorKind::None);

// Keeps the marking's word on one answer for its time: the boxes it is typed
// in (the first names it), its question, what was typed as the marking read
// it, and on a sheet mixed from many topics the question's own topic.
void noteAnswer(Page& page, std::vector<std::string> fields, const std::string& question, bool right,
                const std::string& typed, const std::string& topicKey = "");

// Compares the typed text, folded from full width, with the field's tag and
// its other written forms, writes the mark after the field and counts it; a
// miss keeps the kind of its error (classifyMiss), written in its mark.
// `typedIn` is the box the child typed into, when that is not the field.
void markOneField(Page& page, const std::string& field, const std::string& typed, const std::string& question,
                  MarkedSheet& marks, const std::string& typedIn = "");

// The score of `right` correct answers on a sheet of `questions` questions,
// for a QuestionCount of questionCount: the share of right answers out of
// 100, rounded; never above 100.
int arithmeticScore(int right, int questions, int questionCount);

// Marks answer1, answer2, ... of a sheet of whatever length (number patterns,
// four operations) against their rounded tags and the other written forms
// of those, scored on its own questions.
MarkedSheet markEachQuestion(Page& page, int thinkSeconds);

}  // namespace tally
