// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelgame/level_page.h"
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

// Presses a key where the keyboard is, as the child's keyboard does.
void press(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key);
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

// The level game played by keyboard in the real view: a digit, the arrows
// and a number typed in the box (the mouse put there) each answer with
// Enter, and nothing of it moves the tree. (The level's rules, the level
// game's own test.)
TEST(GameKeyboard, TheLevelGameIsPlayedByKeyboard) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    MainWindow& window = app->window();
    Form1& form = app->form();
    HtmlPage& page = app->page();
    ASSERT_TRUE(window.clickTab("加减乘除"));
    ASSERT_TRUE(waitFor([&] { return window.tree().item("q511102") != nullptr; }));
    openByKeyboard(*app, "q511102");
    ASSERT_TRUE(waitFor([&] { return keyboardIn(*app, Pane::WebBrowser1); }));

    const LevelGameState& level = form.families().levelGame.state();
    for (int question = 1; question <= 3; ++question) {
        // The question, shown in the view, waits for its answer.
        ASSERT_TRUE(waitFor([&] {
            return level.questionOpen && level.questionNo == question &&
                   evalJs(*app, QString("!!document.getElementsByName('R4')[0] && tallyBridge.generation() === %1")
                                    .arg(page.generation()))
                       .toBool();
        })) << question;
        int right = 0;
        for (int k = 1; k <= 4; ++k) {
            if (page.tag("R" + std::to_string(k)) == std::to_string(level.answer)) right = k;
        }
        ASSERT_NE(right, 0);
        switch (question % 3) {
            case 0: press(static_cast<Qt::Key>(Qt::Key_0 + right)); break;
            case 1:
                for (int k = 0; k < right; ++k) press(Qt::Key_Right);
                break;
            default:
                // Into the box with the mouse, the answer typed there.
                QTest::mouseClick(QApplication::focusWidget(), Qt::LeftButton, {},
                                  QPoint(evalJs(*app, "(function(r){return r.left + r.width / 2;})(document."
                                                      "getElementsByName('answerguoguan')[0].getBoundingClientRect())")
                                             .toInt(),
                                         evalJs(*app, "(function(r){return r.top + r.height / 2;})(document."
                                                      "getElementsByName('answerguoguan')[0].getBoundingClientRect())")
                                             .toInt()));
                ASSERT_TRUE(waitForJs(*app, "document.activeElement.name", "answerguoguan"));
                QTest::keyClicks(QApplication::focusWidget(), QString::number(level.answer));
        }
        ASSERT_TRUE(waitFor([&] { return page.value("answerguoguan") == std::to_string(level.answer); }))
            << question << ": the box shows " << page.value("answerguoguan");
        press(Qt::Key_Return);
        ASSERT_TRUE(waitFor([&] { return !level.questionOpen; })) << question;
        EXPECT_TRUE(waitForJs(*app, "document.getElementById('feedback').textContent", "答对了！"));
    }
    EXPECT_EQ(level.lives, kLevelLives);
    EXPECT_EQ(window.tree().currentItem(), window.tree().item("q511102")) << "the keys moved the tree";
}

}  // namespace
}  // namespace tally::testing
