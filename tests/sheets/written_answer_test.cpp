// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "sheets/typed_answer.h"
#include "sheets/written_answer.h"

namespace tally {
namespace {

// A typed answer is read as a Chinese input method may write it.
TEST(TypedAnswer, FoldsFullWidthAsciiAndTrimsBlanksOnly) {
    const struct { const char* typed; const char* folded; } cases[] = {
        {"１２", "12"},
        {"3\u22364", "3:4"},            // the ratio sign
        {"\u22120.5", "-0.5"},           // the minus sign
        {"！", "!"},                   // U+FF01, the first of the range
        {"～", "~"},                   // U+FF5E, the last
        {"｟", "｟"},                   // U+FF5F lies outside and stays
        {"ＡＢｚ", "ABz"},
        {"　１２　", "12"},            // ideographic spaces at the ends
        {"1　2", "1 2"},               // and inside, where it stays a blank
        {"  12 ", "12"},
        {"\t12", "\t12"},              // only blanks are trimmed
        {"12.0", "12.0"},
        {"", ""},
        {"   ", ""},
        {"\xEF\xBC", "\xEF\xBC"},      // a sequence cut short is left alone
    };
    for (const auto& c : cases) EXPECT_EQ(foldTypedAnswer(c.typed), c.folded) << c.typed;
}

// Each family of written forms: the forms a teacher takes for the key, and
// the near misses that stay wrong. Typed texts are folded as the sheets fold them.
TEST(WrittenAnswer, EveryFormOfTheValueAndNothingElse) {
    const struct { const char* key; const char* typed; bool right; } cases[] = {
        // Two decimals asked.
        {"3.00", "3", true}, {"3.00", "3.0", true}, {"3.00", "３.００", true}, {"0.60", "0.6", true}, {"34.00", "34", true},
        {"3.00", "3.01", false}, {"3.00", "03", false}, {"3.00", "3.", false}, {"0.60", ".6", false}, {"3.00", "-3", false},
        // Tenths of the decimal drills.
        {"28", "28.0", true}, {"5.2", "5.20", true}, {"28", "28.1", false}, {"28", "280", false},
        // Units of word problems.
        {"23棵", "23（棵）", true}, {"23棵", "23 （ 棵 ）", true}, {"612千克", "612 千克", true}, {"4.6米", "4.60米", true},
        {"23棵", "23米", false}, {"23棵", "23", false}, {"23棵", "23（棵", false}, {"23棵", "23棵棵", false},
        {"23棵", "24（棵）", false}, {"612千克", "612克", false},
        // Anything that is not a number is the text itself.
        {">", ">", true}, {">", "<", false}, {"50%", "50 %", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(writtenAnswerRight(foldTypedAnswer(c.typed), c.key), c.right) << c.key << " typed " << c.typed;
    }
}

// A whole number answers a fraction question with the denominator box empty
// or holding 1; a fraction must be in lowest terms.
TEST(WrittenAnswer, FractionBoxesAgainstTheirKey) {
    const struct { const char* key; const char* up; const char* down; bool right; } cases[] = {
        {"1", "1", "", true},  {"1", "1", "1", true},  {"1/1", "1", "", true},   {"1", "2", "2", false}, {"1", "", "1", false},
        {"1", "1", "2", false}, {"5/6", "5", "6", true}, {"5/6", "5", "", false}, {"5/6", "10", "12", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fractionAnswerRight(c.up, c.down, fractionKeyOf(c.key)), c.right) << c.key << " " << c.up << "/" << c.down;
    }
}

}  // namespace
}  // namespace tally
