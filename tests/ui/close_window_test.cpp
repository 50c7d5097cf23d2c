// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_harness.h"

namespace tally::testing {
namespace {

// Ctrl+Q with answers typed into a sheet not handed in asks first, as a
// topic change does: the child may stay with the sheet, or leave.
TEST(CloseWindow, ClosingWithTypedAnswersAsksFirst) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    ASSERT_TRUE(openInView(*app, "q11", "answer1"));
    ASSERT_TRUE(typeInView(*app, "answer1", "7"));

    app->window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app->window()));
    QString asked;
    answerNextBox(asked, "继续做");
    QTest::keyClick(&app->window(), Qt::Key_Q, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return !asked.isEmpty(); }));
    EXPECT_TRUE(asked.contains("还没有交")) << asked.toStdString();
    EXPECT_TRUE(app->window().isVisible());
    EXPECT_EQ(app->page().value("answer1"), "7");

    asked.clear();
    answerNextBox(asked, "离开");
    app->window().close();
    EXPECT_FALSE(asked.isEmpty());
    EXPECT_FALSE(app->window().isVisible());
}

}  // namespace
}  // namespace tally::testing
