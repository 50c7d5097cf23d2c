#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sheets/arithmetic.h"
#include "sheets/sheet.h"
#include "support/harness.h"

// Exact lines of the drill forms, driven by scripted random values.

namespace tally {
namespace {

using test::Harness;
using test::ScriptedRandom;

// The random value that makes Int(R × span) + base come out as `value`.
double pick(int value, double span, int base) { return (value - base + 0.5) / span; }

const std::string kEnd = std::string(kFinishButton) + "<br><br>";

std::string sheet(ScriptedRandom& random, Operation operation, int limit, DrillForm form,
                  int count = 1) {
    return arithmeticSheetHtml(random, operation, limit, form, count);
}

// A sum drawn without a band (limit 10): s, then t.
void scriptSum(ScriptedRandom& random, int limit, int s, int t) {
    random.push(pick(s, limit - 2, 2));
    random.push(pick(t, s - 1, 1));
}

// A banded sum: the first draw is thrown away for one from the band.
void scriptBandedSum(ScriptedRandom& random, double span, int base, int s, int t) {
    random.push(0.5);
    random.push(0.5);
    random.push(pick(s, span, base));
    random.push(pick(t, s - 1, 1));
}

void scriptFactors(ScriptedRandom& random, int limit, int s, int t) {
    random.push(pick(s, limit / 2.0 - 2, 2));
    random.push(pick(t, limit / 2.0 - 2, 2));
}

void scriptTenths(ScriptedRandom& random, int d1, int d2) {
    random.push(pick(d1, 9, 1));
    random.push(pick(d2, 9, 1));
}

std::string field(int i, const std::string& tag) { return answerField(i, tag); }

TEST(ArithForms, VerticalLinesPadTheShorterOperand) {
    ScriptedRandom seven;
    scriptBandedSum(seven, 30, 20, 22, 7);  // 7 + 15
    EXPECT_EQ(sheet(seven, Operation::Add, 50, DrillForm::Vertical),
              "第1题：<br>&nbsp;&nbsp;&nbsp;7<br>&nbsp;+15<br>---------<br>"
              " <input class=text  name=answer1 type=text size=7 tag=22><br><br>" + kEnd);

    ScriptedRandom nines;
    scriptBandedSum(nines, 500, 500, 999, 1);  // 999 - 1
    EXPECT_EQ(sheet(nines, Operation::Subtract, 1000, DrillForm::Vertical),
              "第1题：<br>&nbsp;999<br>&nbsp;&nbsp;-1<br>---------<br>"
              " <input class=text  name=answer1 type=text size=7 tag=998><br><br>" + kEnd);

    ScriptedRandom even;
    scriptBandedSum(even, 30, 20, 46, 12);  // 12 + 34
    EXPECT_EQ(sheet(even, Operation::Add, 50, DrillForm::Vertical),
              "第1题：<br>&nbsp;&nbsp;12<br>&nbsp;+34<br>---------<br>"
              " <input class=text  name=answer1 type=text size=7 tag=46><br><br>" + kEnd);
}

TEST(ArithForms, InequalityWithNoRoomAnswersZero) {
    ScriptedRandom add;
    scriptSum(add, 10, 5, 4);  // 4 + x < 5
    EXPECT_EQ(sheet(add, Operation::Add, 10, DrillForm::Inequality),
              "第1题：4+<input class=text name=Qanswer1 type=text size=7 tag=0><5"
              "<input name=answer1 type=hidden size=7 tag=0><br><br>" + kEnd);

    ScriptedRandom subtract;
    scriptSum(subtract, 10, 5, 1);  // 5 - x > 4
    EXPECT_EQ(sheet(subtract, Operation::Subtract, 10, DrillForm::Inequality),
              "第1题：5-<input class=text name=Qanswer1 type=text size=7 tag=0>>4"
              "<input name=answer1 type=hidden size=7 tag=0><br><br>" + kEnd);
}

TEST(ArithForms, DecimalLinesAreExact) {
    const struct {
        Operation operation;
        int limit, s, t, d1, d2;
        const char* line;
        const char* answer;
    } cases[] = {
        {Operation::Multiply, 81, 2, 4, 5, 4, "第1题：2.5×4.4=", "11"},
        {Operation::Multiply, 81, 2, 4, 3, 5, "第1题：2.3×4.5=", "10.35"},
        {Operation::Multiply, 81, 2, 4, 5, 2, "第1题：2.5×4.2=", "10.5"},
        {Operation::Multiply, 81, 9, 9, 9, 9, "第1题：9.9×9.9=", "98.01"},
        {Operation::Multiply, 81, 3, 2, 5, 3, "第1题：3.5×2.3=", "8.05"},
        {Operation::Add, 10, 5, 4, 2, 8, "第1题：4.8+0.4=", "5.2"},
        {Operation::Add, 10, 9, 1, 9, 1, "第1题：1.1+8.8=", "9.9"},
        {Operation::Subtract, 10, 7, 2, 3, 3, "第1题：7.3-2.3=", "5.0"},
        {Operation::Subtract, 10, 3, 2, 1, 9, "第1题：3.1-2.9=", "0.2"},
    };
    for (const auto& c : cases) {
        ScriptedRandom random;
        if (c.operation == Operation::Multiply) {
            scriptFactors(random, c.limit, c.s, c.t);
        } else {
            scriptSum(random, c.limit, c.s, c.t);
        }
        scriptTenths(random, c.d1, c.d2);
        EXPECT_EQ(sheet(random, c.operation, c.limit, DrillForm::Decimal),
                  std::string(c.line) + field(1, c.answer) + "<br><br>" + kEnd);
    }
}

TEST(ArithForms, ARepeatIsRedrawnWithoutTheBand) {
    ScriptedRandom random;
    scriptBandedSum(random, 10, 10, 15, 3);
    scriptBandedSum(random, 10, 10, 15, 3);  // the same pair again
    scriptSum(random, 20, 5, 2);
    EXPECT_EQ(sheet(random, Operation::Add, 20, DrillForm::Normal, 2),
              "第1题：3+12=" + field(1, "15") + "<br><br>" + "第2题：2+3=" + field(2, "5") +
                  "<br><br>" + kEnd);
}

TEST(ArithForms, AFailingProductIsDrawnAgainWhole) {
    const struct {
        Operation operation;
        int limit;
        std::vector<std::pair<int, int>> draws;  // the last one fits
        const char* line;
        const char* answer;
    } cases[] = {
        {Operation::Multiply, 81, {{9, 10}, {9, 9}}, "第1题：9×9=", "81"},
        {Operation::Multiply, 100, {{5, 6}, {12, 9}, {5, 12}}, "第1题：5×12=", "60"},
        {Operation::Multiply, 251, {{9, 12}, {10, 26}, {12, 12}}, "第1题：12×12=", "144"},
        {Operation::Multiply, 10000, {{9, 900}, {100, 49}, {10, 1000}}, "第1题：10×1000=", "10000"},
        {Operation::Divide, 100, {{3, 4}, {7, 8}}, "第1题：56÷8=", "7"},
        {Operation::Divide, 81, {{3, 12}, {9, 9}}, "第1题：81÷9=", "9"},
    };
    for (const auto& c : cases) {
        ScriptedRandom random;
        for (const auto& [s, t] : c.draws) scriptFactors(random, c.limit, s, t);
        EXPECT_EQ(sheet(random, c.operation, c.limit, DrillForm::Normal),
                  std::string(c.line) + field(1, c.answer) + "<br><br>" + kEnd)
            << c.line;
    }
}

// The distinct question texts of a sheet, and how many questions it has.
std::pair<std::set<std::string>, int> questionsOf(const std::string& html) {
    std::set<std::string> texts;
    int count = 0;
    for (size_t at = html.find("题："); at != std::string::npos; at = html.find("题：", at + 1)) {
        texts.insert(html.substr(at, html.find(" <input", at) - at));
        ++count;
    }
    return {texts, count};
}

// Pairs of factors from 2 to `largest` with a product in [low, high] whose
// digit counts pass the test, counted one by one.
template <typename DigitTest>
int countFactorPairs(int largest, int low, int high, DigitTest fits) {
    int count = 0;
    for (int s = 2; s <= largest; ++s) {
        for (int t = 2; t <= largest; ++t) {
            const int a = static_cast<int>(std::to_string(s).size());
            const int b = static_cast<int>(std::to_string(t).size());
            count += s * t >= low && s * t <= high && fits(a, b);
        }
    }
    return count;
}

TEST(ArithLimits, ASheetStopsWhenItsLimitRunsOutOfPairs) {
    const auto any = [](int, int) { return true; };
    const struct {
        Operation operation;
        int limit, count, expected;
    } cases[] = {
        {Operation::Add, 10, 40, 36},
        {Operation::Subtract, 10, 100, 36},
        {Operation::Add, 10, 36, 36},
        {Operation::Multiply, 81, 100, countFactorPairs(40, 1, 81, [](int a, int b) { return a * b == 1; })},
        {Operation::Divide, 81, 100, countFactorPairs(40, 1, 81, [](int a, int b) { return a * b == 1; })},
        {Operation::Multiply, 251, 500, countFactorPairs(125, 100, 251, [](int a, int b) { return a * b == 4; })},
        {Operation::Divide, 100, 500, countFactorPairs(49, 50, 100, any)},
        {Operation::Add, 2, 10, 0},
        {Operation::Subtract, 0, 10, 0},
        {Operation::Multiply, 4, 10, 0},
        {Operation::Divide, 1, 10, 0},
        {Operation::Multiply, 81, 0, 0},
    };
    for (const auto& c : cases) {
        ScriptedRandom random(7);
        const std::string html = sheet(random, c.operation, c.limit, DrillForm::Normal, c.count);
        const auto [texts, count] = questionsOf(html);
        EXPECT_EQ(count, c.expected) << c.limit;
        EXPECT_EQ(texts.size(), static_cast<size_t>(count)) << c.limit << " repeats a question";
        EXPECT_TRUE(html.ends_with(kEnd)) << c.limit;
    }
}

TEST(ArithLimits, LimitTenLowersFiftyQuestionsToTwenty) {
    Harness h;
    h.start();
    h.form->questionCount = 50;
    h.click("q21");
    EXPECT_EQ(h.form->questionCount, 20);
    EXPECT_TRUE(h.page.has("answer20"));
    EXPECT_FALSE(h.page.has("answer21"));

    h.form->questionCount = 50;
    h.click("q13");
    EXPECT_EQ(h.form->questionCount, 50);
    EXPECT_TRUE(h.page.has("answer50"));

    h.form->questionCount = 40;
    h.click("q11");
    EXPECT_EQ(h.form->questionCount, 40);
    EXPECT_TRUE(h.page.has("answer36"));
    EXPECT_FALSE(h.page.has("answer37"));
}

}  // namespace
}  // namespace tally
