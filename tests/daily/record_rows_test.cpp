// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "daily/record_rows.h"
#include "sqlite_record/record_sheets.h"

namespace tally {
namespace {

// The record's kept copy of the review schedule, brought up to date a few
// sheets at a time, must say what the whole history says at every step; the
// plain list of sheets (which keeps no copy) works it out from the history.
// A second child misses the same questions in the same file between them:
// the first child's schedule must not see them.
// The sheets' days run with their ids, or disagree with them (a clock set
// back, --today): both ways must take the sheets in one order.
TEST(KeptReview, CaughtUpStepByStepItSaysWhatTheWholeHistorySays) {
    for (const bool daysDisagree : {false, true}) {
        SCOPED_TRACE(daysDisagree ? "days out of the order stored" : "days in the order stored");
        const test::TempFolder folder;
        SqliteRecord file(folder.path() / "record.sqlite");
        const long long first = test::addedChild(file, "甲", 2), second = test::addedChild(file, "乙", 2);
        test::RecordingRecord plain;
        std::mt19937 draw(11);
        const Day start = parseDay("2026-09-01").value();
        std::vector<int> dayOf(40);
        std::iota(dayOf.begin(), dayOf.end(), 0);
        if (daysDisagree) std::shuffle(dayOf.begin(), dayOf.end(), std::mt19937(5));
        // Twelve questions of two topics, missed on drills and answered on
        // practices over forty days; the copy is brought up to date on some days.
        for (int day = 0; day < 40; ++day) {
            const bool practice = day % 3 != 0;
            MarkedSheet sheet = test::markedSheet(dayText(start + dayOf[day]) + " 18:00:00", practice ? kPracticeKey : "q13",
                                                  {}, first);
            for (int q = 0; q < 12; ++q) {
                if (draw() % 4 != 0) continue;
                const std::string topic = q < 6 ? "q13" : "q71";
                const MissedQuestion question{
                    std::to_string(q) + "+1= （　）", "0", std::to_string(q + 1), AnswerForm::One, topic, "题目"};
                const bool right = practice && draw() % 3 != 0;
                if (!right) sheet.missed.push_back(question);
                if (practice) sheet.answered.push_back({topic, "题目", question.question, right, true});
            }
            ASSERT_TRUE(file.store(sheet));
            plain.store(sheet);
            MarkedSheet others = sheet;
            others.childId = second;
            others.missed.push_back({"0+1= （　）", "0", "1", AnswerForm::One, "q13", "题目"});
            ASSERT_TRUE(file.store(others));
            // Each child's copy is kept: the second child's moves on too.
            if (day % 5 == 0) {
                ASSERT_TRUE(dueMisses(file, second, start + day));
            }
            if (draw() % 3 != 0) continue;
            SCOPED_TRACE(sheet.when);
            for (const Day today : {start + day, start + day + 1, start + day + 5, start + day + 30}) {
                int keptCount = -1, plainCount = -1;
                const auto kept = dueMisses(file, first, today, {}, &keptCount);
                const auto whole = dueMisses(plain, first, today, {}, &plainCount);
                ASSERT_TRUE(kept && whole);
                EXPECT_EQ(*kept, *whole);
                EXPECT_EQ(keptCount, plainCount);
                EXPECT_EQ(*dueMisses(file, first, today, {3}),
                          std::vector<ReviewItem>(whole->begin(),
                                                  whole->begin() + std::min<std::size_t>(3, whole->size())));
            }
        }
        EXPECT_GT(file.reviewStanding(first).value_or(ReviewStanding{}).through, 0);
    }
}

MarkedSheet missedOn(Day day, int question, long long childId) {
    return test::markedSheet(dayText(day) + " 18:00:00", "q13",
                             {test::askable(std::to_string(question) + "+1= （　）", std::to_string(question + 1))}, childId);
}

// 以前的记录 given to a child by another program while the child's review is
// caught up: the catch-up read the child's sheets before the gift, so it
// must not keep its copy; it starts again and takes the gift in. (A copy
// made from nothing is read and kept at once: this one has taken in a sheet.)
TEST(KeptReview, SheetsGivenDuringACatchUpAreTakenIn) {
    const test::TempFolder folder;
    SqliteRecord practising(folder.path() / "record.sqlite");
    SqliteRecord parents(folder.path() / "record.sqlite");
    const long long child = test::addedChild(parents, "甲", 2);
    const Day start = parseDay("2026-09-01").value();
    test::RecordingRecord plain;  // the child's sheets after the gift, in the order stored
    for (int i = 0; i < 25; ++i) {
        ASSERT_TRUE(practising.store(missedOn(start + i, i, i < 20 ? kEarlierRecords : child)));
        plain.store(missedOn(start + i, i, child));
        if (i == 20) {
            ASSERT_TRUE(catchUpReview(practising, child));
        }
    }
    int gifts = 0;
    ASSERT_TRUE(catchUpReview(practising, child, [&] {
        if (gifts++ == 0) {
            ASSERT_EQ(parents.giveEarlierSheets(child), "");
        }
    }));
    EXPECT_EQ(gifts, 1) << "started again, from nothing";
    for (const Day today : {start + 3, start + 22, start + 100}) {
        int keptCount = -1, plainCount = -1;
        const auto kept = dueMisses(practising, child, today, {}, &keptCount);
        ASSERT_TRUE(kept);
        EXPECT_EQ(*kept, *dueMisses(plain, child, today, {}, &plainCount));
        EXPECT_EQ(keptCount, plainCount);
    }
    EXPECT_EQ(dueMisses(practising, child, start + 100)->size(), 25u) << "every miss, none answered";
}

}  // namespace
}  // namespace tally
