// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "sheets/expression.h"
#include "skills/exact_reading.h"
#include "sheets/number_text.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

struct Shown { std::string text, tag; };

std::vector<Shown> build(Harness& h, int topic) {
    const Sheet sheet = h.build(h.form->families().fourOperations, "{" + std::to_string(topic));
    const std::regex line(R"(第(\d+)题：([^=]*)=  <input class=text name=answer(\d+) type=text size=7 tag=([^>]*)>)"
                          R"(<br><br>)");
    std::vector<Shown> questions;
    for (std::sregex_iterator it(sheet.html.begin(), sheet.html.end(), line), end; it != end; ++it) {
        EXPECT_TRUE(std::stoul((*it)[1]) == questions.size() + 1 && (*it)[3] == (*it)[1]) << (*it)[0];
        questions.push_back({(*it)[2], (*it)[4]});
    }
    EXPECT_EQ(questions.size(), 10u);
    return questions;
}

// The shapes of the ten questions, two per shape; their exact values are
// read from the text by the draw tests' own arithmetic.
constexpr const char* kDivisionShapes[] = {"(n-n)÷(n-n)", "(n+n)÷(n-n)", "(n-n×n)÷n", "(n×n)÷(n×n)", "(n+n×n)÷n"};
constexpr const char* kProductShapes[] = {"n×n-n×n", "n×n+n×n", "(n-n)×(n-n)", "(n+n)×(n-n)", "(n+n)×(n+n)"};

// Every tag against the exact value of the shown text; shapes, operand
// ranges, whole results and the division sheets' history.
TEST(FourOperationSheets, EverySheetAgreesWithItsShownTexts) {
    const struct { int topic, low, high; bool division, whole; } cases[] = {
        {9005, 2, 21, true, true},   {9006, 20, 69, true, true},   {9007, 50, 149, true, true},
        {9008, 2, 21, true, false},  {9009, 20, 69, true, false},  {9001, 50, 149, true, false},
        {9002, 2, 21, false, false}, {9003, 20, 69, false, false}, {9004, 50, 149, false, false}};
    const std::regex number(R"(\d+)"), decimal(R"((0|[1-9]\d*)\.\d*[1-9])"), notSignificant(R"(^0\.0*|\.)");
    for (const auto& c : cases) {
        Harness h;
        for (int round = 0; round < 3; ++round) {
            std::string history;
            int i = 0;
            for (const Shown& q : build(h, c.topic)) {
                SCOPED_TRACE(q.text + " = " + q.tag);
                const int index = i++ / 2;
                EXPECT_EQ(std::regex_replace(q.text, number, "n"), (c.division ? kDivisionShapes : kProductShapes)[index]);
                std::vector<long long> n;
                for (std::sregex_iterator it(q.text.begin(), q.text.end(), number), end; it != end; ++it) {
                    n.push_back(std::stoll(it->str()));
                }
                ASSERT_EQ(n.size(), 4u);
                const std::optional<reading::Ratio> value = reading::read(q.text);
                ASSERT_TRUE(value);
                const long long num = value->n, den = value->d;
                if (c.division && index == 2) n[0] -= n[1] * n[2];  // a + b × c shown as its sum
                for (long long v : n) EXPECT_TRUE(v >= c.low && v <= c.high);
                EXPECT_TRUE(num >= 0 && den > 0);
                if (c.division && !c.whole) {
                    // Two decimals, a half rounded up, worked out in whole hundredths.
                    const long long cents = (200 * num + den) / (2 * den);
                    const std::string two = std::to_string(cents % 100 + 100).substr(1);
                    EXPECT_EQ(q.tag, std::to_string(cents / 100) + "." + two);
                } else if (den == 1) {
                    EXPECT_EQ(q.tag, std::to_string(num));
                } else {
                    EXPECT_FALSE(c.whole);
                    const double v = static_cast<double>(num) / static_cast<double>(den);
                    EXPECT_NEAR(std::stod(q.tag), v, 1e-13 * v);
                    EXPECT_TRUE(std::regex_match(q.tag, decimal));
                    EXPECT_LE(std::regex_replace(q.tag, notSignificant, "").size(), 15u);
                }
                if (c.division) {
                    EXPECT_EQ(history.find(q.text), std::string::npos) << "inside " << history;
                    history += q.text;
                }
            }
        }
    }
}

// The engine takes only arithmetic and reports anything else as no value, never a crash.
TEST(Expression, ArithmeticOnlyAndNoValueForTheRest) {
    const std::pair<const char*, double> values[] = {
        {"2+3*4", 14}, {"(2+3)*4", 20}, {"10-4-3", 3}, {"24/4/2", 3}, {"-3+1", -2}, {"1.5*2", 3}, {" ( 1 + 2 ) ", 3}};
    for (const auto& [text, value] : values) EXPECT_EQ(evaluateExpression(text), value) << text;
    for (const char* text : {"", "()", "2(3)", "(1+2", "1+2)", "1..2", "3+", "*4", "1/0", "0/0", "(5-5)/(3-3)",
                             "sin(1)", "2^3", "1e3", "_pi", "a+1", "1,5", "3%2", "1?2:3", "2×3"}) {
        EXPECT_FALSE(evaluateExpression(text).has_value()) << text;
    }
}

TEST(NumberText, FifteenSignificantDigitsAndRoundingToTwoDecimals) {
    const std::pair<double, const char*> numbers[] = {
        {-0.0, "0"}, {-12, "-12"}, {-8.0 / 3, "-2.66666666666667"}, {2.0 / 3, "0.666666666666667"}, {0.1 + 0.2, "0.3"},
        {1e-7, "0.0000001"}, {2.9999999999999996, "3"}, {1e20, "100000000000000000000"}};
    for (const auto& [value, text] : numbers) EXPECT_EQ(numberText(value), text) << value;
    const std::pair<const char*, const char*> rounded[] = {
        {"2.675", "2.68"}, {"9.999", "10.00"}, {"-0.004", "0.00"}, {"-2.666", "-2.67"}, {"1.2.3", "1.2.3"}};
    for (const auto& [text, two] : rounded) EXPECT_EQ(roundDecimalText(text, 2), two) << text;
}

}  // namespace
}  // namespace tally
