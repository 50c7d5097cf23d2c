// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_record/sqlite_record.h"
#include "window/login_dialog.h"
#include "ui/login_form.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

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

}  // namespace
}  // namespace tally::testing
