// SPDX-License-Identifier: GPL-3.0-or-later
// Facts answered right but slowly come back in today's practice, through a
// real record file and the manual clock.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "daily/today_practice.h"
#include "practice/practice_rows.h"
#include "skills/skill_table.h"
#include "sqlite_record/record_sheets.h"
#include "support/file_harness.h"

namespace tally {
namespace {

using test::FileHarness;

const Day kMonday = parseDay("2026-10-12").value();  // a school week of 一年级上学期

// The first skill today's practice has taught.
std::string taughtSkill(FileHarness& h) {
    TopicQuestionSource source(h.data, h.clock, h.form->texts());
    for (const std::string& key : todaySources({h.clock.day, 1, 0}, h.data, source).taught) {
        if (findSkill(key)) return key;
    }
    return "";
}

std::set<std::string> slowOnToday(FileHarness& h) {
    h.form->clickToolbar(kTodayToolbarKey);
    std::set<std::string> slow;
    for (const TodayQuestion& q : h.form->todayPractice().questions) {
        if (q.source == PlanSource::Slow) slow.insert(q.question.question);
    }
    return slow;
}

// Every answer of today's sheet right, `slowly` 9 s after the one before, the others 1 s.
void answerToday(FileHarness& h, const std::string& slowly) {
    const std::vector<TodayQuestion> questions = h.form->todayPractice().questions;
    h.answerAll([&](const FieldAnswer& field) {
        const auto number = std::stoul(field.field.substr(field.field.find_first_of("0123456789")));
        h.clock.ms += questions.at(number - 1).question.question == slowly ? 9000 : 1000;
        return field.answer;
    });
    h.finish();
}

TEST(SlowFactsToday, TheSlowestComeBackAskedAsTheSkillAsksThem) {
    FileHarness h;
    h.start();
    h.clock.day = kMonday;
    const std::string key = taughtSkill(h);
    ASSERT_FALSE(key.empty());
    h.click(key, "口算");
    // The first answer wrong, each later one slower than the one before.
    std::map<std::string, std::string> answerOf;
    long long step = 3500;
    bool first = true;
    h.answerAll([&](const FieldAnswer& field) {
        answerOf[field.field] = field.answer;
        h.clock.ms += step += 100;
        return std::exchange(first, false) ? "999" : field.answer;
    });
    h.finish();
    std::vector<AnswerTime> typed;  // in page order
    for (const TimedAnswer& a : h.file.lastAnswers(kEarlierRecords, key, 1)) typed.push_back(a.answer);
    std::sort(typed.begin(), typed.end(), [](auto& a, auto& b) { return *a.ms < *b.ms; });
    ASSERT_GE(typed.size(), 3u);

    h.clock.day = kMonday + 1;
    // The miss is due as a miss; the places review leaves go to the slowest.
    const std::size_t places = (kPracticeQuestions + 1) / 3 - 1;
    std::set<std::string> slowest;
    for (std::size_t i = typed.size() - 1; i >= 1 && slowest.size() < places; --i) slowest.insert(typed[i].question);
    EXPECT_EQ(slowOnToday(h), slowest);
    for (const TodayQuestion& q : h.form->todayPractice().questions) {
        if (q.question.question == typed[0].question) EXPECT_EQ(q.source, PlanSource::Review);
        for (const AnswerTime& a : typed) {
            if (a.question == q.question.question) EXPECT_EQ(q.question.correct, answerOf[a.field]) << a.question;
        }
    }
    EXPECT_NE(h.page.bodyHtml().find("还不够快"), std::string::npos);
}

TEST(SlowFactsToday, AFactLeavesOnceFluentOnTwoDaysAndThePlanKeepsToItsSeed) {
    FileHarness h;
    h.start();
    h.clock.day = kMonday;
    const std::string key = taughtSkill(h);
    TopicQuestionSource source(h.data, h.clock, h.form->texts());
    const std::vector<MissedQuestion> two = source.draw(key, 2, 1);
    ASSERT_EQ(two.size(), 2u);
    const std::string quick = two[0].question, slow = two[1].question;
    const auto store = [&](Day day, const std::string& question, long long ms) {
        MarkedSheet sheet = test::markedSheet(dayText(day) + " 09:00:00", key);
        sheet.times.push_back({"answer1", key, question, true, ms});
        ASSERT_TRUE(h.file.store(sheet));
    };
    store(kMonday, quick, 8000);
    store(kMonday, slow, 8000);
    store(kMonday + 1, quick, 1000);
    store(kMonday + 1, quick, 1000);  // 熟练 on one day

    h.clock.day = kMonday + 2;
    EXPECT_EQ(slowOnToday(h), (std::set<std::string>{quick, slow}));
    FileHarness again(true, h.folder.path() / "record.sqlite");
    FileHarness same(true, h.folder.path() / "record.sqlite");
    for (FileHarness* other : {&again, &same}) {
        other->start();
        other->clock.day = h.clock.day;
        other->form->clickToolbar(kTodayToolbarKey);
    }
    const auto texts = [](const FileHarness& of) {
        std::vector<std::pair<PlanSource, std::string>> found;
        for (const TodayQuestion& q : of.form->todayPractice().questions) found.emplace_back(q.source, q.question.question);
        return found;
    };
    EXPECT_EQ(texts(again), texts(same)) << "the same seed and record";

    h.form->pageClick(kTodayStartButton);
    answerToday(h, slow);
    h.clock.day = kMonday + 3;
    const std::set<std::string> after = slowOnToday(h);
    EXPECT_TRUE(after.count(slow));
    EXPECT_FALSE(after.count(quick)) << "熟练 on two days";
}

}  // namespace
}  // namespace tally
