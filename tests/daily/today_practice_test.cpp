// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "daily/mastery_marks.h"
#include "daily/today_practice.h"
#include "practice/practice_rows.h"
#include "sheets/worksheet.h"
#include "sqlite_record/record_sheets.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

const Day kMonday = parseDay("2026-10-12").value();  // a school week of 一年级上学期

MarkedSheet sheetOn(const std::string& when, const std::string& key, int right, int questions = 10) {
    MarkedSheet sheet = test::markedSheet(when, key);
    sheet.questions = questions, sheet.right = right, sheet.score = right * 100 / questions;
    return sheet;
}

// The answer of "a+b= （　）", "a－b＝（　）" and the like, worked out here;
// nothing for other questions.
std::optional<std::string> sumAnswer(const std::string& question) {
    std::smatch parts;
    if (!std::regex_match(question, parts, std::regex(R"((\d+)(\+|-|＋|－)(\d+)(=|＝) ?（　）)"))) return std::nullopt;
    const int a = std::stoi(parts[1]), b = std::stoi(parts[3]);
    return std::to_string(parts[2] == "+" || parts[2] == "＋" ? a + b : a - b);
}

// Answers every field of the practice sheet right, except the questions
// numbered in `wrong` (from 1).
void answerPractice(Harness& h, const std::set<int>& wrong = {}) {
    for (const FieldAnswer& field : worksheetAnswers(AnswerStyle::Mixed, h.page.bodyHtml())) {
        const int number = std::stoi(std::regex_replace(field.field, std::regex(R"(\D)"), ""));
        h.type(field.field, wrong.count(number) ? "999999" : field.answer);
    }
}

void startPractice(Harness& h) {
    h.form->clickToolbar(kTodayToolbarKey);
    ASSERT_TRUE(h.page.has(kTodayStartButton)) << h.page.bodyHtml();
    h.form->pageClick(kTodayStartButton);
    ASSERT_TRUE(h.form->practiceOnPage());
}

TEST(TodayPractice, AnEmptyRecordGivesThisWeeksLesson) {
    Harness h(test::started);
    h.clock.day = kMonday;
    h.form->clickToolbar(kTodayToolbarKey);
    const TodayPractice& practice = h.form->todayPractice();
    ASSERT_EQ(practice.questions.size(), static_cast<std::size_t>(kPracticeQuestions));
    std::set<PlanSource> sources;
    int checked = 0;
    const auto& drills = practice.lesson.drillKeys;
    for (const TodayQuestion& q : practice.questions) {
        sources.insert(q.source);
        EXPECT_NE(q.question.form, AnswerForm::None);
        if (const auto answer = sumAnswer(q.question.question)) {
            EXPECT_EQ(q.question.correct, *answer) << q.question.question;
            ++checked;
        }
        const bool ofTheLesson = std::find(drills.begin(), drills.end(), q.question.topicKey) != drills.end();
        EXPECT_TRUE(q.source != PlanSource::Lesson || ofTheLesson) << q.question.topicKey;
    }
    EXPECT_GT(checked, 0);
    EXPECT_TRUE(sources.count(PlanSource::Lesson)) << "the week's lesson";
}

// Every question's result is kept for its own topic; a wrong one is a miss of
// its topic, a due miss answered right leaves the re-drill list.
TEST(TodayPractice, TheMarkedSheetKeepsEachResultForItsTopic) {
    Harness h(test::started);
    h.clock.day = kMonday;
    h.record.store(sheetOn("2026-10-10 09:00:00", "q13", 4));
    h.record.stored.back().missed.push_back({"12+5= （　）", "16", "17", AnswerForm::One, "q13", "100以内加法"});
    startPractice(h);
    const TodayPractice practice = h.form->todayPractice();
    int reviewNumber = 0;
    for (std::size_t i = 0; i < practice.questions.size(); ++i) {
        if (practice.questions[i].source == PlanSource::Review) reviewNumber = static_cast<int>(i) + 1;
    }
    ASSERT_GT(reviewNumber, 0);
    const int wrongNumber = reviewNumber == 1 ? 2 : 1;
    answerPractice(h, {wrongNumber});
    h.finish();
    ASSERT_EQ(h.record.stored.size(), 2u);
    const MarkedSheet& kept = h.record.stored.back();
    EXPECT_EQ(kept.topicKey, kPracticeKey);
    EXPECT_EQ(kept.right, kept.questions - 1);
    ASSERT_EQ(kept.answered.size(), practice.questions.size());
    for (std::size_t i = 0; i < kept.answered.size(); ++i) {
        const AnsweredQuestion& a = kept.answered[i];
        EXPECT_EQ(a.topicKey, practice.questions[i].question.topicKey);
        EXPECT_EQ(a.right, static_cast<int>(i) + 1 != wrongNumber);
        EXPECT_EQ(a.review, static_cast<int>(i) + 1 == reviewNumber);
    }
    ASSERT_EQ(kept.missed.size(), 1u);
    EXPECT_EQ(kept.missed[0].topicKey, practice.questions[wrongNumber - 1].question.topicKey);
    EXPECT_EQ(kept.missed[0].question, practice.questions[wrongNumber - 1].question.question);
    ASSERT_EQ(kept.mended.size(), 1u);
    EXPECT_EQ(kept.mended[0].question, "12+5= （　）");
}

TEST(TodayPractice, APractisedChildStartsWithTodaysPracticeAndANewOneWithTheIntroduction) {
    for (const bool practised : {false, true}) {
        Harness h;
        h.clock.day = kMonday;
        if (practised) h.record.store(sheetOn("2026-10-10 09:00:00", "q13", 8));
        h.start();
        h.tick(kStartPageTimer);
        EXPECT_EQ(h.page.has(kTodayStartButton), practised) << h.page.bodyHtml();
    }
}

// Done means a practice sheet of today is in the record: then the page says
// so with the run of days, and offers more only as one more set. (The first
// page of the day is this page; which day is done, the streak's test.)
TEST(TodayPractice, OnceTodaysIsMarkedThePageSaysDoneWithTheRunOfDays) {
    Harness h(test::started);
    h.clock.day = kMonday;
    for (const char* when : {"2026-10-10 09:00:00", "2026-10-11 09:00:00"}) {
        h.record.store(sheetOn(when, kPracticeKey, 20, 20));
    }
    startPractice(h);
    EXPECT_FALSE(h.page.has("todaydone"));
    answerPractice(h);
    h.finish();

    h.form->clickToolbar(kTodayToolbarKey);
    const std::string done = h.page.bodyHtml();
    EXPECT_NE(done.find("今天的练习做完了 ✓"), std::string::npos) << done;
    EXPECT_NE(done.find("已经连续练习3天"), std::string::npos) << done;
    EXPECT_FALSE(h.page.has(kTodayStartButton));
    ASSERT_TRUE(h.page.has(kTodayMoreButton));
    h.form->pageClick(kTodayMoreButton);
    EXPECT_TRUE(h.form->practiceOnPage());
}

TEST(MasteryMarks, PractisedTopicsGetTheirMarkAndTheOptionTakesThemAwayAtOnce) {
    Harness h(test::started);
    // q11 three times at 90 and more in its usual time; q12 last below 60; q13 once at 80.
    for (const char* day : {"2026-10-01", "2026-10-02", "2026-10-03"}) {
        h.record.store(sheetOn(std::string(day) + " 08:00:00", "q11", 10));
    }
    h.record.store(sheetOn("2026-10-03 08:00:00", "q12", 5));
    h.record.store(sheetOn("2026-10-03 08:00:00", "q13", 8));
    h.form->clickTab("加减乘除");
    const auto badges = [&h] {
        std::map<std::string, NodeBadge> found;
        for (const TopicNode& node : h.form->tree().nodes()) {
            if (!node.badge.empty()) found[node.key] = node.badge;
        }
        return found;
    };
    const std::map<std::string, NodeBadge> expected = {{"q11", {"熟练", BadgeTone::Good}},
                                                       {"q12", {"要加油", BadgeTone::Effort}},
                                                       {"q13", {"练过", BadgeTone::Plain}}};
    EXPECT_EQ(badges(), expected);
    h.form->setOption(&SheetOptions::masteryMarks, false);
    EXPECT_TRUE(badges().empty());
    h.form->setOption(&SheetOptions::masteryMarks, true);
    EXPECT_EQ(badges(), expected);
}

}  // namespace
}  // namespace tally
