// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMessageBox>
#include <functional>

#include "sqlite_record/sqlite_record.h"
#include "window/login_dialog.h"
#include "ui/login_form.h"
#include "ui/remote_debugging.h"
#include "ui/window_timers.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// The start-up login takes 238, the first topic's introduction is in the
// view and the think-time clock ticks. (A sheet answered in the view and
// marked there, the record window's test.)
TEST(Startup, LoginDialogAccepts238AndTheIntroductionIsShown) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    EXPECT_TRUE(app->form().loginIsAdvanced());
    TopicTree& tree = app->window().tree();
    EXPECT_EQ(TopicTree::keyOf(tree.currentItem()), "q1");

    QTreeWidgetItem* q1 = tree.item("q1");
    ASSERT_NE(q1, nullptr);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(q1).center());
    ASSERT_TRUE(waitFor([&] { return app->page().bodyText().find("加法题") != std::string::npos; }));
    EXPECT_TRUE(viewShowsModelText(*app)) << evalJs(*app, "document.body.innerText").toString().toStdString();
    auto& timer1 = const_cast<QTimer&>(app->timers().timer(1));
    EXPECT_TRUE(timer1.isActive() && timer1.interval() == 1000) << "the think-time clock is not running";
    timer1.stop();
    app->timers().fire(1);
    EXPECT_EQ(app->window().status(), "1秒");
}

// Records the box, then answers the login window that opens once it is gone.
void answerMissingFileBoxThenLogin(QDialog& box, QStringList& boxes, std::function<void(LoginForm&)> answer) {
    if (auto* message = qobject_cast<QMessageBox*>(&box)) boxes << message->text();
    onNextDialog([answer](QDialog& dialog) {
        if (auto* login = qobject_cast<LoginForm*>(&dialog)) answer(*login);
    });
    box.accept();
}

// A fresh data directory has no start page and no login file: start-up says
// so, goes on when the login window is closed with ×, and the login window
// opened again shows the password box for the advanced item only.
TEST(Startup, ClosedLoginInAFreshDataDirectoryThenTheParentLogsIn) {
    QTemporaryDir temp;
    AppOptions options = repositoryData();
    options.dataDir = temp.path();
    // Without a login file each opening of the login window is preceded by
    // a box that says so.
    QStringList missingFileBoxes;
    auto app = start(
        [&missingFileBoxes](QDialog& box) {
            answerMissingFileBoxThenLogin(box, missingFileBoxes, [](LoginForm& login) { login.close(); });
        },
        options);
    ASSERT_TRUE(app);
    ASSERT_EQ(missingFileBoxes.size(), 1);
    EXPECT_TRUE(missingFileBoxes[0].contains("238")) << missingFileBoxes[0].toStdString();
    EXPECT_FALSE(app->form().loginIsAdvanced());
    ASSERT_TRUE(waitFor([&] { return app->page().generation() > 0; })) << "the introduction was not written";
    EXPECT_TRUE(viewShowsModelText(*app)) << "the introduction is not in the view";

    bool shownForAdvanced = false, hiddenForStudent = false;
    const auto tryBothItems = [&](LoginForm& login) {
        shownForAdvanced = login.passwordBox().isVisible() && login.passwordBox().hasFocus();
        QTest::keyClicks(&login.passwordBox(), "23");
        login.list().setCurrentRow(LoginDialog::kStudent);
        hiddenForStudent = !login.passwordBox().isVisible() && login.passwordBox().text().isEmpty();
        login.list().setCurrentRow(LoginDialog::kAdvanced);
        QTest::keyClicks(&login.passwordBox(), "238");
        QTest::mouseClick(&login.confirmButton(), Qt::LeftButton);
    };
    onNextDialog([&](QDialog& box) { answerMissingFileBoxThenLogin(box, missingFileBoxes, tryBothItems); });
    app->window().toolbarAction("w11")->trigger();
    EXPECT_EQ(missingFileBoxes.size(), 2);
    EXPECT_TRUE(shownForAdvanced) << "password box hidden or unfocused for the advanced item";
    EXPECT_TRUE(hiddenForStudent) << "password box shown or kept its text for the student item";
    EXPECT_TRUE(app->form().loginIsAdvanced());
}

// A family computer: 小明 (二年级) and 小红 (四年级); 小红 practised last,
// with 20 questions, the vertical form and 100以内加法 chosen.
void nameTwoChildren() {
    SqliteRecord record(repositoryData().recordFile.toStdString());
    ASSERT_EQ(record.addChild("小明", 2), "");
    ASSERT_EQ(record.addChild("小红", 4), "");
    const long long hong = record.children()[1].id;
    record.setLastChild(hong);
    ASSERT_TRUE(record.saveSettings(hong, {20, 3, "w7", "加减乘除", "q13", ""}));
}

// The login dialog lists each child by name, with the last one selected so
// Enter starts; the window says who is practising and shows her settings,
// the topic selected, not clicked. (The settings kept for each child, the
// headless front end's test.)
TEST(ChildrenWindow, TheLastChildPressesEnterAndFindsHerSettings) {
    nameTwoChildren();
    QStringList items;
    int selected = -1;
    bool passwordHidden = false;
    auto app = start([&](QDialog& dialog) {
        auto& login = static_cast<LoginForm&>(dialog);
        for (int row = 0; row < login.list().count(); ++row) items << login.list().item(row)->text();
        selected = login.list().currentRow();
        passwordHidden = !login.passwordBox().isVisible();
        QTest::keyClick(&login.list(), Qt::Key_Return);
        if (login.isVisible()) QTest::mouseClick(&login.confirmButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(app);
    EXPECT_EQ(items, QStringList({LoginDialog::kAdvancedItem, "小明", "小红"}));
    EXPECT_EQ(selected, 2);
    EXPECT_TRUE(passwordHidden);
    EXPECT_TRUE(app->window().windowTitle().startsWith("小红 · 四年级")) << app->window().windowTitle().toStdString();
    EXPECT_TRUE(app->window().toolbarAction("w7")->isChecked());
    EXPECT_EQ(TopicTree::keyOf(app->window().tree().currentItem()), "q13");
    EXPECT_FALSE(app->page().has("finish")) << "the topic was clicked";
}

// Only the developer option keeps the remote debugging the environment asks for.
TEST(RemoteDebugging, TheEnvironmentIsHonouredOnlyForTheDeveloperOption) {
    struct Case { std::vector<const char*> argv; const char* flags; const char* variable; const char* keptFlags; };
    const Case cases[] = {
        {{"tallymoo"}, "--remote-debugging-port=9222", "", ""},
        {{"tallymoo", "--seed", "3"}, "--disable-gpu  -remote-debugging-pipe\t--remote-debugging-address=0.0.0.0 --no-sandbox",
         "", "--disable-gpu --no-sandbox"},
        {{"tallymoo"}, "--disable-gpu --debugging-remote=1 remote-debugging-port", "",
         "--disable-gpu --debugging-remote=1 remote-debugging-port"},
        {{"tallymoo", "--developer-remote-debugging"}, "--disable-gpu --remote-debugging-port=9223", "9222",
         "--disable-gpu --remote-debugging-port=9223"},
    };
    const QString flagsBefore = qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const Case& c : cases) {
        qputenv("QTWEBENGINE_REMOTE_DEBUGGING", "9222");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", c.flags);
        refuseRemoteDebugging(static_cast<int>(c.argv.size()), c.argv.data());
        EXPECT_EQ(qEnvironmentVariable("QTWEBENGINE_REMOTE_DEBUGGING"), c.variable) << c.flags;
        EXPECT_EQ(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS"), c.keptFlags) << c.flags;
    }
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flagsBefore.toUtf8());
}

}  // namespace
}  // namespace tally::testing
