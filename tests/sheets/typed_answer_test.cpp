// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "sheets/typed_answer.h"
#include "support/harness.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

using test::occurrences;

TEST(TypedAnswer, FoldsFullWidthAsciiAndTrimsBlanksOnly) {
    const struct { const char* typed; const char* folded; } cases[] = {
        {"１２", "12"},
        {"２．６７", "2.67"},
        {"－３", "-3"},
        {"３／４", "3/4"},
        {"！", "!"},                   // U+FF01, the first of the range
        {"～", "~"},                   // U+FF5E, the last
        {"｟", "｟"},                   // U+FF5F lies outside and stays
        {"ＡＢｚ", "ABz"},
        {"　１２　", "12"},            // ideographic spaces at the ends
        {"1　2", "1 2"},               // and inside, where it stays a blank
        {"  12 ", "12"},
        {"\t12", "\t12"},              // only blanks are trimmed
        {"12.0", "12.0"},
        {"１２小时", "12小时"},
        {"", ""},
        {"   ", ""},
        {"\xEF\xBC", "\xEF\xBC"},      // a sequence cut short is left alone
    };
    for (const auto& c : cases) EXPECT_EQ(foldTypedAnswer(c.typed), c.folded) << c.typed;
}

// Blanks at the ends and full width are forgiven, and an equal decimal is
// the same answer; anything else is the child's own text and is wrong.
TEST(TypedAnswer, WidthEndBlanksAndEqualDecimalsAreForgiven) {
    test::Harness h(test::started);
    h.click("q42");
    const struct { const char* before; const char* after; bool fullWidthDigits; bool right; } typed[] = {
        {" ", "", false, true},  {"", "  ", false, true},  {"　", "", true, true},   {"", "", true, true},
        {"0", "", false, false}, {"", ".0", false, true},  {"+", "", false, false}, {"", "．０", false, true},
        {"", "", false, true},
    };
    int right = 0;
    for (int i = 2; i <= 10; ++i) {
        const auto& t = typed[i - 2];
        const std::string field = "answer" + std::to_string(i), tag = h.page.tag(field);
        h.type(field, t.before + (t.fullWidthDigits ? test::fullWidth(tag) : tag) + t.after);
        right += t.right;
    }
    h.finish();
    const std::string html = h.page.bodyHtml();
    EXPECT_EQ(occurrences(html, "(√)"), right);
    EXPECT_EQ(occurrences(html, "(×，正确答案："), 10 - right);
    EXPECT_EQ(h.record.stored.back().right, right);
}

}  // namespace
}  // namespace tally
