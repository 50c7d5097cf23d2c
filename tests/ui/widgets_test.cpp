#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "shell/form1.h"
#include "shell/login_dialog.h"
#include "shell/options_dialog.h"
#include "shell/tree_model.h"
#include "ui/app_options.h"
#include "ui/clock_panel.h"
#include "ui/login_form.h"
#include "ui/main_window.h"
#include "ui/options_form.h"
#include "ui/pane_page.h"
#include "ui/spinner.h"
#include "ui/topic_tree.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

TEST(Navigation, OnlyFilesInsideTheDataDirectoryMayBeOpened) {
    QTemporaryDir temp;
    const QString root = QDir(temp.path()).filePath("data");
    QDir().mkpath(root + "/book");
    QFile(root + "/book/a.htm").open(QIODevice::WriteOnly);
    QFile::link(temp.path(), root + "/escape");
    struct Case {
        QUrl url;
        bool allowed;
    };
    const Case cases[] = {
        {QUrl::fromLocalFile(root + "/book/a.htm"), true},
        {QUrl::fromLocalFile(root + "/help.htm"), true},  // missing, but inside
        {QUrl::fromLocalFile(root + "/book/../../secret.txt"), false},
        {QUrl::fromLocalFile(temp.path() + "/data2/x.htm"), false},  // a sibling that shares the prefix
        {QUrl::fromLocalFile(root + "/escape/data/book/a.htm"), true},  // a link that comes back inside
        {QUrl::fromLocalFile("/etc/passwd"), false},
        {QUrl("http://example.invalid/"), false},
        {QUrl("about:blank"), false},
    };
    for (const Case& c : cases) EXPECT_EQ(PanePage::allowed(c.url, root), c.allowed) << c.url.toString().toStdString();
}

TEST(Options, CommandLine) {
    struct Case {
        QStringList args;
        bool ok;
        QString data;
        std::optional<std::uint64_t> seed;
    };
    const Case cases[] = {
        {{"tallymoo"}, true, "", std::nullopt},
        {{"tallymoo", "--data", "/d", "--seed", "18446744073709551615"}, true, "/d", 18446744073709551615ULL},
        {{"tallymoo", "--seed", "-1"}, false, "", std::nullopt},
        {{"tallymoo", "--seed", "12x"}, false, "", std::nullopt},
        {{"tallymoo", "--data"}, false, "", std::nullopt},
        {{"tallymoo", "--login", "238"}, false, "", std::nullopt},
    };
    for (const Case& c : cases) {
        QString error;
        const auto options = AppOptions::parse(c.args, &error);
        ASSERT_EQ(options.has_value(), c.ok) << c.args.join(' ').toStdString();
        if (!options) {
            EXPECT_FALSE(error.isEmpty());
            continue;
        }
        EXPECT_EQ(options->dataDir, c.data);
        EXPECT_EQ(options->seed, c.seed);
    }
}

TEST(Options, DataDirectoryBesideTheProgramOrAtTheBuildRoot) {
    QTemporaryDir temp;
    const QDir root(temp.path());
    root.mkpath("build/src/ui");
    root.mkpath("build/data");
    QFile(root.filePath("build/data/help.htm")).open(QIODevice::WriteOnly);
    EXPECT_EQ(findDataDirectory(root.filePath("build/src/ui")), root.filePath("build/data"));
    // An installed program keeps its data beside it, which wins.
    root.mkpath("build/src/ui/data");
    QFile(root.filePath("build/src/ui/data/help.htm")).open(QIODevice::WriteOnly);
    EXPECT_EQ(findDataDirectory(root.filePath("build/src/ui")), root.filePath("build/src/ui/data"));
}

TEST(Tree, RebuildShowsTheModelAndReportsNoClick) {
    TreeModel model;
    model.add({"q1", "加法", "+0", "", 4, 4, false});
    model.add({"q11", "10以内加法", "+10", "q1", 1, 2, false});
    model.add({"q2", "减法", "-0", "", 4, 4, false});
    model.add({"q21", "10以内减法", "-10", "q2", 1, 2, false});
    model.expand("q2");
    model.select("q21");
    TopicTree tree;
    QSignalSpy clicks(&tree, &TopicTree::nodeClicked);
    tree.rebuild(model);
    EXPECT_EQ(clicks.count(), 0);
    ASSERT_EQ(tree.topLevelItemCount(), 2);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), "加法");
    EXPECT_EQ(TopicTree::keyOf(tree.topLevelItem(1)->child(0)), "q21");
    EXPECT_FALSE(tree.item("q1")->isExpanded());
    EXPECT_TRUE(tree.item("q2")->isExpanded());
    EXPECT_EQ(TopicTree::keyOf(tree.currentItem()), "q21");

    // The keyboard opens the node it chose.
    tree.setCurrentItem(tree.item("q2"));
    QTest::keyClick(&tree, Qt::Key_Up);
    QTest::keyClick(&tree, Qt::Key_Return);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toString(), "q1");

    // What the child opened stays open when the model only grew...
    tree.item("q1")->setExpanded(true);
    model.add({"q12", "20以内加法", "+20", "q1", 1, 2, false});
    tree.rebuild(model);
    EXPECT_TRUE(tree.item("q1")->isExpanded());
    EXPECT_NE(tree.item("q12"), nullptr);
    // ...but a rebuild of the same nodes (the tab clicked again) closes it.
    tree.rebuild(model);
    EXPECT_FALSE(tree.item("q1")->isExpanded());
    EXPECT_TRUE(tree.item("q2")->isExpanded());
}

TEST(Clock, SpinnersAndCheckBoxReachTheModel) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    ClockPanel& panel = app->window().clockPanel();
    app->window().bringToFront(Pane::Picture2);
    ASSERT_TRUE(waitFor([&] { return app->form().clockFace.radius() > 0; }));

    QTest::mouseClick(&panel.check(), Qt::LeftButton, {}, QPoint(8, panel.check().height() / 2));
    ASSERT_TRUE(panel.check().isChecked());
    EXPECT_FALSE(app->form().timers.enabled(4));

    const int hours = app->form().clockFace.hours();
    auto* up = panel.findChild<QToolButton*>("Text8Up");
    ASSERT_NE(up, nullptr);
    QTest::mouseClick(up, Qt::LeftButton);
    const int expected = (hours + 1) % 24;
    EXPECT_EQ(app->form().clockFace.hours(), expected);
    EXPECT_EQ(panel.spinner(1).text(), QString("%1").arg(expected, 2, 10, QChar('0')));

    QTest::mouseClick(&panel.check(), Qt::LeftButton, {}, QPoint(8, panel.check().height() / 2));
    EXPECT_TRUE(app->form().timers.enabled(4));
}

TEST(Dialogs, OptionsOpenWithNothingChosenAndApplyOnlyOnConfirm) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    bool checkedNone = false;
    onNextDialog([&](QDialog& dialog) {
        auto& form = static_cast<OptionsForm&>(dialog);
        checkedNone = !form.countGroup().checkedButton() && !form.memoryGroup().checkedButton() &&
                      !form.decimalGroup().checkedButton();
        QTest::mouseClick(form.countGroup().button(1), Qt::LeftButton);
        QTest::mouseClick(&form.confirmButton(), Qt::LeftButton);
    });
    app->window().toolbarAction("w2")->trigger();
    EXPECT_TRUE(checkedNone);
    EXPECT_EQ(app->form().questionCount, 20);
    EXPECT_EQ(app->form().memoryTime, 5);
}

TEST(Dialogs, LoginShowsThePasswordBoxOnlyForTheAdvancedItem) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    bool shownForAdvanced = false, hiddenForStudent = false;
    onNextDialog([&](QDialog& dialog) {
        auto& form = static_cast<LoginForm&>(dialog);
        shownForAdvanced = form.passwordBox().isVisible() && form.passwordBox().hasFocus();
        QTest::keyClicks(&form.passwordBox(), "23");
        form.list().setCurrentRow(LoginDialog::kStudent);
        hiddenForStudent = !form.passwordBox().isVisible() && form.passwordBox().text().isEmpty();
        form.list().setCurrentRow(LoginDialog::kAdvanced);
        QTest::keyClicks(&form.passwordBox(), "238");
        QTest::mouseClick(&form.confirmButton(), Qt::LeftButton);
    });
    app->window().toolbarAction("w11")->trigger();
    EXPECT_TRUE(shownForAdvanced);
    EXPECT_TRUE(hiddenForStudent);
    EXPECT_TRUE(app->form().loginIsAdvanced());
}

}  // namespace
}  // namespace tally::testing
