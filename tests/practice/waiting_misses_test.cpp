// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>


#include "practice/waiting_misses.h"

namespace tally {
namespace {

MissedQuestion question(const std::string& text, AnswerForm form = AnswerForm::One) {
    return {text, "", "9", form, "q11", "10以内加法"};
}

// Misses and right answers of the daily practice, in the order stored. The
// week of the report is 8–14 December 2026, today the 14th. Worked out by
// hand from the rule (back after 1 day, then 3, 7, 16 while right when due;
// learned at the fourth; a miss starts again):
//   A missed 20 Nov, right 21 Nov, 24 Nov, 1 Dec: waits, due 17 Dec.
//   B missed 1 Nov, right 2, 5, 12 and 28 Nov: learned.
//   C missed 9 Dec, right 10 Dec (due), 11 Dec (early): waits, due 13 Dec.
//   D missed 12 Dec and again 14 Dec: waits, due 15 Dec.
//   E missed 13 Dec, a card hand that cannot be asked again: never waits.
//   F missed 7 Dec, the day before the week: waits, due 8 Dec.
//   H missed 10 Nov, missed again on the practice 10 Dec: waits, due 11 Dec.
const std::vector<std::pair<std::string, std::string>> kAnswers = {
    {"2026-11-01", "B-"}, {"2026-11-02", "B+"}, {"2026-11-05", "B+"}, {"2026-11-10", "H-"},
    {"2026-11-12", "B+"}, {"2026-11-20", "A-"}, {"2026-11-21", "A+"}, {"2026-11-24", "A+"},
    {"2026-11-28", "B+"}, {"2026-12-01", "A+"}, {"2026-12-07", "F-"}, {"2026-12-09", "C-"},
    {"2026-12-10", "C+"}, {"2026-12-10", "H-"}, {"2026-12-11", "C+"}, {"2026-12-12", "D-"},
    {"2026-12-13", "E-"}, {"2026-12-14", "D-"},
};

std::vector<ReviewEvent> history() {
    std::vector<ReviewEvent> events;
    for (const auto& [day, answer] : kAnswers) {
        const AnswerForm form = answer[0] == 'E' ? AnswerForm::None : AnswerForm::One;
        events.push_back({day + " 19:00:00", question(answer.substr(0, 1), form), answer[1] == '+'});
    }
    return events;
}

const Day kToday = parseDay("2026-12-14").value();

TEST(WaitingMisses, EveryMissNotYetLearnedWaitsWhetherDueTodayOrLater) {
    // A, C, D, F and H; of them only C, F and H are due today.
    EXPECT_EQ(dueFromHistory(history(), kEveryDueDay).size(), 5u);
    EXPECT_EQ(dueFromHistory(history(), kToday).size(), 3u);
    EXPECT_EQ(rebuildSchedule(history()).size(), 5u);

    // The week's misses come with the day each comes back.
    std::vector<std::string> listed;
    for (const ReviewItem& item : missesWaitingSince(history(), kToday - 6, kToday)) {
        listed.push_back(item.question.question + " " + dayText(item.due));
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"H 2026-12-11", "C 2026-12-13", "D 2026-12-15"}));
    // A week before: F alone is still waiting (B is learned, A missed before it).
    ASSERT_EQ(missesWaitingSince(history(), kToday - 13, kToday - 7).size(), 1u);
}

TEST(WaitingMisses, EveryPageSaysItInTheSameWords) {
    EXPECT_EQ(waitingSentence(0), "现在没有等着复习的错题。");
    EXPECT_EQ(waitingSentence(5), "有5道错题等着复习，每道做对四次就学会了。");
    EXPECT_NE(waitingParagraph(5).find("data-waiting=5"), std::string::npos);
}

}  // namespace
}  // namespace tally
