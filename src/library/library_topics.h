#pragma once
#include <string>

#include "sheets/sheet.h"

namespace tally {

class Form1;

// The reading library's topics of the "{" family: 基础知识 (600), the
// knowledge topics 6002 ... 6012 and their items (seven digits), the worked
// divisor problems 8005 and their entries (8005001 ...).
bool isLibraryNumberedTopic(int topic);
void buildLibraryNumbered(Form1& form, int topic, Sheet& sheet);

// The "?" family: word-problem sheets, brain-teasers, geometry questions,
// intelligence exercises, the standard intelligence test and the section pages.
void buildQuestionFamily(Form1& form, int topic, Sheet& sheet);

// The grader's reveal of a worked problem (q8005 + three digits), an
// intelligence exercise (q59 + three digits) or a puzzle (q511 ... q578,
// q5801 ... q5808); other keys reveal nothing.
void revealLibraryAnswer(Form1& form);

// The standard intelligence test (q52) is not connected to the grader: its
// button has a name of its own and reveals all twenty answers at once.
inline constexpr const char* kIntelligenceTestButton = "iqanswers";
void revealIntelligenceTest(Form1& form);

}  // namespace tally
