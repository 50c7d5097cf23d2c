// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QPushButton;

namespace tally {

class OptionsDialog;

// The options dialog: three groups of option buttons and the marks' switch, the values in use chosen
// when it opens; only "确定" hands the choices to the model.
class OptionsForm : public QDialog {
    Q_OBJECT

public:
    OptionsForm(OptionsDialog& dialog, QWidget* parent = nullptr);

    QButtonGroup& countGroup() { return *count_; }
    QButtonGroup& memoryGroup() { return *memory_; }
    QButtonGroup& decimalGroup() { return *decimal_; }
    QCheckBox& marksSwitch() { return *marks_; }
    QPushButton& confirmButton() { return *command1_; }

private:
    OptionsDialog& dialog_;
    QButtonGroup* count_;
    QButtonGroup* memory_;
    QButtonGroup* decimal_;
    QCheckBox* marks_;
    QPushButton* command1_;

    void confirm();
};

}  // namespace tally
