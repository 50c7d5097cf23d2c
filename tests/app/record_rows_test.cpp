#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "app/record_rows.h"
#include "progress/sqlite_record.h"
#include "support/recording_record.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

// The record's kept copy of the review schedule, brought up to date a few
// sheets at a time, must say what the whole history says at every step; the
// plain list of sheets (which keeps no copy) works it out from the history.
TEST(KeptReview, CaughtUpStepByStepItSaysWhatTheWholeHistorySays) {
    char pattern[] = "/tmp/tallymoo-kept-review-XXXXXX";
    const fs::path dir = mkdtemp(pattern);
    {
        SqliteRecord file(dir / "record.sqlite");
        test::RecordingRecord plain;
        std::mt19937 draw(11);
        const Day first = parseDay("2026-09-01").value();
        // Twelve questions of two topics, missed on drills and answered on
        // practices over forty days; the copy is brought up to date on some days.
        for (int day = 0; day < 40; ++day) {
            MarkedSheet sheet;
            sheet.when = dayText(first + day) + " 18:00:00";
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
            ASSERT_TRUE(file.store(sheet));
            plain.store(sheet);
            if (draw() % 3 != 0) continue;
            SCOPED_TRACE(sheet.when);
            for (const Day today : {first + day, first + day + 1, first + day + 5, first + day + 30}) {
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
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
}  // namespace tally
