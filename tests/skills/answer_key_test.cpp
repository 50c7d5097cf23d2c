// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the new number forms are marked right when typed as a child
// types them, full-width signs included, and wrong for a near miss.
#include <gtest/gtest.h>

#include "sheets/typed_answer.h"
#include "sheets/written_answer.h"
#include "skills/skill_question.h"

namespace tally {
namespace {

struct Typed {
    SkillNumber number;
    const char* key;
    const char* right;
    const char* wrong;
};

TEST(AnswerKeys, TypedAsTaughtAndMarkedByTheSheets) {
    const Typed cases[] = {
        {decimalNumber(350, 2), "3.5", "3.50", "3.05"},
        {roundedNumber(330, 2), "3.30", "3.30", "3.31"},
        {decimalNumber(7, 3), "0.007", "０.００７", "0.07"},
        {percentNumber(125, 1), "12.5%", "12.5％", "12.5"},
        {percentNumber(80, 0), "80%", "80%", "0.8"},
        {ratioNumber(3, 4), "3:4", "３：４", "4:3"},
        {recurringNumber(1, 6), "0.1(6)", "0.1（6）", "0.16"},
        {recurringNumber(4, 11), "0.(36)", "0.(36)", "0.(3)"},
        {recurringNumber(40, 3), "13.(3)", "13.(3)", "13.3"},
        {wholeNumber(-30), "-30", "－30", "30"},
        {decimalNumber(-5, 1), "-0.5", "－0.5", "0.5"},
        {relationNumber(1), ">", "＞", "<"},
        {relationNumber(-1), "<", "＜", ">"},
    };
    for (const auto& c : cases) {
        const std::string key = numberText(c.number);
        EXPECT_EQ(key, c.key);
        EXPECT_TRUE(writtenAnswerRight(foldTypedAnswer(c.right), key)) << key << " " << c.right;
        EXPECT_FALSE(writtenAnswerRight(foldTypedAnswer(c.wrong), key)) << key << " " << c.wrong;
    }
}

}  // namespace
}  // namespace tally
