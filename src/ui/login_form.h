// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tally {

class LoginDialog;

// The login dialog: shows the LoginDialog model and forwards its
// controls' events. Closing it with the window's × logs nobody in.
class LoginForm : public QDialog {
    Q_OBJECT

public:
    LoginForm(LoginDialog& dialog, QWidget* parent = nullptr);

    QListWidget& list() { return *list1_; }
    QLineEdit& passwordBox() { return *text2_; }
    QPushButton& confirmButton() { return *command2_; }

private:
    LoginDialog& dialog_;
    QLabel* label3_;
    QListWidget* list1_;
    QLineEdit* text2_;
    QPushButton* command2_;

    void choose(int row);
    void confirm();
};

}  // namespace tally
