// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "daily/today_practice.h"
#include "sheets/worksheet.h"
#include "support/file_harness.h"

namespace tally {
namespace {

const Day kMonday = parseDay("2026-10-12").value();

// A program on the record file, on this day, with today's practice opened.
struct Program {
    test::FileHarness h;
    Program(const std::filesystem::path& file, Day day) : h(true, file) {
        h.clock.day = day;
        h.start();
        h.form->clickToolbar(kTodayToolbarKey);
    }
    std::vector<std::string> questions() const {
        std::vector<std::string> texts;
        for (const MissedQuestion& q : h.form->todayPractice().asked()) texts.push_back(q.question);
        return texts;
    }
};

// A practice left half done is kept in the record as it is typed: the same
// day, even in a program started afresh (the first one killed), 今日练习
// takes it up with its answers; a new day, and a sheet handed in, start afresh.
TEST(KeptPractice, AHalfDonePracticeIsTakenUpAgainTheSameDay) {
    const test::TempFolder folder;
    const std::filesystem::path file = folder.path() / "record.sqlite";
    std::vector<std::string> asked;
    std::vector<FieldAnswer> typed;
    {
        Program first(file, kMonday);
        first.h.form->pageClick(kTodayStartButton);
        ASSERT_TRUE(first.h.form->practiceOnPage());
        asked = first.questions();
        const std::vector<FieldAnswer> fields = worksheetAnswers(AnswerStyle::Mixed, first.h.page.bodyHtml());
        typed.assign(fields.begin(), fields.begin() + 2);
        for (const FieldAnswer& field : typed) first.h.type(field.field, field.answer);
    }

    Program again(file, kMonday);
    ASSERT_TRUE(again.h.form->practiceOnPage()) << again.h.page.bodyHtml();
    EXPECT_EQ(again.questions(), asked);
    for (const FieldAnswer& field : typed) EXPECT_EQ(again.h.page.value(field.field), field.answer) << field.field;

    Program nextDay(file, kMonday + 1);
    EXPECT_FALSE(nextDay.h.form->practiceOnPage());
    EXPECT_TRUE(nextDay.h.page.has(kTodayStartButton));

    for (const FieldAnswer& field : worksheetAnswers(AnswerStyle::Mixed, again.h.page.bodyHtml())) {
        again.h.type(field.field, field.answer);
    }
    again.h.finish();
    EXPECT_FALSE(again.h.file.keptPractice(kEarlierRecords));
    Program afterwards(file, kMonday);
    EXPECT_TRUE(afterwards.h.page.has("todaydone")) << afterwards.h.page.bodyHtml();
}

}  // namespace
}  // namespace tally
