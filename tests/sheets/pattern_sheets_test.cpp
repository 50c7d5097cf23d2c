// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <numeric>
#include <regex>
#include <string>
#include <vector>

#include "support/harness.h"

namespace tally {
namespace {

// Each topic's rule, checked on the series with its gap filled in: steps of
// one, two, or 3..9; a step of 1..4 and one of 5..9 taking turns; doubling.
bool followsRule(int topic, const std::vector<long>& s) {
    const long first = s[1] - s[0], second = s[2] - s[1];
    for (std::size_t k = 1; k < s.size(); ++k) {
        const long step = s[k] - s[k - 1];
        const bool ok =
            topic == 91   ? step == 1 && s[0] >= 3 && s[0] <= 10
            : topic == 92 ? step == 2 && s[0] >= 4 && s[0] <= 11
            : topic == 93 ? step == first && step >= 3 && step <= 9 && s[0] - step >= 2 && s[0] - step <= 9
            : topic == 94 ? step == (k % 2 ? first : second) && first >= 1 && first <= 4 && second >= 5 && second <= 9
                          : s[k] == 2 * s[k - 1] && s[0] >= 2 && s[0] <= 9;
        if (!ok) return false;
    }
    return true;
}

TEST(PatternSheets, EightItemsTheirRuleAndAGapInside) {
    const std::regex line(R"(第(\d+)题：(.*?)<br><br>)");
    const std::regex item(R"( <input class=text name=answer(\d+) type=text size=7 tag=(\d+)>;|(\d+);)");
    for (int topic = 91; topic <= 95; ++topic) {
        test::Harness h;
        h.form->setOption(&SheetOptions::questionCount, 50);
        const Sheet sheet = h.build(h.form->families().pattern, "*" + std::to_string(topic));
        int questions = 0;
        std::vector<int> gaps(9, 0);
        for (std::sregex_iterator it(sheet.html.begin(), sheet.html.end(), line), end; it != end; ++it, ++questions) {
            const std::string body = (*it)[2];
            std::vector<long> items;
            for (std::sregex_iterator i(body.begin(), body.end(), item), e; i != e; ++i) {
                if ((*i)[1].matched) {
                    EXPECT_EQ((*i)[1], (*it)[1]);
                    ++gaps[items.size() + 1];
                }
                items.push_back(std::stol((*i)[(*i)[1].matched ? 2 : 3]));
            }
            ASSERT_EQ(items.size(), 8u) << body;
            EXPECT_TRUE(followsRule(topic, items)) << topic << ": " << body;
        }
        EXPECT_EQ(questions, 50);
        EXPECT_EQ(std::accumulate(gaps.begin(), gaps.end(), 0), 50) << topic;  // one gap each
        EXPECT_EQ(gaps[1] + gaps[8], 0) << topic;
        for (int gap = 2; gap <= 7; ++gap) EXPECT_GT(gaps[gap], 0) << topic << " never has gap " << gap;
    }
}

}  // namespace
}  // namespace tally
