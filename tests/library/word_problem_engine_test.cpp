// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "library/word_problem_engine.h"
#include "base/seeded_random.h"

namespace tally {
namespace {

// The numbers written into a filled question, in order.
std::vector<long long> numbersIn(const std::string& question) {
    std::vector<long long> numbers;
    const std::regex number(R"(-?\d+)");
    for (std::sregex_iterator it(question.begin(), question.end(), number), end; it != end; ++it) {
        numbers.push_back(std::stoll(it->str()));
    }
    return numbers;
}

WordProblem fill(const std::string& line, RandomSource& random) {
    const FilledTemplate filled = fillTemplate(line, random);
    EXPECT_TRUE(filled.problem) << line << ": " << filled.fault;
    return filled.problem.value_or(WordProblem{});
}

// Every value a marker can give, over many draws, is exactly the set
// the range allows: no number outside it, none of it missing.
TEST(WordProblemEngine, RangesGiveExactlyTheirNumbers) {
    const struct { const char* marker; std::set<long long> values; } cases[] = {
        {"(x=3#10)", {4, 6, 8}},
        {"(x=3_10)", {3, 4, 5, 6, 7, 8, 9}},
        {"(x=4#9)", {4, 6, 8}},
        {"(x=7_8)", {7}},
        {"(x=-3_1)", {-3, -2, -1, 0}},
        {"(x=-3#2)", {-2, 0}},
    };
    SeededRandom random(11);
    for (const auto& c : cases) {
        std::set<long long> seen;
        for (int draw = 0; draw < 400; ++draw) {
            const WordProblem problem = fill(std::string("盒子里有") + c.marker + "个球，拿走0个，还有(z=x)个？", random);
            const auto numbers = numbersIn(problem.question);
            ASSERT_EQ(numbers.size(), 2u) << problem.question;
            seen.insert(numbers[0]);
            EXPECT_EQ(problem.answer, std::to_string(numbers[0]) + "个");
        }
        EXPECT_EQ(seen, c.values) << c.marker;
    }
}

TEST(WordProblemEngine, AMultipleOfXIsXTimesAFactorOfTheRange) {
    SeededRandom random(5);
    std::set<long long> ys;
    for (int draw = 0; draw < 300; ++draw) {
        const WordProblem problem = fill("每盒(x=7_8)支笔，(y=x*2_5)支笔能装几盒？要装(z=y/x)盒。", random);
        const auto numbers = numbersIn(problem.question);
        ASSERT_EQ(numbers.size(), 2u) << problem.question;
        ys.insert(numbers[1]);
        EXPECT_EQ(problem.answer, std::to_string(numbers[1] / 7) + "盒");
        EXPECT_EQ(problem.working, std::to_string(numbers[1]) + "/7=" + std::to_string(numbers[1] / 7) + "盒");
    }
    EXPECT_EQ(ys, (std::set<long long>{14, 21, 28}));
}

TEST(WordProblemEngine, TheRemainderFormAsksForWhatIsLeft) {
    SeededRandom random(3);
    for (int draw = 0; draw < 200; ++draw) {
        const WordProblem problem =
            fill("把(x=20_60)颗糖平均分给(y=3_8)个小朋友，最多还剩(z=xqiuuy)颗糖?对吗", random);
        const auto numbers = numbersIn(problem.question);
        ASSERT_EQ(numbers.size(), 2u) << problem.question;
        const long long sweets = numbers[0], children = numbers[1];
        long long left = sweets;
        while (left >= children) left -= children;
        EXPECT_NE(problem.question.find("最多还剩多少颗糖?对吗"), std::string::npos) << problem.question;
        EXPECT_EQ(problem.question.find("qiuu"), std::string::npos);
        EXPECT_EQ(problem.answer, std::to_string(left) + "颗糖");
        EXPECT_EQ(problem.working,
                  std::to_string(sweets) + "除以" + std::to_string(children) + "的余数=" + std::to_string(left) + "颗糖");
    }
}

TEST(WordProblemEngine, TheUnitIsTakenByItsFirstCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"个。", "个"}, {"千米。", "千米"}, {"平方米。", "平方米"}, {"平方厘米。", "平方厘米"}, {"平方", "平方"}, {"", ""}};
    for (const auto& [after, unit] : cases) EXPECT_EQ(answerUnit(after), unit) << after;
}

TEST(WordProblemEngine, ExpressionsWorkingAndLetters) {
    const struct { const char* line; const char* question; const char* answer; const char* working; } cases[] = {
        {"有(x=2_3)个苹果，又买了(y=5_6)个，一共有(z=x+y)个？", "有2个苹果，又买了5个，一共有多少个？", "7个",
         "2+5=7个"},
        {"长(x=7_8)米的绳子对折，每段长(z=x / 2)米。", "长7米的绳子对折，每段长多少米。", "3.5米", "7/2=3.5米"},
        {"(x=2_3)行(y=3_4)列，每格(l=4_5)个，共(z=x * y * l)个", "2行3列，每格4个，共多少个", "24个", "2*3*4=24个"},
        {"(x=4_5)和(x=4_5)相加得(z=x+x)。", "4和4相加得多少。", "8。", "4+4=8。"},
        {"温度(x=-5_-4)度，升高10度后是(z=x+10)度", "温度-5度，升高10度后是多少度", "5度", "(-5)+10=5度"},
        {"(x=999999990_999999991)再加1是(z=x+1)", "999999990再加1是多少", "999999991", "999999990+1=999999991"},
    };
    SeededRandom random(1);
    for (const auto& c : cases) {
        const WordProblem problem = fill(c.line, random);
        EXPECT_EQ(problem.question, c.question);
        EXPECT_EQ(problem.answer, c.answer) << c.line;
        EXPECT_EQ(problem.working, c.working) << c.line;
    }
}

// A template that can't be filled says why, at once: no draw goes on forever.
TEST(WordProblemEngine, BrokenTemplatesAreRefusedWithAReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"(x=3#4)个(z=x)个", "没有双数"},
        {"(x=10_3)个(z=x)个", "范围里没有数"},
        {"(x=5_5)个(z=x)个", "范围里没有数"},
        {"(x=5#5)个(z=x)个", "范围里没有数"},
        {"(x=5)个(z=x)个", "没有“_”或“#”"},
        {"(x=a_5)个(z=x)个", "数不对"},
        {"(x=1_9999999999)个(z=x)个", "数不对"},
        {"(x=1_5)个(y=2_3(z=x)个", "少了“)”"},  // the y took the z's bracket
        {"(x=1_5)个(y=2_", "少了“)”"},
        {"(x=1_5)个，(z=x/0)个", "算不出来"},
        {"(x=1_5)个，(z=x+q)个", "算不出来"},
        {"(x=1_5)个，(l=1_2)个，(z=x+l)个", "算不出来"},  // l is drawn only with a y
        {"(x=1_5)个，(z=xqiuuy)个?", "没有y"},
        {"(x=1_5)个，(y=0_1)个，(z=xqiuuy)个?", "除数是0"},
        {"(x=999999998_999999999)(y=x*999999998_999999999)(z=x*y)", "太大"},
        {"(x=1_5)个，共(z=x+1个", "少了“)”"},
    };
    SeededRandom random(2);
    for (const auto& [line, reason] : cases) {
        const FilledTemplate filled = fillTemplate(line, random);
        EXPECT_FALSE(filled.problem) << line;
        EXPECT_NE(filled.fault.find(reason), std::string::npos) << line << ": " << filled.fault;
    }
}

}  // namespace
}  // namespace tally
