// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "sheets/arithmetic.h"
#include "sheets/sheet.h"
#include "support/harness.h"

// Many sheets per topic, read back as the pupil sees them: every answer is
// recomputed from the question text, never from the generator's variables.
// Then limits that run out of pairs.

namespace tally {
namespace {

using test::Harness;

// The question texts of the page, blanks and line breaks removed:
// "第3题：<br>&nbsp;7<br>&nbsp;+15..." reads "7+15---------". The count of
// questions done beside the finish button is no question's.
std::vector<std::string> questionTexts(const HtmlPage& page) {
    std::string text;
    std::string all = page.bodyText();
    all = all.substr(0, all.rfind("已做"));
    for (size_t i = 0; i < all.size(); ++i) {
        if (all.compare(i, 2, "\xC2\xA0") == 0) ++i;
        else if (!std::isspace(static_cast<unsigned char>(all[i]))) text += all[i];
    }
    static const std::regex head("第\\d+题：");
    std::vector<std::string> texts(std::sregex_token_iterator(text.begin(), text.end(), head, -1),
                                   std::sregex_token_iterator());
    texts.erase(texts.begin());  // what comes before the first question
    return texts;
}

using Visit = std::function<void(const std::smatch& question, int number, const std::string& answer)>;

// Writes 40 sheets of the topic, checks that no question repeats, and hands
// every question, matched against `shape`, to `visit`.
void forEachQuestion(Harness& h, const std::string& key, int count, const std::regex& shape,
                     const Visit& visit) {
    for (int sheet = 0; sheet < 40; ++sheet) {
        h.form->setOption(&SheetOptions::questionCount, count);
        h.click(key);
        const auto texts = questionTexts(h.page);
        ASSERT_EQ(texts.size(), static_cast<size_t>(count)) << key;
        EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size()) << key;
        for (int i = 1; i <= count; ++i) {
            SCOPED_TRACE(key + (": " + texts[i - 1]));
            std::smatch m;
            ASSERT_TRUE(std::regex_match(texts[i - 1], m, shape));
            visit(m, i, h.page.tag("answer" + std::to_string(i)));
        }
    }
}

const std::regex kNormal(R"((\d+)(\+|-|×|÷)(\d+)=)");

long long number(const std::ssub_match& text) { return std::stoll(text.str()); }
int digits(long long value) { return static_cast<int>(std::to_string(value).size()); }

TEST(ArithSheets, SumsAndDifferencesStayInTheirLimitAndBand) {
    // Keys q1<digit> and q2<digit>; the first draw of a sum lies at or above bandLow.
    const struct { char digit; int limit, bandLow; } limits[] = {
        {'1', 10, 2}, {'7', 20, 10}, {'2', 50, 20}, {'3', 100, 50}, {'4', 500, 100}, {'5', 1000, 500}, {'6', 5000, 1000}};
    Harness h(test::started);
    for (const std::string family : {"q1", "q2"}) {
        for (const auto& c : limits) {
            const bool add = family == "q1";
            const int count = c.limit == 10 ? 20 : 50;
            int belowBand = 0;
            const auto check = [&](const std::smatch& m, int i, const std::string& answer) {
                EXPECT_EQ(m[2], add ? "+" : "-");
                // Addition asks t + u for the sum s, subtraction s - t for the difference u.
                const long long a = number(m[1]), b = number(m[3]);
                const long long whole = add ? a + b : a, part = add ? b : a - b;
                EXPECT_EQ(answer, std::to_string(add ? whole : part));
                EXPECT_TRUE(whole <= c.limit - 1 && b >= 1 && part >= 1);
                // The first question cannot repeat, so it keeps the band; later
                // ones leave it only when they replace a repeat.
                EXPECT_TRUE(i > 1 || whole >= c.bandLow);
                belowBand += whole < c.bandLow;
            };
            forEachQuestion(h, family + c.digit, count, kNormal, check);
            // Repeats are rare among hundreds of pairs, less so among the 135 of limit 20.
            EXPECT_LT(belowBand, 40 * count / (c.limit == 20 ? 4 : 20)) << family << c.digit;
        }
    }
}

// Each sheet is asked in a form its operation lacks (all but the decimal one
// for products), which must give the normal line.
TEST(ArithSheets, ProductsAndDivisionsKeepTheirBandsAndDigitRules) {
    using DigitRule = bool (*)(int, int);
    const DigitRule any = [](int, int) { return true; };
    const DigitRule oneByOne = [](int a, int b) { return a == 1 && b == 1; };
    const DigitRule oneByTwo = [](int a, int b) { return a + b == 3; };
    const DigitRule twoByTwo = [](int a, int b) { return a == 2 && b == 2; };
    const DigitRule bothLong = [](int a, int b) { return a >= 2 && b >= 2; };
    const DigitRule notBelowFour = [](int a, int b) { return a * b >= 4; };
    // The product (the dividend) lies in [low, limit]; `fits` takes the factors' digit counts.
    const struct { const char* key; int limit, low; DigitRule fits; } cases[] = {
        {"q31", 81, 4, oneByOne},       {"q32", 100, 4, oneByTwo},        {"q38", 250, 100, oneByTwo},
        {"q39", 251, 100, twoByTwo},    {"q33", 500, 250, oneByTwo},      {"q37", 501, 250, twoByTwo},
        {"q34", 1000, 500, notBelowFour}, {"q35", 5000, 1000, bothLong},  {"q36", 10000, 5000, bothLong},
        {"q41", 81, 4, oneByOne},       {"q42", 100, 50, any},            {"q43", 500, 100, any},
        {"q44", 1000, 500, any},        {"q45", 5000, 1000, any},         {"q46", 10000, 5000, any},
    };
    const DrillForm forms[] = {DrillForm::Normal, DrillForm::Vertical, DrillForm::Inequality, DrillForm::Decimal};
    Harness h(test::started);
    int index = 0;
    for (const auto& c : cases) {
        const bool times = c.key[1] == '3';
        h.form->setOption(&SheetOptions::drillForm, forms[index++ % (times ? 3 : 4)]);
        forEachQuestion(h, c.key, 50, kNormal, [&](const std::smatch& m, int, const std::string& answer) {
            EXPECT_EQ(m[2], times ? "×" : "÷");
            const long long a = number(m[1]), b = number(m[3]);
            ASSERT_GE(b, 2);
            // A division shows the product first: quotient × divisor.
            const long long factor = times ? a : a / b, product = times ? a * b : a;
            EXPECT_EQ(product, factor * b);  // a division comes out even
            EXPECT_EQ(answer, std::to_string(times ? product : factor));
            EXPECT_GE(factor, 2);
            EXPECT_TRUE(product >= c.low && product <= c.limit);
            EXPECT_TRUE(c.fits(digits(factor), digits(b)));
        });
    }
}

long long hundredths(const std::string& text) { return std::llround(std::stod(text) * 100); }

// The other drill forms, read back as the child sees them: a column answers
// its sum or difference; an inequality's answer is the largest whole number
// that fits (in the visible field, the hidden one a copy); a decimal line is
// exact and written plainly, products without a trailing zero.
TEST(ArithSheets, TheOtherDrillFormsAnswerWhatTheyShow) {
    // Tenths without the final 0 a child drops: 28, 5.2.
    const std::regex tenths(R"((0|[1-9]\d*)(\.[1-9])?)"), factor(R"([1-9]\d*\.[1-9])");
    const std::regex exact(R"((0|[1-9]\d*)(\.\d?[1-9])?)");  // no trailing zero
    const struct { DrillForm form; std::vector<const char*> keys; std::regex shape; } cases[] = {
        {DrillForm::Vertical, {"q11", "q13", "q16", "q21", "q25"}, std::regex(R"((\d+)(\+|-)(\d+)-{9})")},
        {DrillForm::Inequality, {"q11", "q17", "q14", "q21", "q23", "q26"}, std::regex(R"((\d+)(\+<|->)(\d+))")},
        {DrillForm::Decimal, {"q11", "q16", "q21", "q26", "q31", "q34", "q36"},
         std::regex(R"(([0-9.]+)(\+|-|×)([0-9.]+)=)")},
    };
    Harness h(test::started);
    for (const auto& c : cases) {
        h.form->setOption(&SheetOptions::drillForm, c.form);
        for (const char* key : c.keys) {
            forEachQuestion(h, key, 20, c.shape, [&](const std::smatch& m, int i, const std::string& answer) {
                const std::string a = m[1], b = m[3];
                if (c.form == DrillForm::Vertical) {
                    const long long t = number(m[1]), u = number(m[3]);
                    EXPECT_EQ(answer, std::to_string(m[2] == "+" ? t + u : t - u));
                } else if (c.form == DrillForm::Inequality) {
                    EXPECT_EQ(h.page.tag("Qanswer" + std::to_string(i)), answer);
                    EXPECT_EQ(h.page.attribute("answer" + std::to_string(i), "type"), "hidden");
                    // t + x < s, or s - x > u: x fits and x + 1 no longer does.
                    const long long x = std::stoll(answer), t = number(m[1]), s = number(m[3]);
                    const auto holds = [&](long long v) { return m[2] == "+<" ? t + v < s : t - v > s; };
                    EXPECT_TRUE(x >= 0 && holds(x) && !holds(x + 1)) << "x=" << x;
                } else if (m[2] == "×") {
                    EXPECT_TRUE(std::regex_match(a, factor) && std::regex_match(b, factor));
                    EXPECT_TRUE(std::regex_match(answer, exact)) << answer;
                    EXPECT_EQ(hundredths(answer) * 100, hundredths(a) * hundredths(b)) << answer;
                } else {
                    for (const std::string& part : {a, b, answer}) EXPECT_TRUE(std::regex_match(part, tenths)) << part;
                    const long long sum = m[2] == "+" ? hundredths(a) + hundredths(b) : hundredths(a) - hundredths(b);
                    EXPECT_EQ(hundredths(answer), sum) << answer;
                    EXPECT_GE(sum, 20);
                }
            });
        }
    }
}

// Pairs of factors from 2 to `largest` with a product in [low, high] whose
// digit counts multiply to `digitProduct` (0: any), counted one by one.
int countFactorPairs(int largest, int low, int high, size_t digitProduct = 0) {
    int count = 0;
    for (int s = 2; s <= largest; ++s) {
        for (int t = 2; t <= largest; ++t) {
            const size_t lengths = std::to_string(s).size() * std::to_string(t).size();
            count += s * t >= low && s * t <= high && (digitProduct == 0 || lengths == digitProduct);
        }
    }
    return count;
}

// No count and no limit may hang the sheet: it stops with the pairs it has.
TEST(ArithSheets, ASheetStopsWhenItsLimitRunsOutOfPairs) {
    using enum Operation;
    const struct { Operation operation; int limit, count, expected; } cases[] = {
        {Add, 10, 40, 36},       {Subtract, 10, 100, 36},
        {Multiply, 81, 100, countFactorPairs(40, 1, 81, 1)},
        {Divide, 81, 100, countFactorPairs(40, 1, 81, 1)},
        {Multiply, 251, 500, countFactorPairs(125, 100, 251, 4)},
        {Divide, 100, 500, countFactorPairs(49, 50, 100)},
        {Add, 2, 10, 0},         {Subtract, 0, 10, 0},    {Multiply, 4, 10, 0},
        {Divide, 1, 10, 0},      {Multiply, 81, 0, 0},
    };
    for (const auto& c : cases) {
        test::ScriptedRandom random(7);
        const std::string html = arithmeticSheetHtml(random, c.operation, c.limit, DrillForm::Normal, c.count);
        std::set<std::string> texts;
        int count = 0;
        for (size_t at = html.find("题："); at != std::string::npos; at = html.find("题：", at + 1), ++count) {
            texts.insert(html.substr(at, html.find(" <input", at) - at));
        }
        EXPECT_EQ(count, c.expected) << c.limit;
        EXPECT_EQ(texts.size(), static_cast<size_t>(count)) << c.limit << " repeats a question";
        EXPECT_TRUE(html.ends_with(std::string(kFinishButton) + "<br><br>")) << c.limit;
    }
}

}  // namespace
}  // namespace tally
