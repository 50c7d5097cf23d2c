// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tally {

class PasswordDialog;

// The change-password dialog: the old and the new password; stays open until the model closes.
class PasswordForm : public QDialog {
    Q_OBJECT

public:
    PasswordForm(PasswordDialog& dialog, QWidget* parent = nullptr);

    QLineEdit& oldBox() { return *text1_; }
    QLineEdit& newBox() { return *text2_; }
    QPushButton& confirmButton() { return *command1_; }

private:
    PasswordDialog& dialog_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QPushButton* command1_;

    void confirm();
};

}  // namespace tally
