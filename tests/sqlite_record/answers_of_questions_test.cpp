// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "sqlite_record/record_sheets.h"

namespace tally::test {
namespace {

using AnswersOfQuestions = RecordFolder;

AnswerTime timed(const char* field, const char* question, long long ms, const char* key) {
    return {field, key, question, true, ms};
}

// A question's answers under every topic, of one child, newest first; and a
// child's answers from a day on, in the order they were stored.
TEST_F(AnswersOfQuestions, ComeBackAcrossTopicsPerChildAndBeforeADay) {
    SqliteRecord record(file);
    const long long ming = addedChild(record, "小明");
    const long long hong = addedChild(record, "小红");
    const struct {
        const char* when;
        long long child;
        const char* key;
        std::vector<AnswerTime> times;
    } stored[] = {
        {"2026-12-01 08:00:00", ming, "q31", {timed("answer1", "7×8= （　）", 9000, "q31"), timed("answer2", "6×7＝（　）", 5000, "q31")}},
        {"2026-12-02 08:00:00", ming, "k2108", {timed("answer1", "7×8＝（　）", 4000, "k2108")}},
        {"2026-12-02 09:00:00", hong, "k2108", {timed("answer1", "7×8＝（　）", 1000, "k2108")}},
        {"2026-12-03 08:00:00", ming, "practice", {timed("answer1", "7×8＝（　）", 700, "k2108")}},
        {"2026-12-04 08:00:00", ming, "k2108", {timed("answer3", "7×8＝（　）", 2500, "k2108"), timed("answer9", "7×8＝（　）", 2000, "k2108")}},
    };
    for (const auto& each : stored) {
        MarkedSheet sheet = markedSheet(each.when, each.key, {}, each.child);
        sheet.times = each.times;
        ASSERT_TRUE(record.store(sheet)) << record.lastError();
    }
    const std::vector<std::string> texts = {"7×8＝（　）", "6×7＝（　）", "7×8＝（　）", "9×9＝（　）"};
    EXPECT_EQ(record.lastAnswersOf(ming, texts, 2),
              (std::vector<TimedAnswer>{{"2026-12-01 08:00:00", timed("answer2", "6×7＝（　）", 5000, "q31")},
                                        {"2026-12-04 08:00:00", timed("answer9", "7×8＝（　）", 2000, "k2108")},
                                        {"2026-12-04 08:00:00", timed("answer3", "7×8＝（　）", 2500, "k2108")}}));
    EXPECT_EQ(record.lastAnswersOf(ming, {"7×8＝（　）"}, 5, "2026-12-04"),
              (std::vector<TimedAnswer>{{"2026-12-03 08:00:00", timed("answer1", "7×8＝（　）", 700, "k2108")},
                                        {"2026-12-02 08:00:00", timed("answer1", "7×8＝（　）", 4000, "k2108")}}));
    EXPECT_EQ(record.lastAnswersOf(hong, {"7×8= （　）"}, 5), std::vector<TimedAnswer>{});
    EXPECT_EQ(record.answersSince(ming, "2026-12-03"),
              (std::vector<TimedAnswer>{{"2026-12-03 08:00:00", timed("answer1", "7×8＝（　）", 700, "k2108")},
                                        {"2026-12-04 08:00:00", timed("answer3", "7×8＝（　）", 2500, "k2108")},
                                        {"2026-12-04 08:00:00", timed("answer9", "7×8＝（　）", 2000, "k2108")}}));
}

}  // namespace
}  // namespace tally::test
