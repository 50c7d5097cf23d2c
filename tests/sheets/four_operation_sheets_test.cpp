#include <gtest/gtest.h>

#include <numeric>
#include <regex>
#include <string>
#include <vector>

#include "sheets/families.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

// An exact fraction, to evaluate the shown texts independently of the engine.
struct Rational {
    long long num = 0, den = 1;
    Rational(long long n = 0, long long d = 1) : num(n), den(d) {
        const long long g = std::gcd(num, den);
        if (g > 1) num /= g, den /= g;
    }
    Rational operator+(Rational o) const { return {num * o.den + o.num * den, den * o.den}; }
    Rational operator-(Rational o) const { return {num * o.den - o.num * den, den * o.den}; }
    Rational operator*(Rational o) const { return {num * o.num, den * o.den}; }
    Rational operator/(Rational o) const { return {num * o.den, den * o.num}; }
};

// Recursive descent over whole numbers, "+", "-", "×", "÷" and brackets.
class ShownText {
public:
    explicit ShownText(const std::string& text) : text_(text) {}
    Rational value() {
        const Rational v = sum();
        EXPECT_EQ(at_, text_.size()) << text_;
        return v;
    }

private:
    const std::string& text_;
    std::size_t at_ = 0;

    bool eat(const std::string& token) {
        if (text_.compare(at_, token.size(), token) != 0) return false;
        at_ += token.size();
        return true;
    }
    Rational sum() {
        for (Rational v = product();;) {
            if (eat("+")) v = v + product();
            else if (eat("-")) v = v - product();
            else return v;
        }
    }
    Rational product() {
        for (Rational v = factor();;) {
            if (eat("×")) v = v * factor();
            else if (eat("÷")) v = v / factor();
            else return v;
        }
    }
    Rational factor() {
        if (eat("(")) {
            const Rational v = sum();
            EXPECT_TRUE(eat(")")) << text_;
            return v;
        }
        long long n = 0;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) n = n * 10 + (text_[at_++] - '0');
        return {n, 1};
    }
};

struct Shown {
    std::string text, tag;
};

std::vector<Shown> build(Harness& h, int topic) {
    Sheet sheet;
    buildFourOperationSheet(*h.form, topic, sheet);
    const std::regex line(R"(第(\d+)题：([^=]*)=  <input class=text name=answer(\d+) type=text size=7 tag=([^>]*)><br><br>)");
    std::vector<Shown> questions;
    for (std::sregex_iterator it(sheet.html.begin(), sheet.html.end(), line), end; it != end; ++it) {
        EXPECT_EQ(std::stoul((*it)[1]), questions.size() + 1);
        EXPECT_EQ((*it)[3], (*it)[1]);
        questions.push_back({(*it)[2], (*it)[4]});
    }
    EXPECT_EQ(questions.size(), 10u);
    return questions;
}

void pushOperands(Harness& h, std::initializer_list<int> values) {
    for (int v : values) h.random.push((v - 2 + 0.5) / 20);  // 2..21
}

// Questions 1 to 4 of a simple division sheet, each accepted at once.
void pushFirstFour(Harness& h) { pushOperands(h, {9, 3, 5, 2, 10, 4, 5, 2, 5, 5, 7, 2, 6, 4, 7, 2}); }

TEST(FourOperationSheets, ExamplesOfTheRules) {
    Harness whole;
    pushFirstFour(whole);
    pushOperands(whole, {8, 3, 4, 3, 8, 3, 4, 2});  // 8/3 is not whole: drawn again
    const auto sheet = build(whole, 9005);
    EXPECT_EQ(sheet[0].text + "=" + sheet[0].tag, "(9-3)÷(5-2)=2");
    EXPECT_EQ(sheet[4].text + "=" + sheet[4].tag, "(20-3×4)÷2=4");

    Harness decimals;
    pushFirstFour(decimals);
    pushOperands(decimals, {8, 3, 4, 3, 8, 3, 4, 2, 2, 3, 4, 5, 3, 3, 4, 5, 2, 3, 4, 21});
    pushOperands(decimals, {2, 3, 4, 2, 5, 3, 4, 2});  // "(2+3×4)÷2" lies inside "(2+3×4)÷21"
    const auto shown = build(decimals, 9008);
    EXPECT_EQ(shown[4].text + "=" + shown[4].tag, "(20-3×4)÷3=2.66666666666667");
    EXPECT_EQ(shown[8].text, "(2+3×4)÷21");
    EXPECT_EQ(shown[9].text, "(5+3×4)÷2");

    Harness products;
    pushOperands(products, {2, 3, 4, 5, 5, 4, 3, 2});  // 2×3-4×5 is negative: drawn again
    pushOperands(products, {2, 2, 2, 2, 2, 3, 4, 5, 6, 7, 8, 9, 9, 3, 8, 2, 7, 5, 6, 2, 4, 5, 7, 7});
    const auto product = build(products, 9002);
    EXPECT_EQ(product[0].text + "=" + product[0].tag, "5×4-3×2=14");
    EXPECT_EQ(product[6].text + "=" + product[6].tag, "(4+5)×(7-7)=0");
}

// Every tag against the exact value of the shown text; template shapes,
// operand ranges, whole results and the division sheets' history.
TEST(FourOperationSheets, EverySheetAgreesWithItsShownTexts) {
    const char* division[] = {"(n-n)÷(n-n)", "(n+n)÷(n-n)", "(n-n×n)÷n", "(n×n)÷(n×n)", "(n+n×n)÷n"};
    const char* product[] = {"n×n-n×n", "n×n+n×n", "(n-n)×(n-n)", "(n+n)×(n-n)", "(n+n)×(n+n)"};
    const struct {
        int topic, low, high;
        bool division, whole;
    } cases[] = {{9005, 2, 21, true, true},   {9006, 20, 69, true, true},   {9007, 50, 149, true, true},
                 {9008, 2, 21, true, false},  {9009, 20, 69, true, false},  {9001, 50, 149, true, false},
                 {9002, 2, 21, false, false}, {9003, 20, 69, false, false}, {9004, 50, 149, false, false}};
    const std::regex number(R"(\d+)");
    for (const auto& c : cases) {
        Harness h;
        for (int round = 0; round < 3; ++round) {
            std::string history;
            int i = 0;
            for (const Shown& q : build(h, c.topic)) {
                EXPECT_EQ(std::regex_replace(q.text, number, "n"), (c.division ? division : product)[i++ / 2]);
                std::vector<long> n;
                for (std::sregex_iterator it(q.text.begin(), q.text.end(), number), end; it != end; ++it) n.push_back(std::stol(it->str()));
                if (c.division && (i - 1) / 2 == 2) n[0] -= n[1] * n[2];  // shown as a + b × c
                for (long v : n) EXPECT_TRUE(v >= c.low && v <= c.high) << q.text;

                const Rational exact = ShownText(q.text).value();
                EXPECT_GE(exact.num, 0) << q.text;
                if (exact.den == 1) {
                    EXPECT_EQ(q.tag, std::to_string(exact.num)) << q.text;
                } else {
                    EXPECT_FALSE(c.whole) << q.text;
                    const double v = static_cast<double>(exact.num) / static_cast<double>(exact.den);
                    EXPECT_NEAR(std::stod(q.tag), v, 1e-13 * v) << q.text;
                    EXPECT_TRUE(std::regex_match(q.tag, std::regex(R"((0|[1-9]\d*)\.\d*[1-9])"))) << q.tag;
                    EXPECT_LE(std::regex_replace(q.tag, std::regex(R"(^0\.0*|\.)"), "").size(), 15u) << q.tag;
                }
                if (c.division) {
                    EXPECT_EQ(history.find(q.text), std::string::npos) << q.text << " inside " << history;
                    history += q.text;
                }
            }
        }
    }
}

// Pattern and four-operation sheets: the exact tag, or a longer decimal
// rounded to two places; then the think time and no score.
TEST(FourOperationSheets, MarkingAcceptsTwoDecimals) {
    const struct {
        const char* typed;
        bool right;
    } cases[] = {{"2.66666666666667", true}, {"2.67", true}, {"2.66", false}, {"2.7", false}, {"", false}, {" 2.67", false}};
    for (const auto& c : cases) {
        Harness h;
        h.start();
        pushFirstFour(h);
        pushOperands(h, {8, 3, 4, 3});
        h.click("q9008", "四则运算");
        h.type("answer1", "2");
        h.type("answer5", c.typed);
        h.tick(1, 5);
        h.finish();
        const std::string text = h.page.bodyText();
        const std::string mark = c.right ? "(√)" : "(×，正确答案：2.66666666666667)";
        EXPECT_NE(text.find("第1题：(9-3)÷(5-2)=  (√)"), std::string::npos) << text;
        EXPECT_NE(text.find("第2题：(10-4)÷(5-2)=  (×，正确答案：2)"), std::string::npos) << text;
        EXPECT_NE(text.find("第5题：(20-3×4)÷3=  " + mark), std::string::npos) << c.typed << ": " << text;
        EXPECT_NE(text.find("思考用时5秒！"), std::string::npos);
        EXPECT_EQ(text.find("得分"), std::string::npos);
    }
}

}  // namespace
}  // namespace tally
