// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/paper_marking_page.h"
#include "app/worksheet_print.h"
#include "daily/today_practice.h"
#include "sheets/paper_code.h"
#include "sheets/redrill_sheet.h"
#include "sheets/worksheet.h"
#include "support/file_harness.h"
#include "support/text_helpers.h"
#include "topics/catalogue.h"

namespace tally {
namespace {

const Day kPrinted = parseDay("2026-12-07").value();
const Day kToday = parseDay("2026-12-09").value();

std::string skillsTab() {
    for (const Tab& tab : tabs()) {
        if (tab.key == "T16") return tab.caption;
    }
    return "";
}

// A program on a record file of its own, the parent logged in, on `day`.
struct PaperProgram {
    test::FileHarness h;
    explicit PaperProgram(Day day) {
        h.clock.day = day;
        h.start();
    }
    // Prints the skill's sheet of `count` questions and gives its code.
    std::string printSkill(const std::string& key, int count) {
        h.form->setOption(&SheetOptions::questionCount, count);
        h.click(key, skillsTab());
        h.form->clickToolbar("w12");
        return h.form->lastPrintedCode();
    }
    void open(const std::string& typed) {
        h.form->clickToolbar("w17");
        h.type(kPaperCodeField, typed);
    }
    MarkedSheet newest() {
        const std::vector<MarkedSheet> sheets = h.file.sheets(kEarlierRecords);
        return sheets.empty() ? MarkedSheet{} : sheets.front();
    }
};

// Every question is right until it is clicked: a sheet of fifty with three
// wrong is the code, three clicks and 确认. It is kept as its own family marks
// it, under its topic and code, each miss with the key's answer.
TEST(PaperMarking, FiftyQuestionsAreMarkedByTheCodeAClickAWrongOneAndConfirm) {
    PaperProgram program(kToday);
    test::FileHarness& h = program.h;
    const std::string code = program.printSkill("k1105", 50);
    ASSERT_EQ(code.size(), kPaperCodeLength);
    EXPECT_NE(h.ui.printedWorksheet.find(shownPaperCode(code)), std::string::npos) << "the code is on the sheet";
    EXPECT_NE(h.ui.printedWorksheet.find("<svg"), std::string::npos) << "and its QR code";
    const std::vector<FieldAnswer> key = worksheetAnswers(*answerStyleOf(*h.form, "k1105"), h.page.bodyHtml());
    ASSERT_EQ(key.size(), 50u);
    h.form->clickToolbar("w17");

    int actions = 0;
    const auto act = [&](const std::function<void()>& event) {
        event();
        ++actions;
    };
    std::string typed = shownPaperCode(code);
    for (char& c : typed) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    act([&] { h.type(kPaperCodeField, typed); });
    ASSERT_TRUE(h.page.has(kPaperConfirmButton)) << h.page.bodyText();
    EXPECT_EQ(h.page.countNamed("paperwrong50"), 1);
    for (int wrong : {4, 17, 50}) act([&] { h.form->pageClick(paperWrongButton(wrong)); });
    act([&] { h.form->pageClick(kPaperConfirmButton); });
    EXPECT_LE(actions, 3 + 1 + 1);

    const MarkedSheet kept = program.newest();
    EXPECT_EQ(kept.questions, 50);
    EXPECT_EQ(kept.right, 47);
    EXPECT_EQ(kept.score, 94);
    EXPECT_EQ(kept.topicKey, "k1105");
    EXPECT_EQ(kept.topicCaption, "连加、连减、加减混合（10以内）");
    EXPECT_EQ(kept.tabCaption, skillsTab());
    EXPECT_EQ(kept.paperCode, code);
    EXPECT_EQ(kept.when.substr(0, 10), "2026-12-09");
    ASSERT_EQ(kept.missed.size(), 3u);
    EXPECT_EQ(kept.missed[0].correct, key[3].answer);
    EXPECT_EQ(kept.missed[2].correct, key[49].answer);
    EXPECT_EQ(test::occurrences(h.page.bodyText(), "(×"), 3) << "the sheet comes back marked";
}

// The time on paper and the day it was done are the sheet's: not before it
// was printed, not after today. A second click makes a question right again.
TEST(PaperMarking, TheSheetIsKeptUnderTheDayItWasDoneWithItsTimeOnPaper) {
    PaperProgram program(kPrinted);
    const std::string code = program.printSkill("k1105", 10);
    program.h.clock.day = kToday;
    program.open(code);
    program.h.form->pageClick(paperWrongButton(2));
    program.h.form->pageClick(paperWrongButton(3));
    program.h.form->pageClick(paperWrongButton(3));
    program.h.type(kPaperMinutesField, "3");
    program.h.type(kPaperSecondsField, "20");
    for (const char* day : {"2026-12-06", "2026-12-10", "12月8日"}) {
        program.h.ui.messages.clear();
        program.h.type(kPaperDayField, day);
        program.h.form->pageClick(kPaperConfirmButton);
        EXPECT_EQ(program.h.ui.messages.size(), 1u) << day;
    }
    EXPECT_TRUE(program.h.file.sheets(kEarlierRecords).empty());
    program.h.type(kPaperDayField, "2026-12-08");
    program.h.form->pageClick(kPaperConfirmButton);
    const MarkedSheet kept = program.newest();
    EXPECT_EQ(kept.when.substr(0, 10), "2026-12-08");
    EXPECT_EQ(kept.seconds, 200);
    EXPECT_EQ(kept.right, 9);
}

// A code typed again asks first: kept, the earlier marks stay; replaced, the
// new marks take their place, the earlier misses go and the sheet is there once.
TEST(PaperMarking, ACodeTypedTwiceIsOneSheet) {
    PaperProgram program(kToday);
    const std::string code = program.printSkill("k1105", 10);
    program.open(code);
    program.h.form->pageClick(paperWrongButton(1));
    program.h.form->pageClick(kPaperConfirmButton);
    ASSERT_EQ(program.newest().right, 9);

    program.h.ui.askAnswers = {false};
    program.open(code);
    EXPECT_FALSE(program.h.page.has(kPaperConfirmButton));
    EXPECT_NE(program.h.page.bodyText().find("上次的批改留着"), std::string::npos);

    program.h.ui.askAnswers = {true};
    program.open(code);
    program.h.form->pageClick(kPaperConfirmButton);
    const std::vector<MarkedSheet> sheets = program.h.file.sheets(kEarlierRecords);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].right, 10);
    EXPECT_EQ(sheets[0].paperCode, code);
    EXPECT_TRUE(program.h.file.missed(kEarlierRecords).empty());
}

// A code no printed sheet carries says so and offers the nearest codes of
// the sheets printed for the child.
TEST(PaperMarking, AWrongCodeNamesTheNearestPrintedOnes) {
    PaperProgram program(kToday);
    const std::string code = program.printSkill("k1105", 10);
    std::string typo = code;
    typo[5] = typo[5] == 'X' ? 'Y' : 'X';
    program.open(typo);
    program.h.form->pageClick(kPaperOpenButton);
    const std::string text = program.h.page.bodyText();
    EXPECT_NE(text.find("没有找到编号是“" + typo + "”的练习卷。是不是下面这张？"), std::string::npos) << text;
    EXPECT_EQ(test::occurrences(text, shownPaperCode(code) + "　2026-12-09"), 2) << "offered, and listed as printed";
    EXPECT_FALSE(program.h.page.has(kPaperConfirmButton));
}

// A sheet printed by an older program comes back as it was printed, with
// questions today's generators would not draw.
TEST(PaperMarking, ASheetOfAnOlderGeneratorComesBackAsStored) {
    PaperProgram program(kToday);
    const MissedQuestion odd{"98＋7＝（　）", "", "105", AnswerForm::One, "k1107", "9加几"};
    PrintedSheet old{"AAAA2222", kEarlierRecords, "2026-12-01", kRedrillKey, kRedrillCaption, kRedrillKey, std::nullopt,
                     10, "w6", 0, ""};
    old.page = redrillSheetHtml({odd}) + "<ol hidden class=paperasked><li data-source=0 data-form=1 data-topic=k1107"
               " data-caption=9加几 data-correct=105 data-question=\"98＋7＝（　）\"></li></ol>";
    ASSERT_TRUE(program.h.file.keepPrintedSheet(old));
    program.open("aaaa-2222");
    ASSERT_TRUE(program.h.page.has(kPaperConfirmButton));
    program.h.form->pageClick(paperWrongButton(1));
    program.h.form->pageClick(kPaperConfirmButton);
    const MarkedSheet kept = program.newest();
    EXPECT_EQ(kept.topicKey, kRedrillKey);
    ASSERT_EQ(kept.missed.size(), 1u);
    EXPECT_EQ(kept.missed[0].question, odd.question);
    EXPECT_EQ(kept.missed[0].correct, "105");
}

// Two programs on records alike draw the same 今日练习: one child answers it
// on the screen, the other on paper with the same slips. The review schedule
// moves on alike.
TEST(PaperMarking, TodayOnPaperMovesTheReviewAsOnScreen) {
    std::vector<std::vector<ReviewState>> schedules;
    for (const bool onPaper : {false, true}) {
        PaperProgram program(kToday - 2);
        test::FileHarness& h = program.h;
        h.click("k1107", skillsTab());
        h.answerAll();
        h.finish();
        h.clock.day = kToday;
        h.form->clickToolbar(kTodayToolbarKey);
        h.form->pageClick(kTodayStartButton);
        ASSERT_TRUE(h.form->practiceOnPage());
        ASSERT_GT(countFrom(h.form->todayPractice().questions, PlanSource::Review), 0);
        const std::vector<WorksheetQuestion> questions = worksheetQuestions(AnswerStyle::Mixed, h.page.bodyHtml(), WorksheetKey::Printed);
        if (onPaper) {
            h.form->clickToolbar("w12");
            program.open(h.form->lastPrintedCode());
            for (std::size_t i = 0; i < questions.size(); i += 2) {
                h.form->pageClick(paperWrongButton(static_cast<int>(i) + 1));
                h.type(paperTypedField(static_cast<int>(i) + 1), "x");
            }
            h.form->pageClick(kPaperConfirmButton);
        } else {
            for (std::size_t i = 0; i < questions.size(); ++i) {
                const std::vector<FieldAnswer>& fields = questions[i].fields;
                for (std::size_t f = 0; f < fields.size(); ++f) {
                    h.type(fields[f].field, i % 2 == 1 ? fields[f].answer : f == 0 ? "x" : "");
                }
            }
            h.finish();
        }
        EXPECT_EQ(program.newest().topicKey, kPracticeKey);
        h.clock.day = kToday + 3;
        h.form->clickToolbar(kTodayToolbarKey);
        schedules.push_back(h.file.dueReviews(kEarlierRecords, kToday + 60, 1000));
        EXPECT_FALSE(schedules.back().empty());
    }
    EXPECT_EQ(schedules[0], schedules[1]);
}

}  // namespace
}  // namespace tally
