#pragma once

namespace tally {

class Form1;

// The grading branches each family brings; the grader calls them by key.
void gradeThinkTimeOnly(Form1& form);
void gradeArithmetic(Form1& form);
void gradeComparison(Form1& form);
void gradeTwentyFour(Form1& form);
void gradeMemoryGame(Form1& form);

}  // namespace tally
