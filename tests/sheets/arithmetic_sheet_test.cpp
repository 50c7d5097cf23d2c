#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/harness.h"

// Properties of many generated sheets per topic, read back from the page the
// way a pupil sees it: the question text and the answer fields' tags.

namespace tally {
namespace {

using test::Harness;

constexpr int kSheets = 40;

// The text of every question of the page, blanks and line breaks removed:
// "第3题：<br>&nbsp;7<br>&nbsp;+15..." reads "7+15---------".
std::vector<std::string> questionTexts(const HtmlPage& page) {
    std::string text;
    const std::string all = page.bodyText();
    for (size_t i = 0; i < all.size(); ++i) {
        if (all.compare(i, 2, "\xC2\xA0") == 0) {
            ++i;
        } else if (all[i] != ' ' && all[i] != '\n' && all[i] != '\r' && all[i] != '\t') {
            text += all[i];
        }
    }
    std::vector<std::string> questions;
    for (int i = 1;; ++i) {
        const std::string head = "第" + std::to_string(i) + "题：";
        const size_t start = text.find(head);
        if (start == std::string::npos) break;
        const size_t end = text.find("第" + std::to_string(i + 1) + "题：", start);
        const size_t from = start + head.size();
        questions.push_back(text.substr(from, end == std::string::npos ? end : end - from));
    }
    return questions;
}

long long number(const std::string& text) { return std::stoll(text); }

// Every question has exactly one answer field answer<i>, and nothing beyond.
void expectAnswerFields(const HtmlPage& page, size_t questions, const std::string& where) {
    for (size_t i = 1; i <= questions; ++i) {
        EXPECT_EQ(page.countNamed("answer" + std::to_string(i)), 1) << where << " question " << i;
    }
    EXPECT_FALSE(page.has("answer" + std::to_string(questions + 1))) << where;
    EXPECT_EQ(page.countNamed("finish"), 1) << where;
}

struct Operands {
    long long left;
    std::string sign;
    long long right;
    std::string answer;  // the tag of answer<i>
};

// Writes kSheets sheets of the topic and hands every question to `check`.
void forEachQuestion(Harness& h, const std::string& key, int count,
                     const std::function<void(const std::string& text, int question,
                                              const std::set<std::string>& seen)>& visit) {
    for (int sheet = 0; sheet < kSheets; ++sheet) {
        h.form->questionCount = count;
        h.click(key);
        const auto texts = questionTexts(h.page);
        ASSERT_EQ(texts.size(), static_cast<size_t>(count)) << key;
        expectAnswerFields(h.page, texts.size(), key);
        std::set<std::string> seen;
        for (size_t i = 0; i < texts.size(); ++i) {
            visit(texts[i], static_cast<int>(i + 1), seen);
            seen.insert(texts[i]);
        }
    }
}

std::optional<Operands> parseNormal(const HtmlPage& page, const std::string& text, int question) {
    static const std::regex line(R"(^(\d+)(\+|-|×|÷)(\d+)=$)");
    std::smatch m;
    if (!std::regex_match(text, m, line)) return std::nullopt;
    return Operands{number(m[1]), m[2], number(m[3]), page.tag("answer" + std::to_string(question))};
}

int digits(long long value) { return static_cast<int>(std::to_string(value).size()); }

struct SumCase {
    const char* key;
    const char* sign;
    int limit;
    int bandLow;  // the first draw of a sum lies at or above this
};

const SumCase kSumCases[] = {
    {"q11", "+", 10, 2},     {"q17", "+", 20, 10},     {"q12", "+", 50, 20},
    {"q13", "+", 100, 50},   {"q14", "+", 500, 100},   {"q15", "+", 1000, 500},
    {"q16", "+", 5000, 1000}, {"q21", "-", 10, 2},     {"q27", "-", 20, 10},
    {"q22", "-", 50, 20},    {"q23", "-", 100, 50},    {"q24", "-", 500, 100},
    {"q25", "-", 1000, 500}, {"q26", "-", 5000, 1000},
};

TEST(ArithSheets, SumsAndDifferencesStayInTheirLimitAndBand) {
    Harness h;
    h.start();
    for (const SumCase& c : kSumCases) {
        const int count = c.limit == 10 ? 20 : 50;
        int belowBand = 0;
        forEachQuestion(h, c.key, count, [&](const std::string& text, int i, const auto& seen) {
            const auto q = parseNormal(h.page, text, i);
            ASSERT_TRUE(q) << c.key << ": " << text;
            EXPECT_EQ(q->sign, c.sign) << c.key;
            EXPECT_FALSE(seen.count(text)) << c.key << " repeats " << text;
            // Addition asks t + u for the sum s, subtraction s - t for the difference u.
            const bool add = q->sign == "+";
            const long long whole = add ? q->left + q->right : q->left;
            const long long part = add ? q->right : q->left - q->right;
            EXPECT_EQ(q->answer, std::to_string(add ? whole : part)) << c.key << ": " << text;
            EXPECT_GE(whole, 2) << c.key << ": " << text;
            EXPECT_LE(whole, c.limit - 1) << c.key << ": " << text;
            EXPECT_GE(q->right, 1) << c.key << ": " << text;
            EXPECT_GE(part, 1) << c.key << ": " << text;
            // The first question cannot repeat anything, so it keeps the band;
            // later ones leave it only when they replace a repeat.
            if (i == 1) {
                EXPECT_GE(whole, c.bandLow) << c.key << ": " << text;
            }
            belowBand += whole < c.bandLow;
        });
        // Repeats are rare among hundreds of pairs, less so among the 135 of limit 20.
        EXPECT_LT(belowBand, kSheets * count / (c.limit == 20 ? 4 : 20)) << c.key;
    }
}

struct ProductCase {
    const char* key;
    int limit;
    int minProduct;
    std::function<bool(int, int)> digitsFit;
};

TEST(ArithSheets, ProductsKeepTheirBandsAndDigitRules) {
    const auto oneByOne = [](int a, int b) { return a == 1 && b == 1; };
    const auto oneByTwo = [](int a, int b) { return (a == 1 && b == 2) || (a == 2 && b == 1); };
    const auto twoByTwo = [](int a, int b) { return a == 2 && b == 2; };
    const auto noOneByOneToThree = [](int a, int b) { return a * b >= 4; };
    const auto bothLong = [](int a, int b) { return a >= 2 && b >= 2; };
    const ProductCase cases[] = {
        {"q31", 81, 4, oneByOne},           {"q32", 100, 4, oneByTwo},
        {"q38", 250, 100, oneByTwo},        {"q39", 251, 100, twoByTwo},
        {"q33", 500, 250, oneByTwo},        {"q37", 501, 250, twoByTwo},
        {"q34", 1000, 500, noOneByOneToThree}, {"q35", 5000, 1000, bothLong},
        {"q36", 10000, 5000, bothLong},
    };
    Harness h;
    h.start();
    for (const ProductCase& c : cases) {
        forEachQuestion(h, c.key, 50, [&](const std::string& text, int i, const auto& seen) {
            const auto q = parseNormal(h.page, text, i);
            ASSERT_TRUE(q) << c.key << ": " << text;
            EXPECT_EQ(q->sign, "×") << c.key;
            EXPECT_FALSE(seen.count(text)) << c.key << " repeats " << text;
            const long long product = q->left * q->right;
            EXPECT_EQ(q->answer, std::to_string(product)) << c.key << ": " << text;
            EXPECT_GE(q->left, 2) << text;
            EXPECT_GE(q->right, 2) << text;
            EXPECT_GE(product, c.minProduct) << c.key << ": " << text;
            EXPECT_LE(product, c.limit) << c.key << ": " << text;
            EXPECT_TRUE(c.digitsFit(digits(q->left), digits(q->right))) << c.key << ": " << text;
        });
    }
}

TEST(ArithSheets, DivisionsComeOutEvenWithinTheirBands) {
    const struct {
        const char* key;
        int limit;
        int minDividend;
    } cases[] = {{"q41", 81, 4},     {"q42", 100, 50},    {"q43", 500, 100},
                 {"q44", 1000, 500}, {"q45", 5000, 1000}, {"q46", 10000, 5000}};
    Harness h;
    h.start();
    for (const auto& c : cases) {
        forEachQuestion(h, c.key, 50, [&](const std::string& text, int i, const auto& seen) {
            const auto q = parseNormal(h.page, text, i);
            ASSERT_TRUE(q) << c.key << ": " << text;
            EXPECT_EQ(q->sign, "÷") << c.key;
            EXPECT_FALSE(seen.count(text)) << c.key << " repeats " << text;
            ASSERT_GE(q->right, 2) << text;
            EXPECT_EQ(q->left % q->right, 0) << c.key << ": " << text;
            const long long quotient = q->left / q->right;
            EXPECT_EQ(q->answer, std::to_string(quotient)) << c.key << ": " << text;
            EXPECT_GE(quotient, 2) << text;
            EXPECT_GE(q->left, c.minDividend) << c.key << ": " << text;
            EXPECT_LE(q->left, c.limit) << c.key << ": " << text;
            if (c.limit == 81) {
                EXPECT_TRUE(quotient < 10 && q->right < 10) << text;
            }
        });
    }
}

TEST(ArithSheets, VerticalLinesAnswerTheirColumnsAndAlignTheDigits) {
    Harness h;
    h.start();
    h.form->drillForm = DrillForm::Vertical;
    static const std::regex column(R"(^(\d+)(\+|-)(\d+)-{9}$)");
    for (const char* key : {"q11", "q13", "q16", "q21", "q25"}) {
        forEachQuestion(h, key, 20, [&](const std::string& text, int i, const auto&) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(text, m, column)) << key << ": " << text;
            const long long upper = number(m[1]);
            const long long lower = number(m[3]);
            const long long answer = m[2] == "+" ? upper + lower : upper - lower;
            EXPECT_EQ(h.page.tag("answer" + std::to_string(i)), std::to_string(answer)) << text;
            EXPECT_GE(answer, 1) << text;
        });
        // Right-aligned: both operand lines hold as many characters, the
        // lower one counting its sign.
        static const std::regex lines(R"(题：<br>((?:&nbsp;)+)(\d+)<br>((?:&nbsp;)+)(?:\+|-)(\d+)<br>)");
        const std::string html = h.page.bodyHtml();
        int checked = 0;
        for (std::sregex_iterator it(html.begin(), html.end(), lines), end; it != end; ++it) {
            const auto& m = *it;
            EXPECT_EQ(m[1].length() / 6 + m[2].length(), m[3].length() / 6 + 1 + m[4].length())
                << key << ": " << m[0];
            ++checked;
        }
        EXPECT_EQ(checked, 20) << key;
    }
}

TEST(ArithSheets, InequalityAnswersAreTheLargestWholeNumberThatFits) {
    Harness h;
    h.start();
    h.form->drillForm = DrillForm::Inequality;
    static const std::regex inequality(R"(^(\d+)(\+|-)(<|>)(\d+)$)");
    for (const char* key : {"q11", "q17", "q14", "q21", "q23", "q26"}) {
        forEachQuestion(h, key, 20, [&](const std::string& text, int i, const auto&) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(text, m, inequality)) << key << ": " << text;
            const std::string visible = h.page.tag("Qanswer" + std::to_string(i));
            EXPECT_EQ(h.page.tag("answer" + std::to_string(i)), visible) << text;
            EXPECT_EQ(h.page.attribute("answer" + std::to_string(i), "type"), "hidden") << text;
            const long long a = number(m[1]);
            const long long b = number(m[4]);
            const long long x = number(visible);
            ASSERT_GE(x, 0) << text;
            // t + x < s, or s - x > u: x fits and x + 1 no longer does.
            const auto holds = [&](long long v) { return m[2] == "+" ? a + v < b : a - v > b; };
            EXPECT_EQ(m[3], m[2] == "+" ? "<" : ">") << text;
            EXPECT_TRUE(holds(x)) << key << ": " << text << " x=" << x;
            EXPECT_FALSE(holds(x + 1)) << key << ": " << text << " x=" << x;
        });
    }
}

// "12.3" in hundredths, refusing anything but digits with an optional fraction.
long long hundredths(const std::string& text) {
    const size_t dot = text.find('.');
    const std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    long long value = std::stoll(text.substr(0, dot)) * 100;
    if (!fraction.empty()) value += std::stoll(fraction) * (fraction.size() == 1 ? 10 : 1);
    return value;
}

TEST(ArithSheets, DecimalAnswersAreExactAndWrittenPlainly) {
    Harness h;
    h.start();
    h.form->drillForm = DrillForm::Decimal;
    static const std::regex decimal(R"(^([0-9.]+)(\+|-|×|÷)([0-9.]+)=$)");
    static const std::regex oneDecimal(R"(^(0|[1-9]\d*)\.\d$)");
    static const std::regex product(R"(^(0|[1-9]\d*)(\.\d?[1-9])?$)");
    static const std::regex operand(R"(^[1-9]\d*\.[1-9]$)");
    for (const char* key : {"q11", "q16", "q21", "q26", "q31", "q36", "q34"}) {
        forEachQuestion(h, key, 20, [&](const std::string& text, int i, const auto&) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(text, m, decimal)) << key << ": " << text;
            const std::string answer = h.page.tag("answer" + std::to_string(i));
            const long long a = hundredths(m[1]);
            const long long b = hundredths(m[3]);
            if (m[2] == "×") {
                EXPECT_TRUE(std::regex_match(m[1].str(), operand)) << text;
                EXPECT_TRUE(std::regex_match(m[3].str(), operand)) << text;
                EXPECT_TRUE(std::regex_match(answer, product)) << text << " " << answer;
                EXPECT_EQ(hundredths(answer) * 100, a * b) << text << " " << answer;
            } else {
                for (const std::string& part : {m[1].str(), m[3].str(), answer}) {
                    EXPECT_TRUE(std::regex_match(part, oneDecimal)) << text << " " << answer;
                }
                EXPECT_EQ(hundredths(answer), m[2] == "+" ? a + b : a - b) << text << " " << answer;
                EXPECT_GE(hundredths(answer), 20) << text;
            }
        });
    }
}

TEST(ArithSheets, DivisionAndMultiplicationIgnoreFormsTheyDoNotHave) {
    Harness h;
    h.start();
    const std::pair<const char*, DrillForm> cases[] = {
        {"q41", DrillForm::Decimal},  {"q46", DrillForm::Vertical},
        {"q31", DrillForm::Vertical}, {"q35", DrillForm::Inequality},
    };
    for (const auto& [key, form] : cases) {
        h.form->drillForm = form;
        forEachQuestion(h, key, 10, [&](const std::string& text, int i, const auto&) {
            EXPECT_TRUE(parseNormal(h.page, text, i)) << key << ": " << text;
        });
    }
}

}  // namespace
}  // namespace tally
