// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/gbk.h"
#include "base/text.h"

namespace tally {
namespace {

// Bad bytes read as replacement characters; text without a GBK form is refused.
TEST(Gbk, BadBytesAndTextWithoutAGbkForm) {
    EXPECT_EQ(gbkToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(gbkToUtf8("a\xD0"), "a\xEF\xBF\xBD");  // a lead byte cut off at the end
    EXPECT_FALSE(utf8ToGbk("\xF0\x9F\x98\x80"));  // an emoji
}

TEST(Text, SplitsAtLfWithOrWithoutCr) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\nb\r\n"), (Lines{"a", "b", ""}));
    EXPECT_EQ(splitLines("a\rb\n"), (Lines{"a\rb", ""}));
    EXPECT_EQ(splitLines("a\r"), (Lines{"a"}));
    EXPECT_EQ(splitLines(""), (Lines{""}));
}

TEST(Text, ReplaceAllReplacesEveryOccurrence) {
    EXPECT_EQ(replaceAll("a\r\nb\r\n", "\r\n", "<br>"), "a<br>b<br>");
    EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace tally
