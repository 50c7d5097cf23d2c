#include <gtest/gtest.h>

#include <string>

#include "sheets/expression.h"
#include "sheets/number_text.h"

namespace tally {
namespace {

TEST(Expression, ArithmeticWithPrecedenceAndBrackets) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"(9-3)/(5-2)", 2}, {"(20-3*4)/2", 4}, {"8/3", 8.0 / 3}, {"2+3*4", 14}, {"(2+3)*4", 20},
                 {"10-4-3", 3},      {"24/4/2", 3},     {"-3+1", -2},    {"1.5*2", 3},   {" ( 1 + 2 ) ", 3}};
    for (const auto& c : cases) {
        const auto value = evaluateExpression(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
    }
}

TEST(Expression, BadExpressionsAndDivisionByZeroGiveNoValue) {
    for (const char* text : {"", "()", "2(3)", "(1+2", "1+2)", "1..2", "3+", "*4", "1/0", "0/0", "(5-5)/(3-3)",
                             "sin(1)", "2^3", "1e3", "_pi", "a+1", "1,5", "3%2", "1?2:3", "2×3"}) {
        EXPECT_FALSE(evaluateExpression(text).has_value()) << text;
    }
}

TEST(NumberText, WrittenAsTheEngineConvertsNumbers) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{2, "2"},
                 {-0.0, "0"},
                 {-12, "-12"},
                 {8.0 / 3, "2.66666666666667"},
                 {-8.0 / 3, "-2.66666666666667"},
                 {0.5, "0.5"},
                 {-0.25, "-0.25"},
                 {2.0 / 3, "0.666666666666667"},
                 {0.1 + 0.2, "0.3"},
                 {1e-7, "0.0000001"},
                 {1.0 / 7000, "0.000142857142857143"},
                 {2.9999999999999996, "3"},
                 {1e20, "100000000000000000000"}};
    for (const auto& c : cases) EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, RoundingToTwoDecimals) {
    const struct {
        const char* text;
        const char* rounded;
    } cases[] = {{"2.66666666666667", "2.67"}, {"2.675", "2.68"}, {"1.995", "2.00"}, {"9.999", "10.00"},
                 {"-0.004", "0.00"},           {"-2.666", "-2.67"}, {"1.5", "1.50"},  {"1.2.3", "1.2.3"}};
    for (const auto& c : cases) EXPECT_EQ(roundDecimalText(c.text, 2), c.rounded) << c.text;
    EXPECT_EQ(decimalPlaces("2.66666666666667"), 14);
    EXPECT_EQ(decimalPlaces("12"), 0);
}

}  // namespace
}  // namespace tally
