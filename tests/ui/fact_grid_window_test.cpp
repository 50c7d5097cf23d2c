// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pane_page.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// The record page's link to a grid is caught by the window, which shows the
// grid in the second pane: every fact a cell with its state and its tooltip.
TEST(FactGridWindow, TheRecordPagesLinkOpensTheGrid) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    ASSERT_TRUE(openInView(*app, "q31", "finish"));
    ASSERT_TRUE(typeInView(*app, "answer1", "99"));
    QString asked;
    answerNextBox(asked, "交卷");
    evalJs(*app, "document.getElementsByName('finish')[0].click()");
    ASSERT_TRUE(waitFor([&] { return evalJs(*app, "document.body.innerText").toString().contains("你的得分是"); }));

    app->window().toolbarAction("w13")->trigger();
    ASSERT_TRUE(waitFor([&] {
        return evalJs(*app, "document.querySelectorAll('p.grids a').length", Pane::WebBrowser2) == QVariant(4);
    }));
    evalJs(*app, "document.querySelectorAll('p.grids a')[2].click()", Pane::WebBrowser2);
    ASSERT_TRUE(waitFor([&] {
        return evalJs(*app, "document.title", Pane::WebBrowser2).toString() == "乘法口诀";
    }));
    EXPECT_EQ(evalJs(*app, "document.querySelectorAll('#facts td[title][data-state]').length", Pane::WebBrowser2), QVariant(81));
    // The sheet's questions were handed in wrong or empty.
    EXPECT_GT(evalJs(*app, "document.querySelectorAll('#facts td.shaky').length", Pane::WebBrowser2).toInt(), 0);
}

}  // namespace
}  // namespace tally::testing
