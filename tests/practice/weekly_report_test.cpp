// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "practice/weekly_report.h"

namespace tally {
namespace {

SheetRow sheet(std::string when, std::string key, int questions, int right, int seconds,
               std::string caption = "") {
    return {std::move(when), key, caption.empty() ? "题目" + key : caption, questions, right,
            questions > 0 ? right * 100 / questions : 0, seconds};
}

// Today is Sunday 20 October 2024: this week is 14–20 October, the week
// before 7–13 October.
const std::vector<SheetRow> kRecord = {
    sheet("2024-10-21 09:00:00", "q13", 10, 10, 30),  // after today
    sheet("2024-10-20 19:00:00", "practice", 20, 19, 200),
    sheet("2024-10-20 08:00:00", "q22", 25, 22, 100),
    sheet("2024-10-18 18:00:00", "q21", 10, 5, 120),
    sheet("2024-10-16 19:00:00", "q13", 10, 8, 90),
    sheet("2024-10-16 18:30:00", "q13", 12, 6, 0),  // handed in untimed
    sheet("2024-10-16 18:00:00", "q11", 10, 8, 70),
    sheet("2024-10-14 18:00:00", "q11", 10, 9, 60),
    sheet("2024-10-13 20:00:00", "practice", 20, 15, 300),
    sheet("2024-10-12 18:00:00", "q22", 10, 9, 50),
    sheet("2024-10-09 19:00:00", "q13", 10, 10, 50),
    sheet("2024-10-09 18:00:00", "q11", 10, 7, 80),
    sheet("2024-10-07 18:00:00", "q11", 10, 6, 100),
    sheet("2024-10-06 18:00:00", "q11", 10, 0, 10),  // two weeks and a day ago
    sheet("no date", "q11", 10, 0, 10),
};

const Day kToday = parseDay("2024-10-20").value();

// The week's figures counted again from the rows, on the dates as text.
WeekFigures countWeek(const std::string& first, const std::string& last, const std::string& key = "") {
    WeekFigures figures;
    std::set<std::string> days;
    for (const SheetRow& row : kRecord) {
        const std::string date = row.when.substr(0, 10);
        if (date < first || date > last || (!key.empty() && row.topicKey != key)) continue;
        days.insert(date);
        ++figures.sheets;
        figures.questions += row.questions;
        figures.right += row.right;
        if (row.seconds == 0) continue;
        figures.seconds += row.seconds;
        figures.timedQuestions += row.questions;
    }
    figures.days = static_cast<int>(days.size());
    return figures;
}

// The week's figures, the topics up and down and what to practise next.
TEST(WeeklyReport, TheWeeksFiguresAreThoseOfTheRowsAndTopicsMoveUpOrDown) {
    const WeeklyReport report = weeklyReport(kRecord, {}, kToday, "小明");
    EXPECT_EQ(report.thisWeek, countWeek("2024-10-14", "2024-10-20"));
    EXPECT_EQ(report.lastWeek, countWeek("2024-10-07", "2024-10-13"));
    EXPECT_NEAR(report.thisWeek.accuracy(), 100.0 * 77 / 97, 1e-9);
    EXPECT_NEAR(report.lastWeek.secondsPerQuestion(), 580.0 / 60, 1e-9);

    std::vector<std::string> keys;
    for (const TopicWeeks& topic : report.topics) {
        keys.push_back(topic.topicKey);
        EXPECT_EQ(topic.thisWeek, countWeek("2024-10-14", "2024-10-20", topic.topicKey)) << topic.topicKey;
        EXPECT_EQ(topic.lastWeek, countWeek("2024-10-07", "2024-10-13", topic.topicKey)) << topic.topicKey;
    }
    // Most questions this week first; the daily practice is no topic.
    EXPECT_EQ(keys, (std::vector<std::string>{"q22", "q13", "q11", "q21"}));

    // q11 from 13/20 to 17/20: up 20 points; q13 from 10/10 to 8/10: down 20;
    // q22 from 90% to 88%: too little to say; q21 is new.
    ASSERT_EQ(report.up.size(), 1u);
    EXPECT_EQ(report.up[0].topicKey, "q11");
    EXPECT_NEAR(report.up[0].change(), 20.0, 1e-9);
    ASSERT_EQ(report.down.size(), 1u);
    EXPECT_EQ(report.down[0].topicKey, "q13");
    // Weighted scores: q21 50; q11 (5·80 + 4·90 + 3·70 + 2·60 + 0) / 15 = 72.7;
    // q13 and q22 both 800 / 9, q13 the slower.
    std::vector<std::string> next;
    for (const NextTopic& topic : report.next) next.push_back(topic.topicKey);
    EXPECT_EQ(next, (std::vector<std::string>{"q21", "q11", "q13"}));
    EXPECT_EQ(report.next[0].sentence, "最近几次平均50分。每天练几道，把错的地方弄明白，会越做越好。");
}

TEST(WeeklyReport, TopicsWithMissesWaitingFillTheListWhenFewAreWeak) {
    const std::vector<SheetRow> good = {sheet("2024-10-19 10:00:00", "q11", 10, 10, 50)};
    const auto item = [](std::string key, std::string question, Day due) {
        ReviewItem review;
        review.question = {std::move(question), "", "1", AnswerForm::One, key, "题目" + key};
        review.due = due;
        return review;
    };
    const std::vector<ReviewItem> due = {item("q5008", "1/2＋1/2＝（　）", kToday - 1), item("q13", "9＋9＝（　）", kToday),
                                         item("q5008", "1/3＋2/3＝（　）", kToday), item("q41", "8÷8＝（　）", kToday + 1)};
    const WeeklyReport report = weeklyReport(good, due, kToday);
    ASSERT_EQ(report.next.size(), 2u);
    EXPECT_EQ(report.next[0].topicKey, "q5008");
    EXPECT_EQ(report.next[0].sentence, "还有2道错题等着再做一次。做对了，这些题就真正学会了。");
    EXPECT_EQ(report.next[1].topicKey, "q13");
}

TEST(WeeklyReport, ThePageIsPrintableAndEscapesWhatTheRecordHolds) {
    std::vector<SheetRow> record = kRecord;
    record.push_back(sheet("2024-10-19 10:00:00", "q7", 10, 3, 50, "a<b>&\"c"));
    ReviewItem column;
    column.question = {"  23\n＋19\n（　）", "32", "42", AnswerForm::One, "q7", "a<b>&\"c"};
    column.due = kToday;
    WeeklyReport report = weeklyReport(record, {column}, kToday, "小<明>");
    report.weekMisses = {column};
    const std::string html = weeklyReportHtml(report);
    EXPECT_NE(html.find("<title>小&lt;明&gt;的每周练习报告</title>"), std::string::npos);
    EXPECT_NE(html.find("a&lt;b&gt;&amp;\"c"), std::string::npos);
    EXPECT_EQ(html.find("a<b>"), std::string::npos);
    EXPECT_NE(html.find("  23／＋19／（　）"), std::string::npos);
    // An empty record still makes a page.
    const std::string empty = weeklyReportHtml(weeklyReport({}, {}, kToday));
    EXPECT_NE(empty.find("这两周没有做过单项的练习。"), std::string::npos);
}

// The week's kinds of error in one sentence, most first, with the child's name;
// the report gives it a section only when there is one.
TEST(WeeklyReportPage, TheWeeksKindsOfErrorInOneSentence) {
    const std::vector<KindCount> kinds{{ErrorKind::Carry, 5}, {ErrorKind::WrongSign, 2}};
    EXPECT_EQ(errorKindsSentence("小明", kinds), "这一周小明有5次忘了进位、2次看错符号。");
    EXPECT_EQ(errorKindsSentence("", {{ErrorKind::NotReduced, 1}}), "这一周有1次没约分。");
    EXPECT_EQ(errorKindsSentence("小明", {}), "");
    WeeklyReport report;
    report.childName = "小明";
    EXPECT_EQ(weeklyReportHtml(report).find("错在哪里"), std::string::npos);
    report.errorKinds = kinds;
    EXPECT_NE(weeklyReportHtml(report).find("这一周小明有5次忘了进位、2次看错符号。"), std::string::npos);
}

}  // namespace
}  // namespace tally
