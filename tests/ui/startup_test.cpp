#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "shell/form1.h"
#include "ui/main_window.h"
#include "ui/topic_tree.h"
#include "ui/window_timers.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

void clickNodeWithMouse(MainWindow& window, const QString& key) {
    TopicTree& tree = window.tree();
    QTreeWidgetItem* item = tree.item(key);
    ASSERT_NE(item, nullptr) << key.toStdString();
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
}

TEST(Startup, LoginDialogAccepts238) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    EXPECT_TRUE(app->form().loginIsAdvanced());
    EXPECT_EQ(app->form().selectedKey(), "q1");
    EXPECT_EQ(TopicTree::keyOf(app->window().tree().currentItem()), "q1");

    clickNodeWithMouse(app->window(), "q1");
    ASSERT_TRUE(waitFor([&] { return app->page().bodyText().find("加法题") != std::string::npos; }));
    const QString modelText = QString::fromStdString(app->page().bodyText());
    ASSERT_TRUE(waitFor([&] {
        return squeezed(evalJs(*app, "document.body.innerText").toString()) == squeezed(modelText);
    })) << evalJs(*app, "document.body.innerText").toString().toStdString();

    // The node click started the think-time clock; one tick shows one second.
    const QTimer& timer1 = app->timers().timer(1);
    EXPECT_TRUE(timer1.isActive());
    EXPECT_EQ(timer1.interval(), 1000);
    const_cast<QTimer&>(timer1).stop();
    app->timers().fire(1);
    EXPECT_EQ(app->window().status(), "1秒");
}

TEST(Startup, WrongPasswordIsToldAndLeavesTheStudentLogin) {
    auto app = makeApp();
    QString told;
    onNextDialog([&told](QDialog& login) {
        onNextDialog([&told](QDialog& box) {
            told = box.findChild<QLabel*>("qt_msgbox_label") ? box.findChild<QLabel*>("qt_msgbox_label")->text() : "";
            box.accept();
        });
        auto* text2 = login.findChild<QLineEdit*>("Text2");
        QTest::keyClicks(text2, "999");
        QTest::keyClick(text2, Qt::Key_Return);
    });
    app->start();
    ASSERT_TRUE(waitFor([&] { return !told.isEmpty() && !app->form().tree.nodes().empty(); }));
    EXPECT_EQ(told, "你输入的高级用户密码不对！软件最初的密码是238，建议登陆后修改。只能已学生身份登陆！");
    EXPECT_FALSE(app->form().loginIsAdvanced());
}

TEST(Startup, ClosingTheLoginWindowLogsNobodyInAndStartUpGoesOn) {
    auto app = makeApp();
    onNextDialog([](QDialog& login) { login.close(); });
    app->start();
    ASSERT_TRUE(waitFor([&] { return !app->form().tree.nodes().empty() && !QApplication::activeModalWidget(); }));
    EXPECT_FALSE(app->form().loginIsAdvanced());
    // Half a second later the start page replaces help.htm with the introduction.
    ASSERT_TRUE(waitFor([&] { return app->page().generation() > 0; }));
    const QString introduction = QString::fromStdString(app->page().bodyText());
    EXPECT_FALSE(introduction.isEmpty());
    ASSERT_TRUE(waitFor([&] {
        return squeezed(evalJs(*app, "document.body ? document.body.innerText : ''").toString()) ==
               squeezed(introduction);
    }));
}

TEST(Startup, WithoutTheStartPageFileTheIntroductionStillShows) {
    QTemporaryDir empty;
    AppOptions options;
    options.dataDir = empty.path();
    auto app = startLoggedIn("", options);
    ASSERT_TRUE(app);
    ASSERT_TRUE(waitFor([&] { return app->page().generation() > 0; }));
    const QString introduction = QString::fromStdString(app->page().bodyText());
    EXPECT_TRUE(waitFor([&] {
        return squeezed(evalJs(*app, "document.body ? document.body.innerText : ''").toString()) ==
               squeezed(introduction);
    }));
}

TEST(Startup, TabClicksRebuildTheTreeWithoutOpeningANode) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    MainWindow& window = app->window();
    ASSERT_EQ(window.tabStrip().count(), 15);
    const int generation = app->page().generation();
    QTabBar& tabs = window.tabStrip();
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
    ASSERT_TRUE(waitFor([&] { return app->form().tree.find("q77") != nullptr; }));
    EXPECT_NE(window.tree().item("q77"), nullptr);
    EXPECT_EQ(window.tree().item("q1"), nullptr);
    EXPECT_EQ(app->page().generation(), generation);

    // The clock topic brings the clock panel to the front.
    window.tree().open("q77");
    ASSERT_TRUE(waitFor([&] { return window.front() == Pane::Picture2; }));
}

}  // namespace
}  // namespace tally::testing
