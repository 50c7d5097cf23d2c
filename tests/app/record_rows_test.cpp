#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "app/record_rows.h"
#include "progress/sqlite_record.h"
#include "support/recording_record.h"
#include "support/temp_folder.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

// The record's kept copy of the review schedule, brought up to date a few
// sheets at a time, must say what the whole history says at every step; the
// plain list of sheets (which keeps no copy) works it out from the history.
// A second child misses the same questions in the same file between them:
// the first child's schedule must not see them.
TEST(KeptReview, CaughtUpStepByStepItSaysWhatTheWholeHistorySays) {
    const test::TempFolder folder;
    {
        SqliteRecord file(folder.path() / "record.sqlite");
        ASSERT_EQ(file.addChild("甲", 2), "");
        ASSERT_EQ(file.addChild("乙", 2), "");
        const long long first = file.children()[0].id, second = file.children()[1].id;
        test::RecordingRecord plain;
        std::mt19937 draw(11);
        const Day start = parseDay("2026-09-01").value();
        // Twelve questions of two topics, missed on drills and answered on
        // practices over forty days; the copy is brought up to date on some days.
        for (int day = 0; day < 40; ++day) {
            MarkedSheet sheet;
            sheet.when = dayText(start + day) + " 18:00:00";
            const bool practice = day % 3 != 0;
            sheet.topicKey = practice ? kPracticeKey : "q13";
            for (int q = 0; q < 12; ++q) {
                if (draw() % 4 != 0) continue;
                const std::string topic = q < 6 ? "q13" : "q71";
                const MissedQuestion question{std::to_string(q) + "+1= （　）", "0", std::to_string(q + 1),
                                              AnswerForm::One, topic, "题目"};
                const bool right = practice && draw() % 3 != 0;
                if (!right) sheet.missed.push_back(question);
                if (practice) sheet.answered.push_back({topic, "题目", question.question, right, true});
            }
            sheet.childId = first;
            ASSERT_TRUE(file.store(sheet));
            plain.store(sheet);
            MarkedSheet others = sheet;
            others.childId = second;
            others.missed.push_back({"0+1= （　）", "0", "1", AnswerForm::One, "q13", "题目"});
            ASSERT_TRUE(file.store(others));
            // Each child's copy is kept: the second child's moves on too.
            file.showChild(second);
            if (day % 5 == 0) {
                ASSERT_TRUE(dueMisses(file, start + day));
            }
            file.showChild(first);
            if (draw() % 3 != 0) continue;
            SCOPED_TRACE(sheet.when);
            for (const Day today : {start + day, start + day + 1, start + day + 5, start + day + 30}) {
                int keptCount = -1, plainCount = -1;
                const auto kept = dueMisses(file, today, {}, &keptCount);
                const auto whole = dueMisses(plain, today, {}, &plainCount);
                ASSERT_TRUE(kept && whole);
                EXPECT_EQ(*kept, *whole);
                EXPECT_EQ(keptCount, plainCount);
                EXPECT_EQ(*dueMisses(file, today, {3, true}), std::vector<ReviewItem>(
                                                                  whole->begin(), whole->begin() + std::min<std::size_t>(3, whole->size())));
            }
        }
        EXPECT_GT(file.reviewThrough().value_or(0), 0);
    }
}

}  // namespace
}  // namespace tally
