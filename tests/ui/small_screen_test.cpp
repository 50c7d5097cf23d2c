// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_harness.h"

#include "app/toolbar_actions.h"

namespace tally::testing {
namespace {

TEST(WindowSize, OpensNoLargerThanTheRoomOnTheScreen) {
    struct Case {
        QSize available;
        QSize expected;
    };
    const Case cases[] = {
        {{1920, 1040}, {1240, 780}},  // a large screen: the window's own size
        {{1366, 728}, {1240, 664}},   // a laptop with a task bar: the height gives way
        {{1024, 768}, {992, 704}},
        {{800, 600}, {768, 536}},
        {{600, 400}, {600, 400}},  // smaller than the window can be: the whole screen
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainWindow::fittingSize(c.available), c.expected) << c.available.width() << "x" << c.available.height();
    }
}

// This test runs on a 1024×768 screen (its environment names the screen).
TEST(SmallScreen, EverythingIsReachableAt1024x768) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    MainWindow& window = app->window();
    const QRect screen = window.screen()->availableGeometry();
    ASSERT_EQ(screen.size(), QSize(1024, 768)) << "the test's screen is not the one it names";
    EXPECT_TRUE(screen.contains(window.frameGeometry())) << "the window runs off the screen";

    const auto onScreen = [&](QWidget& widget) {
        return screen.contains(QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()));
    };
    EXPECT_TRUE(onScreen(*window.statusBar())) << "the status bar with the seconds is cut off";
    EXPECT_TRUE(onScreen(window.tabStrip())) << "the last tabs are off the screen";
    QTabBar& tabs = window.tabStrip();
    const bool allTabsShown = tabs.tabRect(tabs.count() - 1).right() <= tabs.width();
    EXPECT_TRUE(allTabsShown || tabs.usesScrollButtons()) << "the last tab cannot be reached";

    // A long sheet scrolls inside the view, whose scroll bar is on the screen.
    ASSERT_TRUE(openInView(*app, "q13", "finish"));
    EXPECT_TRUE(onScreen(window.browser(Pane::WebBrowser1))) << "the page's scroll bar is off the screen";
    ASSERT_TRUE(waitForJs(*app, "document.documentElement.scrollHeight > window.innerHeight", true))
        << "the sheet fits without scrolling, so the scroll reset below proves nothing";

    // Scrolled down one sheet, the next topic opens at its first question.
    evalJs(*app, "window.scrollTo(0, document.documentElement.scrollHeight)");
    ASSERT_TRUE(waitForJs(*app, "window.scrollY > 0", true));
    ASSERT_TRUE(openInView(*app, "q14", "finish"));
    EXPECT_TRUE(waitForJs(*app, "window.scrollY === 0", true)) << "the new sheet opened at the old scroll position";

    // A button the toolbar has no room for is hidden and moved behind its
    // overflow arrow, where a child does not look.
    auto* toolbar = window.findChild<QToolBar*>("Toolbar1");
    ASSERT_TRUE(toolbar);
    for (const ToolbarAction& button : toolbarActions()) {
        if (button.kind == ToolbarAction::Kind::Separator || !window.toolbarAction(button.key)->isVisible()) continue;
        const QWidget* shown = toolbar->widgetForAction(window.toolbarAction(button.key));
        ASSERT_TRUE(shown) << button.key;
        EXPECT_TRUE(shown->isVisible() && toolbar->rect().contains(shown->geometry()))
            << button.caption << " is behind the toolbar's overflow";
    }
}

}  // namespace
}  // namespace tally::testing
