#include "sheets/grader.h"

#include <array>
#include <cmath>

#include "library/word_problem_sheet.h"
#include "shell/form1.h"
#include "sheets/grade_branches.h"
#include "sheets/topic_tag.h"

namespace tally {
namespace {

using Handler = void (*)(Form1&);

struct BranchRow {
    GradeBranch branch;
    Handler handler;  // nullptr: the family has no grading of its own yet
};

// Tried in this order; for the keys of the catalogue at most one matches.
constexpr std::array<BranchRow, 11> kBranches = {{
    {GradeBranch::TimePuzzle, gradeThinkTimeOnly},
    {GradeBranch::TwentyFour, gradeTwentyFour},
    {GradeBranch::MemoryGame, gradeMemoryGame},
    {GradeBranch::WordProblems, gradeWordProblems},
    {GradeBranch::HoursAndMinutes, gradeHoursAndMinutes},
    {GradeBranch::Arithmetic, gradeArithmetic},
    {GradeBranch::Comparison, gradeComparison},
    {GradeBranch::Revealed, gradeRevealedAnswer},
    {GradeBranch::PatternAndFourOperations, gradeEachQuestion},
    {GradeBranch::Fractions, gradeFractions},
    {GradeBranch::LessonAnswers, gradeLessonAnswers},
}};

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

int keyNumber(const std::string& key) { return key.size() > 1 ? leadingNumber(key.substr(1)) : 0; }

bool isArithmeticKey(const std::string& key) {
    for (const char* prefix : {"q1", "q2", "q3", "q4"}) {
        if (startsWith(key, prefix)) return true;
    }
    // The minutes-to-hours sheets have two fields a question and a branch of their own.
    if (key == "q75" || key == "q76") return false;
    if (startsWith(key, "q7") && key != "q78" && keyNumber(key) < 7005) return true;
    // q8005 is the list of worked problems, whose pages only reveal answers.
    return startsWith(key, "q8") && key.size() == 5 && key != "q8005";
}

bool isRevealedKey(const std::string& key) {
    if (startsWith(key, "q8005") || startsWith(key, "q59")) return true;
    if (key == "q7005" || key == "q7006") return true;
    const int number = keyNumber(key);
    if (key.size() == 4 && startsWith(key, "q5") && number >= 511 && number <= 578) return true;
    return key.size() == 5 && number >= 5801 && number <= 5808;
}

}  // namespace

bool branchMatches(GradeBranch branch, const std::string& key) {
    switch (branch) {
        case GradeBranch::TimePuzzle: return key == "q78";
        case GradeBranch::TwentyFour: return startsWith(key, "q61");
        case GradeBranch::MemoryGame: return startsWith(key, "q62");
        case GradeBranch::WordProblems: return key == "q55" || key == "q56" || key == "q57";
        case GradeBranch::HoursAndMinutes: return key == "q75" || key == "q76";
        case GradeBranch::Arithmetic: return isArithmeticKey(key);
        case GradeBranch::Comparison: return startsWith(key, "q8") && key.size() == 3;
        case GradeBranch::Revealed: return isRevealedKey(key);
        case GradeBranch::PatternAndFourOperations: return startsWith(key, "q9");
        case GradeBranch::Fractions: return startsWith(key, "q50");
        case GradeBranch::LessonAnswers: return startsWith(key, "q5333") && key.size() == 10;
    }
    return false;
}

int pointsPerQuestion(int questionCount) {
    if (questionCount <= 0) return 0;
    return static_cast<int>(std::nearbyint(100.0 / questionCount));  // ties to even
}

std::string scoreLine(int score, int seconds) {
    if (score == 100) return "<br>非常不错！你的得分是100分，用时" + std::to_string(seconds) + "秒！";
    return "<br>你的得分是" + std::to_string(score) + "分，用时" + std::to_string(seconds) + "秒！";
}

std::string wrongMark(const std::string& answer) { return "(×，正确答案：" + answer + ")"; }

std::string thinkTimeLine(int seconds) {
    return "<br><br>思考用时" + std::to_string(seconds) + "秒！";
}

bool answersAllowed(Form1& form) {
    if (form.loginIsAdvanced()) return true;
    form.ui().message("提示", "你的密码不对，不能查看答案！请向高级用户咨询密码！");
    return false;
}

void runGrader(Form1& form) {
    if (!answersAllowed(form)) return;
    const std::string key = form.gradingKey();
    for (const BranchRow& row : kBranches) {
        if (row.handler && branchMatches(row.branch, key)) row.handler(form);
    }
    form.timers.setEnabled(1, false);
}

}  // namespace tally
