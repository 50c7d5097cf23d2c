// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <utility>
#include <string>

#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

// Independent answers: the largest number dividing both, the smallest
// multiple of a that b divides.
long largestCommonDivisor(long a, long b) {
    long d = std::min(a, b);
    while (a % d != 0 || b % d != 0) --d;
    return d;
}

long smallestCommonMultiple(long a, long b) {
    long m = a;
    while (m % b != 0) m += a;
    return m;
}

// A sheet asks `count` questions, or every pair once when the range runs out
// of pairs first: 2..12 holds 11 · 10 / 2 = 55.
TEST(DivisorSheets, DrillAnswersRangesAndNoPairTwice) {
    const struct { int topic; long low, high; int count, expected; } cases[] = {
        {7002, 2, 50, 50, 50}, {7003, 10, 200, 50, 50}, {7004, 1, 1000, 50, 50},
        {8002, 2, 12, 60, 55}, {8003, 6, 30, 50, 50},   {8004, 60, 309, 50, 50}};
    const std::regex line(R"(第(\d+)题：(\d+)和(\d+)的最(大公约|小公倍)数 =  )"
                          R"(<input class=text name=answer(\d+) type=text size=7 tag=(\d+)><br><br>)");
    for (const auto& c : cases) {
        Harness h;
        h.form->setOption(&SheetOptions::questionCount, c.count);
        const bool divisor = c.topic < 8000;
        for (int round = 0; round < 20; ++round) {
            const Sheet sheet = h.build(h.form->families().divisors, "{" + std::to_string(c.topic));
            int questions = 0, coprime = 0;
            std::set<std::pair<long, long>> asked;
            for (std::sregex_iterator it(sheet.html.begin(), sheet.html.end(), line), end; it != end; ++it) {
                const std::smatch& m = *it;
                EXPECT_TRUE(std::stoi(m[1]) == ++questions && m[5] == m[1]) << m[0];
                EXPECT_EQ(m[4], divisor ? "大公约" : "小公倍");
                const long a = std::stol(m[2]), b = std::stol(m[3]), answer = std::stol(m[6]);
                EXPECT_TRUE(a != b && a >= c.low && a <= c.high && b >= c.low && b <= c.high) << m[0];
                EXPECT_EQ(answer, divisor ? largestCommonDivisor(a, b) : smallestCommonMultiple(a, b)) << m[0];
                coprime += largestCommonDivisor(a, b) == 1;
                EXPECT_TRUE(asked.emplace(std::min(a, b), std::max(a, b)).second) << "asked twice: " << m[0];
            }
            EXPECT_EQ(questions, c.expected) << c.topic;
            // Divisor drills draw coprime pairs again, multiple drills keep them.
            EXPECT_EQ(coprime == 0, divisor) << c.topic;
        }
    }
}

// The two word problems' revealed answers, recomputed: the longest piece
// divides all three wires, the largest square divides both sides of the field.
TEST(DivisorSheets, WordProblemAnswersAreRight) {
    const long piece = largestCommonDivisor(largestCommonDivisor(24, 18), 30), side = largestCommonDivisor(60, 36);
    const std::pair<const char*, std::string> cases[] = {
        {"q7005", "答：每段最长" + std::to_string(piece) + "米，一共可以截成" +
                      std::to_string(24 / piece + 18 / piece + 30 / piece) + "段。"},
        {"q7006", "答：正方形的边长最长" + std::to_string(side) + "米，能分成" +
                      std::to_string((60 / side) * (36 / side)) + "个这样的正方形场地。"}};
    for (const auto& [key, answer] : cases) {
        Harness h(test::started);
        h.click(key, "约数和倍数");
        h.finish();
        EXPECT_NE(h.page.bodyText().find(answer), std::string::npos) << h.page.bodyText();
    }
}

}  // namespace
}  // namespace tally
