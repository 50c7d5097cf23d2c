// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_harness.h"

namespace tally::testing {
namespace {

// Whether the keyboard is in this pane's view (the view or the widget that
// stands in for it).
bool keyboardIn(DesktopApp& app, Pane pane) {
    QWidget* focus = QApplication::focusWidget();
    QWebEngineView& view = app.window().browser(pane);
    return focus && (focus == &view || view.isAncestorOf(focus));
}

// Opens a topic as a child does with the keyboard: the window is the active
// one, the tree has the keyboard, the node is chosen, Enter opens it.
void openByKeyboard(DesktopApp& app, const QString& key) {
    app.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.window()));
    TopicTree& tree = app.window().tree();
    tree.setFocus();
    tree.setCurrentItem(tree.item(key));
    QTest::keyClick(&tree, Qt::Key_Return);
}

// A game opened from the tree takes the keyboard; any other topic leaves it
// in the tree; a click on the tree takes it back.
TEST(GameKeyboard, AGameTakesTheKeyboardWhenItOpens) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    MainWindow& window = app->window();
    ASSERT_TRUE(window.clickTab("数学游戏"));
    ASSERT_TRUE(waitFor([&] { return window.tree().item("q63") != nullptr; }));

    openByKeyboard(*app, "q63");
    ASSERT_TRUE(waitFor([&] { return window.front() == Pane::WebBrowser2; }));
    EXPECT_TRUE(waitFor([&] { return keyboardIn(*app, Pane::WebBrowser2); })) << "a game page of the second pane";
    EXPECT_TRUE(waitFor([&] { return evalJs(*app, "document.hasFocus()", Pane::WebBrowser2).toBool(); }));

    openByKeyboard(*app, "q61");
    ASSERT_TRUE(waitFor([&] { return window.front() == Pane::WebBrowser1 && app->page().has("again"); }));
    EXPECT_TRUE(waitFor([&] { return keyboardIn(*app, Pane::WebBrowser1); })) << "拍24点";
    // The expression box has the typing.
    EXPECT_TRUE(waitForJs(*app, "document.activeElement && document.activeElement.name", "answer"));
    QTest::keyClicks(QApplication::focusWidget(), "8*3");
    EXPECT_TRUE(waitFor([&] { return app->page().value("answer") == "8*3"; }));

    // A click on the tree (below its nodes, opening none) takes the keyboard back.
    QWidget* blank = window.tree().viewport();
    QTest::mouseClick(blank, Qt::LeftButton, {}, QPoint(blank->width() / 2, blank->height() - 5));
    EXPECT_TRUE(waitFor([&] { return window.tree().hasFocus(); })) << "a click on the tree";
    EXPECT_EQ(window.front(), Pane::WebBrowser1);

    ASSERT_TRUE(window.clickTab("加减乘除"));
    ASSERT_TRUE(waitFor([&] { return window.tree().item("q11") != nullptr; }));
    openByKeyboard(*app, "q11");
    ASSERT_TRUE(waitFor([&] { return app->page().has("answer1"); }));
    QTest::qWait(200);
    EXPECT_TRUE(window.tree().hasFocus()) << "a sheet leaves the keyboard in the tree";
}

// F1, Ctrl+P and Ctrl+Q reach the window. With answers typed into a sheet
// not handed in, Ctrl+Q asks first, as a topic change does: the child may
// stay with the sheet, or leave.
TEST(Keys, HelpPrintAndQuitFromTheKeyboard) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    MainWindow& window = app->window();
    const auto activate = [&] {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    };
    ASSERT_TRUE(activate());

    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_TRUE(waitFor([&] { return app->page().bodyText().find("快捷键") != std::string::npos; }))
        << "F1 did not show the help";

    QString asked;
    onNextDialog([&asked](QDialog& dialog) {
        asked = dialog.objectName();
        dialog.reject();
    });
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([&] { return !asked.isEmpty(); })) << "Ctrl+P opened no print dialog";
    EXPECT_EQ(asked, "PrintDialog");

    ASSERT_TRUE(openInView(*app, "q11", "answer1"));
    ASSERT_TRUE(typeInView(*app, "answer1", "7"));
    ASSERT_TRUE(activate());
    asked.clear();
    answerNextBox(asked, "继续做");
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return !asked.isEmpty(); })) << "Ctrl+Q asked nothing";
    EXPECT_TRUE(asked.contains("还没有交")) << asked.toStdString();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(app->page().value("answer1"), "7");

    ASSERT_TRUE(activate());
    asked.clear();
    answerNextBox(asked, "离开");
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([&] { return !window.isVisible(); })) << "Ctrl+Q left the window open";
    EXPECT_FALSE(asked.isEmpty());
}

}  // namespace
}  // namespace tally::testing
