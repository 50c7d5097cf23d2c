// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "practice/review_schedule.h"

namespace tally {
namespace {

Day day(const std::string& text) { return parseDay(text).value(); }

const std::map<std::string, MissedQuestion> kQuestions = {
    {"A", {"35＋27＝（　）", "52", "62", AnswerForm::One, "q13", "100以内加法"}},
    {"B", {"7＋8＝（　）", "14", "15", AnswerForm::One, "q11", "20以内加法"}},
    {"C", {"1/2＋1/3＝（　）", "2/5", "5/6", AnswerForm::Fraction, "q5008", "分数加法"}},
    {"D", {"6＋9＝（　）", "14", "15", AnswerForm::One, "q11", "20以内加法"}},
};

// What happens on a day of the month, after the day's due list is read:
// "A-" a miss, "A+" a right answer on the daily practice.
struct ScriptDay {
    int dayOfMonth;
    std::string due;      // the due list of that morning, in order
    std::string answers;  // the day's answers, in order
};

// October 2024, worked out by hand from the rule: a miss comes back after 1
// day; right answers after 3, 7 and 16 days; the fourth right answer in a
// row leaves; a wrong answer restarts at 1 day; an early right answer does
// not count. Day 32 is 1 November.
const std::vector<ScriptDay> kMonth = {
    {1, "", "A- B-"},     {2, "B A", "A+ B+"},  {3, "", "C-"},        {4, "C", "A+"},
    {5, "C B A", "A+ B-"}, {6, "C B", "B+"},    {7, "C", ""},         {8, "C", ""},
    {9, "C B", "B+"},     {10, "C", "C+"},      {11, "", ""},         {12, "A", "A+"},
    {13, "C", "C+ C+"},   {14, "", ""},         {15, "", ""},         {16, "B", "B+"},
    {17, "", ""},         {19, "", ""},         {20, "C", "C-"},      {21, "C", "C+ D-"},
    {22, "D", ""},        {23, "D", ""},        {24, "D C", ""},      {27, "D C", ""},
    {28, "D C A", "A+"},  {29, "D C", ""},      {31, "D C", ""},      {32, "D C B", "B+"},
    {48, "D C", ""},
};

std::string names(const std::vector<ReviewItem>& items) {
    std::string text;
    for (const ReviewItem& item : items) {
        for (const auto& [name, question] : kQuestions) {
            if (question.topicKey == item.question.topicKey && question.question == item.question.question) {
                text += (text.empty() ? "" : " ") + name;
            }
        }
    }
    return text;
}

Day octoberDay(int dayOfMonth) { return day("2024-10-01") + dayOfMonth - 1; }

// Every answer of the script as an event of the record, the day's answers a
// minute apart.
std::vector<ReviewEvent> scriptEvents() {
    std::vector<ReviewEvent> events;
    for (const ScriptDay& script : kMonth) {
        std::istringstream answers(script.answers);
        std::string answer;
        for (int minute = 10; answers >> answer; ++minute) {
            events.push_back({dayText(octoberDay(script.dayOfMonth)) + " 19:" + std::to_string(minute) + ":00",
                              kQuestions.at(answer.substr(0, 1)), answer[1] == '+'});
        }
    }
    return events;
}

// Rebuilt from the month's history (a date that is none skipped) or from its
// stored rows, the schedule is the one kept day by day.
TEST(ReviewSchedule, AScriptedMonthComesBackAfterOneThreeSevenAndSixteenDays) {
    ReviewSchedule schedule;
    for (const ScriptDay& script : kMonth) {
        const Day today = octoberDay(script.dayOfMonth);
        EXPECT_EQ(names(schedule.due(today)), script.due) << dayText(today);
        EXPECT_EQ(schedule.dueCount(today), static_cast<int>(schedule.due(today).size()));
        std::istringstream answers(script.answers);
        std::string answer;
        while (answers >> answer) schedule.answered(today, kQuestions.at(answer.substr(0, 1)), answer[1] == '+');
    }
    // A and B were answered right four times on their days and are learned.
    EXPECT_EQ(schedule.find({"q13", kQuestions.at("A").question}), nullptr);
    EXPECT_EQ(schedule.find({"q11", kQuestions.at("B").question}), nullptr);
    const ReviewItem* c = schedule.find({"q5008", kQuestions.at("C").question});
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->rightInARow, 1);  // restarted on the 20th, right on the 21st
    EXPECT_EQ(dayText(c->due), "2024-10-24");
    EXPECT_EQ(schedule.size(), 2u);

    std::vector<ReviewEvent> history = scriptEvents();
    history.push_back({"2024-13-01 10:00:00", kQuestions.at("A"), false});
    EXPECT_EQ(rebuildSchedule(history).items(), schedule.items());
    EXPECT_EQ(ReviewSchedule(schedule.items()).items(), schedule.items());
    for (const ScriptDay& script : kMonth) {
        const Day today = octoberDay(script.dayOfMonth);
        EXPECT_EQ(dueFromHistory(history, today), schedule.due(today)) << dayText(today);
    }
}

TEST(ReviewSchedule, AMissKeepsItsLatestWordingAndAnswer) {
    ReviewSchedule schedule;
    MissedQuestion miss = kQuestions.at("B");
    schedule.missed(day("2024-10-01"), miss);
    miss.typed = "16";
    schedule.answered(day("2024-10-03"), miss, false);
    const ReviewItem* item = schedule.find({"q11", miss.question});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->question.typed + " " + dayText(item->due), "16 2024-10-04");
    // A right answer to a question that was never missed adds nothing.
    schedule.answered(day("2024-10-03"), kQuestions.at("A"), true);
    EXPECT_EQ(schedule.size(), 1u);
}

// The history is taken in the order the record stored it, whatever the
// times say: a sheet stored later under an earlier day (a clock set back,
// --today) comes after the others, as the record's kept copy takes it.
TEST(ReviewSchedule, TheHistoryIsTakenInTheOrderItWasStored) {
    const MissedQuestion a = kQuestions.at("A");
    const struct {
        std::vector<ReviewEvent> history;
        const char* dueOnThe20th;  // due date of A, worked out by hand
    } cases[] = {
        // Missed on the 10th, right on the 11th (due): next on the 14th.
        {{{"2024-10-10", a, false}, {"2024-10-11", a, true}}, "2024-10-14"},
        // Right "on the 5th" stored after the miss of the 10th: early, it
        // does not count; the miss stands, due on the 11th.
        {{{"2024-10-10", a, false}, {"2024-10-05", a, true}}, "2024-10-11"},
        // A miss stored last under the 1st restarts it from the 1st.
        {{{"2024-10-10", a, false}, {"2024-10-11", a, true}, {"2024-10-01", a, false}}, "2024-10-02"},
    };
    for (const auto& c : cases) {
        const std::vector<ReviewItem> due = dueFromHistory(c.history, day("2024-10-20"));
        ASSERT_EQ(due.size(), 1u);
        EXPECT_EQ(dayText(due[0].due), c.dueOnThe20th);
        EXPECT_EQ(rebuildSchedule(c.history).items(), due);
    }
}

TEST(ReviewSchedule, TheDueListIsCutAndNeverHoldsAQuestionThatCannotBeAskedAgain) {
    ReviewSchedule schedule;
    const Day today = day("2024-10-10");
    std::vector<ReviewEvent> history;
    for (int i = 0; i < 9; ++i) {
        // Missed on the 1st…9th; every third cannot be asked again.
        MissedQuestion miss{"第" + std::to_string(i + 1) + "题", "", "1", i % 3 ? AnswerForm::One : AnswerForm::None,
                            "q" + std::to_string(20 - i), ""};
        schedule.missed(day("2024-10-01") + i, miss);
        history.push_back({dayText(day("2024-10-01") + i), miss, false});
    }
    EXPECT_EQ(schedule.due(today).size(), 6u);
    EXPECT_EQ(schedule.dueCount(today), 6);
    const std::vector<ReviewItem> firstThree = schedule.due(today, {3});
    std::string asked;
    for (const ReviewItem& item : firstThree) asked += item.question.question;
    EXPECT_EQ(asked, "第2题第3题第5题");
    EXPECT_EQ(dueOf(schedule.items(), today, {3}), firstThree);
    EXPECT_EQ(dueFromHistory(history, today, {3}), firstThree);
    EXPECT_EQ(dueFromHistory(history, today).size(), 6u);
}

}  // namespace
}  // namespace tally
