#pragma once
#include <string>

#include "sheets/sheet.h"

namespace tally {

class Form1;

// A lesson of 同步教学, as its file data/lessons/<grade>/<NNN>.txt holds it:
//   练习=<drill key, or nothing>
//   <HTML: key points, worked examples, and without a drill a few questions>
//   答案=<HTML: the answers of those questions, to the end of the file>
struct Lesson {
    std::string practiceKey;
    std::string html;
    std::string answersHtml;
};

// Reads a lesson's text (UTF-8, CR LF or LF). A text without the "练习="
// line is all lesson and no drill.
Lesson parseLesson(const std::string& text);

// The 同步教学 topics: the root 5333, the grades 533302…533307 and their
// lessons 5333GGNNN (GG = grade + 1, NNN the line of the grade's list).
bool isLessonTopic(int topic);
// "lessons/<grade>/<NNN>.txt" for a lesson, "" for the root and the grades.
std::string lessonFilePath(int topic);

// A 同步教学 node: the introduction (root, grades) or the lesson page. With a
// drill the page ends in that drill's own sheet and the drill's key becomes
// the grading key; the clock drill gets a button that shows the clock; a
// lesson without a drill ends in the "查看答案" button of its answers.
void buildLessonPage(Form1& form, int topic, const std::string& caption, Sheet& sheet);

// A click on a lesson page's element other than the finish button.
void onLessonPageClick(Form1& form, const std::string& elementName);

}  // namespace tally
