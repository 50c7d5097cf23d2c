#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/worksheet_print.h"
#include "shell/catalogue.h"
#include "sheets/worksheet.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

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
    for (const TopicFamily* family : form.families.table.all()) count += claims(*family) ? 1 : 0;
    return count;
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

// A sheet marked field by field: filled in from its answer key it is marked
// all right and kept with full marks; left empty, every question is kept as
// missed with the key's answer as the right one.
void markRightThenEmpty(Harness& h, const TopicNode& node, AnswerStyle style) {
    const std::vector<FieldAnswer> answers = worksheetAnswers(style, h.page.bodyHtml());
    if (answers.empty()) return;
    const std::size_t stored = h.record.stored.size();
    for (const FieldAnswer& answer : answers) h.type(answer.field, answer.answer);
    h.finish();
    ASSERT_EQ(h.record.stored.size(), stored + 1) << node.key;
    const MarkedSheet& right = h.record.stored.back();
    EXPECT_GT(right.questions, 0) << node.key;
    EXPECT_EQ(right.right, right.questions) << node.key;
    EXPECT_EQ(right.score, 100) << node.key;
    expectScoreAsShown(h, right, node.key);
    EXPECT_EQ(h.page.bodyHtml().find("(×"), std::string::npos) << node.key;

    h.form->clickNode(node.key);
    const std::vector<FieldAnswer> fresh = worksheetAnswers(style, h.page.bodyHtml());
    h.finish();
    ASSERT_EQ(h.record.stored.size(), stored + 2) << node.key;
    const MarkedSheet& empty = h.record.stored.back();
    EXPECT_EQ(empty.right, 0) << node.key;
    EXPECT_EQ(empty.score, 0) << node.key;
    ASSERT_EQ(empty.missed.size(), static_cast<std::size_t>(empty.questions)) << node.key;
    for (const MissedQuestion& miss : empty.missed) {
        EXPECT_FALSE(miss.question.empty()) << node.key;
        EXPECT_TRUE(miss.typed.empty()) << node.key;
    }
    // One field a question: the key's answer is the one kept as right.
    if ((style == AnswerStyle::Exact || style == AnswerStyle::Rounded) && fresh.size() == empty.missed.size()) {
        for (std::size_t i = 0; i < fresh.size(); ++i) EXPECT_EQ(empty.missed[i].correct, fresh[i].answer) << node.key;
    }

    // Half of it answered: the score kept is the share of right answers, and
    // the score the page shows, if it shows one.
    h.form->clickNode(node.key);
    const std::vector<FieldAnswer> half = worksheetAnswers(style, h.page.bodyHtml());
    for (std::size_t i = 0; i < half.size() / 2; ++i) h.type(half[i].field, half[i].answer);
    h.finish();
    ASSERT_EQ(h.record.stored.size(), stored + 3) << node.key;
    expectScoreAsShown(h, h.record.stored.back(), node.key);
}

// Every node of every section, the lists that grow on a click included: one
// family builds it, at most one marks it, and the click shows something
// without a message. Every sheet marked field by field is marked right from
// its key and wrong when left empty, and kept in the record both times.
TEST(FamilyTable, EveryNodeHasOneFamilyAndEverySheetMarksBothWays) {
    Harness h;
    h.start();
    int clicked = 0;
    int marked = 0;
    for (const Tab& tab : tabs()) {
        h.form->clickTab(tab.caption);
        for (size_t i = 0; i < h.form->tree.nodes().size(); ++i) {
            const TopicNode node = h.form->tree.nodes()[i];
            SCOPED_TRACE(tab.caption + " / " + node.key + " " + node.caption);
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
            markRightThenEmpty(h, node, *style);
            ++marked;
        }
    }
    EXPECT_GT(clicked, 700);
    EXPECT_GT(marked, 90);
}

// The games marked otherwise than field by field keep the share of right
// answers too: the 24-point deal (one expression), the memory round (one
// question per card) and a level of the level game (ten right, the misses).
TEST(FamilyTable, TheGamesKeepTheShareOfRightAnswers) {
    Harness h;
    h.start();
    h.click("q61", "数学游戏");
    h.type("answer", h.form->families.twentyFour.deal().solutions.front());
    h.finish();
    h.click("q61");
    h.type("answer", "1+1");
    h.finish();
    h.click("q62");
    for (int card : {1, 2}) h.type("answer" + std::to_string(card), h.page.tag("answer" + std::to_string(card)));
    h.finish();

    h.click("q511102", "加减乘除");
    h.form->timerFired(kLevelTimer);  // a question left unanswered
    for (int right = 0; right < 10; ++right) {
        h.form->timerFired(kLevelTimer);
        for (int k = 1; k <= 4; ++k) {
            const std::string radio = "R" + std::to_string(k);
            if (h.page.tag(radio) != h.page.tag("answerguoguan")) continue;
            h.form->pageMouseDown();
            h.form->pageMouseUp(radio);
            break;
        }
    }
    ASSERT_EQ(h.record.stored.size(), 4u);
    const int scores[] = {100, 0, 50, 91};
    for (std::size_t i = 0; i < 4; ++i) {
        const MarkedSheet& kept = h.record.stored[i];
        expectScoreAsShown(h, kept, kept.topicKey);
        EXPECT_EQ(kept.score, scores[i]) << kept.topicKey;
    }
}

}  // namespace
}  // namespace tally
