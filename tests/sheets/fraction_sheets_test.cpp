// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <numeric>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/harness.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

using test::Harness;

// n1/p op n2/q = up/down, read back from one filled table.
struct Fraction { long n1, n2, p, q, up, down; bool minus; };

std::vector<Fraction> build(Harness& h, int topic, int count) {
    h.form->setOption(&SheetOptions::questionCount, count);
    const Sheet sheet = h.build(h.form->families().fractions, "{" + std::to_string(topic));
    // A whole answer leaves its denominator's tag empty: it is written without one.
    const std::regex cell(R"(>(\d+)</td>)"), tag(R"(tag='(\d+)'[\s\S]*tag='(\d*)')");
    std::vector<Fraction> questions;
    for (size_t from = 0, at; (at = sheet.html.find("</table>", from)) != std::string::npos; from = at + 8) {
        const std::string block = sheet.html.substr(from, at - from);
        std::vector<long> cells;
        for (std::sregex_iterator it(block.begin(), block.end(), cell), end; it != end; ++it) {
            cells.push_back(std::stol((*it)[1]));
        }
        std::smatch tags;
        EXPECT_EQ(block.find("第" + std::to_string(questions.size() + 1) + "题："), block.find("第"));
        if (cells.size() != 4 || !std::regex_search(block, tags, tag) || tags[2] == "1") {
            ADD_FAILURE() << block;
            break;
        }
        const bool minus = block.find(">-</td>") != std::string::npos;
        const long down = tags[2] == "" ? 1 : std::stol(tags[2]);
        questions.push_back({cells[0], cells[1], cells[2], cells[3], std::stol(tags[1]), down, minus});
    }
    return questions;
}

// Results by exact rational arithmetic; ranges, numerators and the addition
// sheets' distinct denominator pairs over 60 questions per topic. The eight
// smallest denominators give 56 ordered pairs of different ones, so those
// addition sheets stop there; subtraction keeps no history.
TEST(FractionSheets, EveryTopicOverManyQuestions) {
    const long low[] = {2, 9, 25}, high[] = {9, 26, 104};
    for (int topic = 5002; topic <= 5013; ++topic) {
        SCOPED_TRACE(topic);
        const int size = (topic - 5002) % 3;
        const bool minus = (topic - 5002) / 3 % 2 == 1;
        Harness h;
        const auto questions = build(h, topic, 60);
        ASSERT_EQ(questions.size(), size == 0 && !minus ? 56u : 60u);
        std::set<std::pair<long, long>> pairs;
        for (const Fraction& f : questions) {
            EXPECT_EQ(f.minus, minus);
            EXPECT_TRUE(f.p >= low[size] && f.p <= high[size] && f.q >= low[size] && f.q <= high[size]);
            const bool numeratorsOne = f.n1 == 1 && f.n2 == 1;
            const bool numeratorsDrawn =
                f.n1 >= 2 && f.n1 <= std::max(2L, f.p - 1) && f.n2 >= 2 && f.n2 <= std::max(2L, f.q - 1);
            EXPECT_TRUE(topic < 5008 ? numeratorsOne : numeratorsDrawn)
                << f.n1 << "/" << f.p << ", " << f.n2 << "/" << f.q;
            EXPECT_TRUE(minus || (f.p != f.q && pairs.emplace(f.p, f.q).second)) << f.p << "," << f.q;
            const long top = minus ? f.n1 * f.q - f.n2 * f.p : f.n1 * f.q + f.n2 * f.p;
            EXPECT_EQ(f.up * f.p * f.q, top * f.down);
            EXPECT_EQ(std::gcd(f.up, f.down), 1);
            EXPECT_GT(f.up, 0);
        }
    }
}

// A fraction not in lowest terms, or a numerator alone, is wrong; the first
// is told to reduce it.
TEST(FractionSheets, MarksGoIntoTheCellsAndScoreLikeTheDrills) {
    Harness h(test::started);
    h.form->setOption(&SheetOptions::questionCount, 20);
    for (int d : {2, 3, 3, 6}) h.random.push(test::pick(d, 8, 2));
    h.click("q5002", "分数和比例");
    for (int i = 1; i <= 20; ++i) {
        for (const std::string part : {"answerup", "answerdown"}) {
            h.type(part + std::to_string(i), h.page.tag(part + std::to_string(i)));
        }
    }
    h.type("answerup2", "2");
    h.type("answerdown2", "4");  // 2/4 is not in lowest terms
    h.type("answerdown3", "");   // the numerator alone is not enough
    h.finish();
    EXPECT_NE(h.page.bodyText().find("(×，正确答案：1/2)（还要约分）"), std::string::npos) << h.page.bodyText();
    EXPECT_EQ(h.record.stored.back().score, 90);
}

}  // namespace
}  // namespace tally
