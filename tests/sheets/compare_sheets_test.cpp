// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/harness.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

// The whole page is matched, so it holds one answer field, `bj`.
TEST(CompareSheets, OneFieldHoldingTheDifferenceOfTheRows) {
    const struct { int topic, maxCamels; const char* question; } cases[] = {
        {81, 19, "骆驼比兔子多多少"}, {82, 19, "兔子比骆驼少多少"}, {83, 49, "骆驼比兔子多多少"},
        {84, 49, "兔子比骆驼少多少"}};
    const std::regex shape(R"(((?:<img src=flash/t2\.gif>)+)<p>((?:<img src=flash/t3\.gif>)+)<p>)"
                           R"((骆驼比兔子多多少|兔子比骆驼少多少)？<input class=text name=bj type=text size=7 tag=(\d+)>)"
                           R"(<br><br>&nbsp; <input class=button )"
                           R"(name=finish type=button size=7 value=提交答案 tag=十><br><br>)");
    for (const auto& c : cases) {
        test::Harness h;
        h.form->setOption(&SheetOptions::questionCount, 50);  // one question whatever the count
        for (int draw = 0; draw < 100; ++draw) {
            const Sheet sheet = h.build(h.form->families().compare, "&" + std::to_string(c.topic));
            std::smatch m;
            ASSERT_TRUE(std::regex_match(sheet.html, m, shape)) << sheet.html;
            const int camels = test::occurrences(m[1], "<img"), rabbits = test::occurrences(m[2], "<img");
            EXPECT_EQ(m[3], c.question);
            EXPECT_TRUE(camels >= 5 && camels <= c.maxCamels && rabbits >= 2 && camels - rabbits >= 2)
                << camels << " " << rabbits;
            EXPECT_EQ(std::stoi(m[4]), camels - rabbits);
        }
    }
}

}  // namespace
}  // namespace tally
