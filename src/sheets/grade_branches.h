#pragma once

namespace tally {

class Form1;

// The grading branches each family brings; the grader calls them by key.
void gradeThinkTimeOnly(Form1& form);
void gradeArithmetic(Form1& form);
void gradeComparison(Form1& form);
void gradeTwentyFour(Form1& form);
void gradeMemoryGame(Form1& form);

// Hours and minutes of "$75"/"$76", the divisor word problems' reveal, the
// pattern and four-operation sheets question by question, and fractions.
void gradeHoursAndMinutes(Form1& form);
void gradeRevealedAnswer(Form1& form);
void gradeEachQuestion(Form1& form);
void gradeFractions(Form1& form);
// The fixed questions of a lesson without a drill: their answers are revealed.
void gradeLessonAnswers(Form1& form);

}  // namespace tally
