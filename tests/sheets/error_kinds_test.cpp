// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "sheets/error_kinds.h"

namespace tally {
namespace {

// Wrong answers worked by hand, each the way a child slips, in the texts the
// sheets write (the skills' signs, the drills', a column sum, a 脱式).
TEST(ErrorKinds, HandWorkedSlipsAreNamed) {
    const struct { const char* question; const char* typed; const char* correct; ErrorKind kind; } cases[] = {
        {"38＋25＝（　）", "53", "63", ErrorKind::Carry},              // 8＋5 wrote 3, kept no 1
        {"95+37= （　）", "122", "132", ErrorKind::Carry},              // the ones' carry left out
        {"  768\n +232\n---------\n （　）", "990", "1000", ErrorKind::Carry},
        {"53－17＝（　）", "46", "36", ErrorKind::Borrow},              // 13－7, the 5 left as it was
        {"302－158＝（　）", "254", "144", ErrorKind::Borrow},          // neither borrow taken
        {"52－17＝（　）", "45", "35", ErrorKind::Borrow},              // also smaller from larger: borrow first
        {"53－17＝（　）", "44", "36", ErrorKind::SmallerFromLarger},   // 7－3, 5－1
        {"302－158＝（　）", "256", "144", ErrorKind::SmallerFromLarger},
        {"7×8＝（　）", "54", "56", ErrorKind::TableFact},
        {"7×8＝（　）", "48", "56", ErrorKind::TableFact},
        {"7×8= （　）", "63", "56", ErrorKind::TableFact},
        {"56÷8＝（　）", "6", "7", ErrorKind::TableFact},
        {"34＋5＝（　）", "84", "39", ErrorKind::Misaligned},           // 5 under the 3
        {"345－5＝（　）", "295", "340", ErrorKind::Misaligned},
        {"23×45＝（　）", "207", "1035", ErrorKind::Misaligned},        // 115＋92, the second line not moved
        {"30×20＝（　）", "60", "600", ErrorKind::Zeros},
        {"30×20＝（　）", "6000", "600", ErrorKind::Zeros},
        {"400÷5= （　）", "8", "80", ErrorKind::Zeros},
        {"8＋5＝（　）", "12", "13", ErrorKind::OffByOne},
        {"13－4＝（　）", "10", "9", ErrorKind::OffByOne},
        {"3×4＝（　）", "7", "12", ErrorKind::WrongSign},
        {"12＋3＝（　）", "36", "15", ErrorKind::WrongSign},
        {"64－4×4\n＝\n＝（　）", "52", "48", ErrorKind::OneStep},      // 4×4 taken as 12
        {"34＋18÷6\n＝\n＝（　）", "46", "37", ErrorKind::OneStep},     // 18÷6 read as 18－6
        {"7－7＋9＝（　）", "23", "9", ErrorKind::OneStep},             // 7＋7 first
        {"（25＋15）×2\n＝\n＝（　）", "60", "80", ErrorKind::OneStep}, // 25＋15 with the carry left out
        {"约分：6/72＝", "3/36", "1/12", ErrorKind::NotReduced},
        {"2/10＋6/10＝", "8/10", "4/5", ErrorKind::NotReduced},
        {"3/4＋5/4＝", "8/4", "2", ErrorKind::NotReduced},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(classifyMiss(c.question, c.typed, c.correct), c.kind) << c.question << " typed " << c.typed;
    }
}

// What no rule explains stays simply wrong: far answers, the right one, an
// empty box, answers of questions the rules do not read.
TEST(ErrorKinds, NoRuleNoKind) {
    const struct { const char* question; const char* typed; const char* correct; } cases[] = {
        {"38＋25＝（　）", "1000", "63"}, {"38＋25＝（　）", "63", "63"}, {"38＋25＝（　）", "", "63"},
        {"38＋25＝（　）", "6a", "63"},   {"44÷8＝（　）……（　）", "5……3", "5……4"}, {"（　）＋5＝13", "9", "8"},
        {"5.2+1.3= （　）", "7", "6.5"},  {"2/10＋6/10＝", "7/10", "4/5"}, {"2/10＋6/10＝", "4/5", "4/5"},
        {"钟面上是□时□分。", "8时20分", "8时30分"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(classifyMiss(c.question, c.typed, c.correct), ErrorKind::None) << c.question << " typed " << c.typed;
    }
}

// A seeded sweep: answers 2 to 8 away from the right one, on steps where no
// rule lands that near (the column slips move by tens, a misread sign or a
// lost 0 by far more), are never named.
TEST(ErrorKinds, NearMissesNoRuleReachesStayUnnamed) {
    std::mt19937 draw(34);
    const auto between = [&draw](int low, int high) { return std::uniform_int_distribution<int>(low, high)(draw); };
    for (int i = 0; i < 3000; ++i) {
        int a = between(10, 99), b = between(10, 99);
        std::string sign = "＋";
        long long right = a + b;
        if (i % 3 == 1) {
            sign = "×";
            right = static_cast<long long>(a) * b;
        } else if (i % 3 == 2) {
            // A difference without a borrow: no column slip gives anything but the right answer.
            a = between(200, 999);
            if (a / 10 % 10 == 0) continue;
            b = between(1, a / 10 % 10) * 10 + between(0, a % 10);
            sign = "－";
            right = a - b;
        }
        const int away = between(2, 8) * (between(0, 1) ? 1 : -1);
        const std::string question = std::to_string(a) + sign + std::to_string(b) + "＝（　）";
        EXPECT_EQ(classifyMiss(question, std::to_string(right + away), std::to_string(right)), ErrorKind::None)
            << question << " typed " << right + away;
    }
}

// A question where the mistake can happen at all, for the questions drawn after one.
TEST(ErrorKinds, WhereAMistakeCanHappen) {
    const struct { ErrorKind kind; const char* question; const char* correct; bool can; } cases[] = {
        {ErrorKind::Carry, "38＋25＝（　）", "63", true},          {ErrorKind::Carry, "32＋25＝（　）", "57", false},
        {ErrorKind::Borrow, "53－17＝（　）", "36", true},         {ErrorKind::Borrow, "57－13＝（　）", "44", false},
        {ErrorKind::TableFact, "7×8＝（　）", "56", true},         {ErrorKind::TableFact, "17×8＝（　）", "136", false},
        {ErrorKind::Zeros, "30×20＝（　）", "600", true},          {ErrorKind::Zeros, "3×2＝（　）", "6", false},
        {ErrorKind::OneStep, "64－4×4\n＝\n＝（　）", "48", true}, {ErrorKind::OneStep, "64－4＝（　）", "60", false},
        {ErrorKind::NotReduced, "2/10＋6/10＝", "4/5", true},     {ErrorKind::NotReduced, "1/5＋2/5＝", "3/5", false},
        {ErrorKind::NotReduced, "约分：6/72＝", "1/12", true},    {ErrorKind::NotReduced, "1/2×1/3＝", "1/6", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kindCanHappen(c.kind, c.question, c.correct), c.can) << c.question << " " << errorKindName(c.kind);
    }
}

}  // namespace
}  // namespace tally
