#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tally {

// How the grader of a sheet reads its answer fields.
enum class AnswerStyle {
    Exact,         // the tag as it stands
    Rounded,       // the tag, rounded to two decimals when it has more
    HoursMinutes,  // hours in r<i>, minutes in answer<i>, both tagged "H小时M分"
    WordProblem,   // answer<i> tagged "answer|working"
    Mixed,         // the re-drill sheet: each field exact, time fields split as HoursMinutes
};

// The style of the sheets of a grading key (Form1::gradingKey); nothing for
// pages that are not marked field by field: games, reading pages, pages that
// only reveal their answers.
std::optional<AnswerStyle> answerStyleFor(const std::string& gradingKey);

// One answer field as the grader reads it.
struct FieldAnswer {
    std::string field;    // the element the child types into
    std::string answer;   // exactly what the grader accepts there
    std::string working;  // word problems: the worked solution, else empty
};

// An <input> of a sheet, by its name, type and tag: the answer it expects, or
// nothing when it is no field a child writes in (buttons, the hidden copy of
// the inequality form, a field of another family).
std::optional<FieldAnswer> fieldAnswer(AnswerStyle style, const std::string& name, const std::string& type,
                                       const std::string& tag);

// Every text a grading can insert right after an input with this tag
// ("(√)", "(×，正确答案：…)", "(√，正确答案：…)"), so a marked sheet can be
// printed clean again.
std::vector<std::string> marksAfterField(const std::string& tag);

}  // namespace tally
