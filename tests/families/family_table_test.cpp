// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/paper_marking_page.h"
#include "app/worksheet_print.h"
#include "pictures/question_picture.h"
#include "topics/catalogue.h"
#include "sheets/worksheet.h"
#include "support/harness.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

using test::Harness;
using test::textsOfClass;
using test::occurrences;

// What a click on a node left in front of the child, or "" when it left the
// pane empty or unchanged.
std::string whatIsShown(Harness& h, const std::string& before) {
    switch (h.ui.front) {
        case Pane::Picture2: return "the clock";
        case Pane::WebBrowser2:
            if (!h.ui.page2Html.empty()) return "a page the program built";
            return h.data.exists(h.ui.page2Path) ? h.ui.page2Path : "";
        case Pane::WebBrowser1: {
            const std::string body = h.page.bodyHtml();
            return body.empty() || body == before ? "" : "a page in the first pane";
        }
    }
    return "";
}

int familiesThat(const Form1& form, auto claims) {
    int count = 0;
    for (const TopicFamily* family : form.familyTable().all()) count += claims(*family) ? 1 : 0;
    return count;
}

// The printed worksheet: a blank for every field on the sheet, the key's
// answers on the key (those answered on a picture are drawn in it), nothing
// of the page's inputs or tags on either.
void expectWorksheet(const Page& page, const std::string& document, const std::vector<FieldAnswer>& answers) {
    const std::size_t keyAt = document.find("<section class=\"key\">");
    ASSERT_NE(keyAt, std::string::npos);
    const std::string questions = document.substr(0, keyAt);
    EXPECT_EQ(textsOfClass(questions, "blank").size(), answers.size());
    EXPECT_TRUE(textsOfClass(questions, "filled").empty());
    for (const char* leak : {"<input", "tag=", "提交答案", "查看答案"}) EXPECT_EQ(document.find(leak), std::string::npos);
    std::vector<std::string> expected;
    for (const FieldAnswer& answer : answers) {
        if (!answeredOnPicture(page.attribute(answer.field, "class"))) expected.push_back(answer.answer);
    }
    EXPECT_EQ(textsOfClass(document.substr(keyAt), "filled"), expected);
    EXPECT_NE(questions.find("姓名："), std::string::npos);
}

// A stored score is the share of right answers (rounded, so never above 100),
// and it is the score the page shows.
void expectScoreAsShown(Harness& h, const MarkedSheet& kept, const std::string& key) {
    ASSERT_GT(kept.questions, 0) << key;
    EXPECT_LE(std::abs(kept.score * kept.questions - 100 * kept.right) * 2, kept.questions)
        << key << ": " << kept.right << " of " << kept.questions << " scored " << kept.score;
    const std::string text = h.page.bodyText();
    if (text.find("得分是") != std::string::npos) {
        EXPECT_NE(text.find("得分是" + std::to_string(kept.score) + "分"), std::string::npos) << key;
    }
}

// A sheet marked field by field: filled in from its answer key (typed in full
// width with stray blanks, as a Chinese input method may) it is marked all
// right, kept with full marks, the think time, its topic and drill form, marked
// and kept once however often the button is pressed, and prints as it was
// written. Handed in empty, the child is asked first and nothing is kept;
// answered wrong, every question is kept as missed with the key's answer as
// the right one.
void markRightEmptyAndWrong(Harness& h, const Tab& tab, const TopicNode& node, AnswerStyle style, const char* form) {
    const std::vector<FieldAnswer> answers = worksheetAnswers(style, h.page.bodyHtml());
    if (answers.empty()) return;
    const auto document = worksheetDocument(style, "标题", h.page.bodyHtml());
    ASSERT_TRUE(document);
    expectWorksheet(h.page, *document, answers);
    const std::string gradingKey = h.form->gradingKey();
    const std::size_t stored = h.record.stored.size();
    for (const FieldAnswer& answer : answers) h.type(answer.field, "　" + test::fullWidth(answer.answer) + " ");
    h.tick(1, 3);
    h.finish();
    ASSERT_EQ(h.record.stored.size(), stored + 1);
    EXPECT_TRUE(h.ui.messages.empty()) << "a sheet with every answer given is handed in without a question";
    const MarkedSheet right = h.record.stored.back();
    EXPECT_GT(right.questions, 0);
    EXPECT_EQ(right.right, right.questions);
    EXPECT_EQ(right.score, 100);
    EXPECT_EQ(right.seconds, 3);
    EXPECT_EQ(right.topicKey, gradingKey);
    if (gradingKey == node.key) {
        EXPECT_EQ(right.topicCaption, node.caption);
    }
    EXPECT_EQ(right.tabCaption, tab.caption);
    EXPECT_EQ(right.drillForm, form);
    EXPECT_EQ(right.when, dayText(h.clock.day) + " 10:08:30") << "kept under the clock's day and time";
    EXPECT_EQ(occurrences(h.page.bodyText(), "(√"), right.right);
    EXPECT_EQ(occurrences(h.page.bodyText(), "(×"), 0);
    EXPECT_EQ(occurrences(h.page.bodyText(), "非常不错！你的得分是100分"), 2) << "the score above and below";
    EXPECT_EQ(worksheetDocument(style, "标题", h.page.bodyHtml()), document) << "marks or typing were printed";
    const std::string marked = h.page.bodyHtml();
    h.finish();
    EXPECT_EQ(h.page.bodyHtml(), marked) << "a second press marks nothing again";
    EXPECT_EQ(h.record.stored.size(), stored + 1) << "a second press stores nothing again";

    h.form->clickNode(node.key);
    h.finish();
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages[0].first, "提问");
    EXPECT_EQ(h.ui.messages[0].second,
              "还有" + std::to_string(right.questions) + "道题没有做，要交卷吗？ 交卷");
    EXPECT_EQ(occurrences(h.page.bodyText(), "(×"), right.questions);
    EXPECT_EQ(h.record.stored.size(), stored + 1) << "a sheet handed in empty is not kept";
    h.ui.messages.clear();

    h.form->clickNode(node.key);
    const std::vector<FieldAnswer> fresh = worksheetAnswers(style, h.page.bodyHtml());
    for (const FieldAnswer& answer : fresh) h.type(answer.field, "x");
    h.finish();
    ASSERT_EQ(h.record.stored.size(), stored + 2);
    const MarkedSheet wrong = h.record.stored.back();  // a copy: the half-right sheet below is stored after it
    EXPECT_EQ(wrong.right, 0);
    EXPECT_EQ(wrong.score, 0);
    ASSERT_EQ(wrong.missed.size(), static_cast<std::size_t>(wrong.questions));
    EXPECT_EQ(occurrences(h.page.bodyText(), "(×"), wrong.questions);
    for (const MissedQuestion& miss : wrong.missed) {
        EXPECT_FALSE(miss.question.empty());
        // A sheet of several skills (a lesson's "k1102,k1103") keeps each miss under its own.
        EXPECT_NE(("," + gradingKey + ",").find("," + miss.topicKey + ","), std::string::npos)
            << miss.topicKey << " of " << gradingKey << ": a miss keeps the topic it came from";
        EXPECT_NE(miss.typed.find('x'), std::string::npos) << "a miss keeps what was typed";
    }
    expectScoreAsShown(h, wrong, node.key);

    // Half of it answered right, the rest wrong: the score kept is the share
    // of right answers, and the score the page shows.
    h.form->clickNode(node.key);
    const std::vector<FieldAnswer> half = worksheetAnswers(style, h.page.bodyHtml());
    for (std::size_t i = 0; i < half.size(); ++i) h.type(half[i].field, i < half.size() / 2 ? half[i].answer : "x");
    h.finish();
    ASSERT_EQ(h.record.stored.size(), stored + 3);
    expectScoreAsShown(h, h.record.stored.back(), node.key);

    // One field a question: the key's answer is the one kept as right.
    if ((style == AnswerStyle::Exact || style == AnswerStyle::Rounded) && fresh.size() == wrong.missed.size()) {
        for (std::size_t i = 0; i < fresh.size(); ++i) EXPECT_EQ(wrong.missed[i].correct, fresh[i].answer);
    }
}

// Printed, a sheet keeps its code, which brings the same questions back to
// be marked: all right when none is clicked, kept under its topic and code.
void printedComesBack(Harness& h, const TopicNode& node, AnswerStyle style) {
    h.form->clickNode(node.key);
    const std::vector<FieldAnswer> printedKey = worksheetAnswers(style, h.page.bodyHtml());
    const std::string gradingKey = h.form->gradingKey();
    h.form->clickToolbar("w12");
    const std::string code = h.form->lastPrintedCode();
    ASSERT_EQ(code.empty(), printedKey.empty()) << "a page without a worksheet has no code";
    if (code.empty()) return;
    const std::optional<PrintedSheet> printed = h.record.printedSheet(code);
    ASSERT_TRUE(printed);
    std::vector<std::string> expected;
    std::vector<std::string> regenerated;
    for (const FieldAnswer& answer : printedKey) expected.push_back(answer.answer);
    for (const FieldAnswer& answer : worksheetAnswers(style, printed->page)) regenerated.push_back(answer.answer);
    EXPECT_EQ(regenerated, expected);
    const std::size_t stored = h.record.stored.size();
    h.form->openPaper(code);
    ASSERT_TRUE(h.page.has(kPaperConfirmButton)) << h.page.bodyText();
    h.form->pageClick(kPaperConfirmButton);
    ASSERT_EQ(h.record.stored.size(), stored + 1);
    const MarkedSheet& kept = h.record.stored.back();
    EXPECT_EQ(kept.right, kept.questions);
    EXPECT_EQ(kept.topicKey, gradingKey);
    EXPECT_EQ(kept.paperCode, code);
}

// Every node of every section, the lists that grow on a click included: one
// family builds it, at most one marks it, and the click shows something
// without a message. Every sheet marked field by field is marked right from
// its key and wrong when left empty, and kept in the record both times. The
// arithmetic section is walked again in each other drill form.
TEST(FamilyTable, EveryNodeHasOneFamilyAndEverySheetMarksBothWays) {
    Harness h(test::started);
    std::vector<std::pair<Tab, std::string>> passes;
    for (const Tab& tab : tabs()) passes.emplace_back(tab, "w6");
    for (const char* form : {"w7", "w8", "w9"}) passes.emplace_back(tabs().front(), form);
    const std::map<std::string, const char*> formNames = {
        {"w6", "normal"}, {"w7", "vertical"}, {"w8", "inequality"}, {"w9", "decimal"}};
    int clicked = 0;
    int marked = 0;
    for (const auto& [tab, form] : passes) {
        h.form->clickToolbar(form);
        h.form->clickTab(tab.caption);
        for (size_t i = 0; i < h.form->tree().nodes().size(); ++i) {
            const TopicNode node = h.form->tree().nodes()[i];
            SCOPED_TRACE(tab.caption + " / " + node.key + " " + node.caption + " " + form);
            const TopicTagParts tag = splitTopicTag(node.tag);
            EXPECT_EQ(familiesThat(*h.form, [&](const TopicFamily& f) { return f.builds(tag); }), 1);
            EXPECT_LE(familiesThat(*h.form, [&](const TopicFamily& f) { return f.marks(node.key); }), 1);

            const std::string before = "<p>nothing yet</p>";
            h.page.setBody(before);
            h.ui.front = Pane::WebBrowser1;
            h.ui.page2Path.clear();
            h.ui.page2Html.clear();
            h.ui.messages.clear();
            h.form->clickNode(node.key);
            ++clicked;
            EXPECT_NE(whatIsShown(h, before), "");
            EXPECT_TRUE(h.ui.messages.empty()) << h.lastMessage();
            EXPECT_LE(familiesThat(*h.form, [&](const TopicFamily& f) { return f.marks(h.form->gradingKey()); }), 1);

            const auto style = answerStyleOf(*h.form, h.form->gradingKey());
            if (!style || h.ui.front != Pane::WebBrowser1) continue;
            markRightEmptyAndWrong(h, tab, node, *style, formNames.at(form));
            printedComesBack(h, node, *style);
            ++marked;
        }
    }
    EXPECT_GT(clicked, 1000);
    EXPECT_GT(marked, 190);
}

}  // namespace
}  // namespace tally
