#pragma once
#include <string>

namespace tally {

class Form1;

// The branches of the sheet grader, in the order they are tried.
enum class GradeBranch {
    TimePuzzle,
    TwentyFour,
    MemoryGame,
    WordProblems,
    HoursAndMinutes,
    Arithmetic,
    Comparison,
    Revealed,
    PatternAndFourOperations,
    Fractions,
    LessonAnswers,
};

// Whether a branch grades the sheet of this grading key (Form1::gradingKey).
bool branchMatches(GradeBranch branch, const std::string& key);

// The login check every grading and reveal starts with: false, after telling
// the child so, unless the advanced user's password was given at login.
bool answersAllowed(Form1& form);

// bInput_onclick: the login check, every matching branch, then the think-time
// timer stops.
void runGrader(Form1& form);

// 100 / QuestionCount rounded to the nearest whole number, a half to the even one.
int pointsPerQuestion(int questionCount);

// The marks written after a field: "(√)", and "(×，正确答案：A)".
inline constexpr const char* kRightMark = "(√)";
std::string wrongMark(const std::string& answer);

// "<br>非常不错！你的得分是100分，用时N秒！" or "<br>你的得分是S分，用时N秒！"
std::string scoreLine(int score, int seconds);
// "<br><br>思考用时N秒！"
std::string thinkTimeLine(int seconds);

}  // namespace tally
