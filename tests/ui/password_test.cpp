#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "shell/form1.h"
#include "ui/login_form.h"
#include "ui/main_window.h"
#include "ui/password_form.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// Clicks 确定 and answers the message box it brings; returns the box's text.
QString confirmAndReadMessage(PasswordForm& form) {
    QString text;
    onNextDialog([&text](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) text = box->text();
        dialog.accept();
    });
    QTest::mouseClick(&form.confirmButton(), Qt::LeftButton);
    return text;
}

TEST(Password, EmptyBoxesKeepTheDialogOpenAndAWrongOldPasswordClosesIt) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    QString empty, wrong;
    bool openAfterEmpty = false, closedAfterWrong = false;
    onNextDialog([&](QDialog& dialog) {
        auto& form = static_cast<PasswordForm&>(dialog);
        empty = confirmAndReadMessage(form);
        openAfterEmpty = form.isVisible();
        QTest::keyClicks(&form.oldBox(), "111");
        QTest::keyClicks(&form.newBox(), "5");
        wrong = confirmAndReadMessage(form);
        closedAfterWrong = !form.isVisible();
    });
    app->window().toolbarAction("w1")->trigger();
    EXPECT_EQ(empty, "密码框不能空！");
    EXPECT_TRUE(openAfterEmpty);
    EXPECT_EQ(wrong, "老密码不对！不能修改！");
    EXPECT_TRUE(closedAfterWrong);
}

TEST(Password, ANewPasswordIsWrittenAndHoldsAtTheNextLogin) {
    QTemporaryDir temp;
    const QDir data(temp.path());
    ASSERT_TRUE(QFile::copy(QString(TALLYMOO_DATA_DIR) + "/help.htm", data.filePath("help.htm")));
    AppOptions options;
    options.dataDir = temp.path();
    options.seed = 1;
    auto app = startLoggedIn("238", options);
    ASSERT_TRUE(app);

    onNextDialog([](QDialog& dialog) {
        auto& form = static_cast<PasswordForm&>(dialog);
        QTest::keyClicks(&form.oldBox(), "238");
        QTest::keyClicks(&form.newBox(), "4a");
        QTest::keyClick(&form.newBox(), Qt::Key_Return);
    });
    app->window().toolbarAction("w1")->trigger();
    QFile file(data.filePath("tallymoologin.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("59\r\n104\r\n\r\n"));  // '4' is 52, 'a' is 97, each plus 7

    onNextDialog([](QDialog& dialog) {
        auto& login = static_cast<LoginForm&>(dialog);
        QTest::keyClicks(&login.passwordBox(), "4a");
        QTest::keyClick(&login.passwordBox(), Qt::Key_Return);
    });
    app->window().toolbarAction("w11")->trigger();
    EXPECT_TRUE(app->form().loginIsAdvanced());
    EXPECT_EQ(app->form().storedPassword, "4a");
}

}  // namespace
}  // namespace tally::testing
