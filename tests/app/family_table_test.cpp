#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tally
