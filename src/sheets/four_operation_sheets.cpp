#include <cmath>
#include <optional>
#include <string>

#include "shell/form1.h"
#include "shell/gbk.h"
#include "sheets/expression.h"
#include "sheets/families.h"
#include "sheets/number_text.h"

namespace tally {
namespace {

using std::to_string;

constexpr int kQuestions = 10;

// Operands Int(R × span) + base: 2..21, 20..69, 50..149.
struct OperandRange {
    double span;
    int base;
};
constexpr OperandRange kSimple{20, 2};
constexpr OperandRange kMedium{50, 20};
constexpr OperandRange kHard{100, 50};

struct FourOperationTopic {
    OperandRange range;
    bool divisionSet;
    bool wholeResult;
};

std::optional<FourOperationTopic> fourOperationTopic(int topic) {
    switch (topic) {
        case 9002: return FourOperationTopic{kSimple, false, false};
        case 9003: return FourOperationTopic{kMedium, false, false};
        case 9004: return FourOperationTopic{kHard, false, false};
        case 9005: return FourOperationTopic{kSimple, true, true};
        case 9006: return FourOperationTopic{kMedium, true, true};
        case 9007: return FourOperationTopic{kHard, true, true};
        case 9008: return FourOperationTopic{kSimple, true, false};
        case 9009: return FourOperationTopic{kMedium, true, false};
        case 9001: return FourOperationTopic{kHard, true, false};
        default: return std::nullopt;
    }
}

struct Operands {
    int a, b, c, d;
};

// The expression of question i (two questions per template), or nothing when
// the drawn numbers do not meet the template's condition.
std::optional<std::string> divisionExpression(int question, const Operands& n) {
    const auto [a, b, c, d] = n;
    switch ((question - 1) / 2) {
        case 0:
            if (a <= b || c <= d) return std::nullopt;
            return "(" + to_string(a) + "-" + to_string(b) + ")/(" + to_string(c) + "-" + to_string(d) + ")";
        case 1:
            if (c <= d) return std::nullopt;
            return "(" + to_string(a) + "+" + to_string(b) + ")/(" + to_string(c) + "-" + to_string(d) + ")";
        case 2:  // equals a ÷ d
            return "(" + to_string(a + b * c) + "-" + to_string(b) + "*" + to_string(c) + ")/" + to_string(d);
        case 3:
            if (c * d == 0) return std::nullopt;
            return "(" + to_string(a) + "*" + to_string(b) + ")/(" + to_string(c) + "*" + to_string(d) + ")";
        default:
            if (d == 0) return std::nullopt;
            return "(" + to_string(a) + "+" + to_string(b) + "*" + to_string(c) + ")/" + to_string(d);
    }
}

std::optional<std::string> productExpression(int question, const Operands& n) {
    const auto [a, b, c, d] = n;
    switch ((question - 1) / 2) {
        case 0:
            if (a * b - c * d < 0) return std::nullopt;
            return to_string(a) + "*" + to_string(b) + "-" + to_string(c) + "*" + to_string(d);
        case 1: return to_string(a) + "*" + to_string(b) + "+" + to_string(c) + "*" + to_string(d);
        case 2:
            if (a <= b || c <= d) return std::nullopt;
            return "(" + to_string(a) + "-" + to_string(b) + ")*(" + to_string(c) + "-" + to_string(d) + ")";
        case 3:
            if (c < d) return std::nullopt;
            return "(" + to_string(a) + "+" + to_string(b) + ")*(" + to_string(c) + "-" + to_string(d) + ")";
        default:
            return "(" + to_string(a) + "+" + to_string(b) + ")*(" + to_string(c) + "+" + to_string(d) + ")";
    }
}

struct Question {
    std::string shown;
    std::string answer;
};

// One attempt at question i; nothing when it must be drawn again.
std::optional<Question> tryQuestion(Form1& form, const FourOperationTopic& topic, int question,
                                    const std::string& history) {
    const OperandRange r = topic.range;
    const Operands n{form.draw(r.span, r.base), form.draw(r.span, r.base), form.draw(r.span, r.base),
                     form.draw(r.span, r.base)};
    const auto expression = topic.divisionSet ? divisionExpression(question, n) : productExpression(question, n);
    if (!expression) return std::nullopt;
    std::string shown = replaceAll(*expression, "*", "×");
    if (topic.divisionSet) shown = replaceAll(shown, "/", "÷");

    const auto value = evaluateExpression(*expression);
    if (!value) return std::nullopt;
    if (topic.wholeResult && std::trunc(*value) != *value) return std::nullopt;
    // Also refuses a text that is part of an earlier, longer one.
    if (topic.divisionSet && history.find(shown) != std::string::npos) return std::nullopt;
    return Question{shown, numberText(*value)};
}

}  // namespace

// Ten expressions over four drawn numbers. Every template has thousands of
// acceptable texts and the history holds at most nine, so a redraw always
// finds a new question.
void buildFourOperationSheet(Form1& form, int topicNumber, Sheet& sheet) {
    const auto topic = fourOperationTopic(topicNumber);
    if (!topic) return;
    std::string history;
    for (int i = 1; i <= kQuestions; ++i) {
        std::optional<Question> question;
        do {
            question = tryQuestion(form, *topic, i, history);
        } while (!question);
        if (topic->divisionSet) history += question->shown;
        sheet.html += questionHead(i) + question->shown + "= " + answerField(i, question->answer) + "<br><br>";
    }
    sheet.html += std::string(kFinishButton) + "<br><br>";
}

}  // namespace tally
