// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tally {

class PupilLoginDialog;

// The lab computer's 学生登录: shows the PupilLoginDialog model and forwards
// its controls' events. It closes accepted once the pupil is in, and with
// kFamilyLogin for the family's own login.
class PupilLoginForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFamilyLogin = 2;

    PupilLoginForm(PupilLoginDialog& dialog, QWidget* parent = nullptr);

    QComboBox& classBox() { return *classBox_; }
    QLineEdit& nameBox() { return *nameBox_; }
    QLineEdit& pinBox() { return *pinBox_; }
    QPushButton& confirmButton() { return *confirm_; }
    QPushButton& familyButton() { return *family_; }
    QLabel& problemLabel() { return *problem_; }

private:
    PupilLoginDialog& dialog_;
    QComboBox* classBox_;
    QLineEdit* nameBox_;
    QLineEdit* pinBox_;
    QLabel* problem_;
    QPushButton* confirm_;
    QPushButton* family_;

    void confirm();
};

}  // namespace tally
