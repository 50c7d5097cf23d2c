#include <gtest/gtest.h>

#include <string>

#include "shell/catalogue.h"
#include "support/harness.h"

namespace tally {
namespace {

// What a click on a node left in front of the child, or "" when it left the
// pane empty or unchanged.
std::string whatIsShown(test::Harness& h, const std::string& before) {
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

// With the shipped data every node of every section opens something: a sheet,
// a page, a game or the clock, never a blank or unchanged pane. Folders that
// grow their children on the first click are walked too.
TEST(EveryNode, ShowsSomething) {
    test::Harness h;
    h.start();
    int clicked = 0;
    for (const Tab& tab : tabs()) {
        h.form->clickTab(tab.caption);
        for (size_t i = 0; i < h.form->tree.nodes().size(); ++i) {
            const TopicNode node = h.form->tree.nodes()[i];
            const std::string before = "<p>nothing yet</p>";
            h.page.setBody(before);
            h.ui.front = Pane::WebBrowser1;
            h.ui.page2Path.clear();
            h.ui.page2Html.clear();
            h.ui.messages.clear();
            h.form->clickNode(node.key);
            EXPECT_NE(whatIsShown(h, before), "") << tab.caption << " / " << node.key << " " << node.caption;
            EXPECT_TRUE(h.ui.messages.empty()) << node.key << ": " << h.lastMessage();
            ++clicked;
        }
    }
    EXPECT_GT(clicked, 700);
}

}  // namespace
}  // namespace tally
