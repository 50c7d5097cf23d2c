// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "sheets/typed_answer.h"

namespace tally {
namespace {

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

}  // namespace
}  // namespace tally
