// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/harness.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

using test::Harness;

// Every answer recomputed from the times the question shows.
TEST(TimeSheets, AnswersFollowFromTheShownTimes) {
    const struct { int topic, minHours, maxHours; } cases[] = {{71, 2, 9}, {72, 11, 108}, {73, 1, 8}, {74, 11, 108}};
    const std::regex line(
        R"(第(\d+)题：(\d+)小时(\d+)分(?:(\d+)秒)?= <input class=text name=answer(\d+) type=text size=7 tag=(\d+)>)");
    for (const auto& c : cases) {
        Harness h;
        h.form->setOption(&SheetOptions::questionCount, 50);
        const std::string html = h.build(h.form->families().time, "$" + std::to_string(c.topic)).html;
        int questions = 0;
        for (std::sregex_iterator it(html.begin(), html.end(), line), end; it != end; ++it) {
            const std::smatch& m = *it;
            EXPECT_TRUE(std::stoi(m[1]) == ++questions && m[5] == m[1]) << m[0];
            const int hours = std::stoi(m[2]), minutes = std::stoi(m[3]);
            EXPECT_TRUE(hours >= c.minHours && hours <= c.maxHours && minutes >= 1 && minutes <= 59) << m[0];
            const int total = c.topic <= 72 ? hours * 60 + minutes : (hours * 60 + minutes) * 60 + std::stoi(m[4]);
            EXPECT_EQ(std::stoi(m[6]), total) << m[0];
        }
        EXPECT_EQ(questions, 50) << c.topic;
    }
}

// "$75"/"$76": hours in r<i>, minutes in answer<i>; only both right score.
TEST(TimeSheets, MinutesToHoursAreJudgedOnBothFields) {
    Harness h(test::started);
    h.form->setOption(&SheetOptions::questionCount, 4);
    for (int minutes : {61, 125, 600, 999}) h.random.push(test::pick(minutes, 939, 61));
    h.click("q75", "时间转换");
    const char* typed[][2] = {{"1", "1"}, {"2", "2小时5分"}, {"10", "0"}, {"15", "39"}};
    for (int i = 0; i < 4; ++i) {
        h.type("r" + std::to_string(i + 1), typed[i][0]);
        h.type("answer" + std::to_string(i + 1), typed[i][1]);
    }
    h.finish();
    const std::string text = h.page.bodyText();
    for (const char* line : {"第1题：61分= 小时 (√)分", "第2题：125分= 小时 (×，正确答案：2小时5分)分",
                             "第3题：600分= 小时 (√)分", "第4题：999分= 小时 (×，正确答案：16小时39分)分"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in " << text;
    }
    EXPECT_EQ(h.record.stored.back().score, 50);
}

}  // namespace
}  // namespace tally
