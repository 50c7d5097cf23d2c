// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tally {

class ChildrenDialog;

// The parent's 孩子 dialog: the children with their grades; a name box and a
// grade to add a child or to rename and regrade the selected one; removing
// asks twice. Refusals are told in a 提示 box.
class ChildrenForm : public QDialog {
    Q_OBJECT

public:
    // `tell` shows a 提示 box, as the window shows every message.
    ChildrenForm(ChildrenDialog& dialog, std::function<void(const std::string&)> tell, QWidget* parent = nullptr);

    QListWidget& list() { return *list_; }
    QLineEdit& nameBox() { return *name_; }
    QComboBox& gradeBox() { return *grade_; }
    QPushButton& addButton() { return *add_; }
    QPushButton& renameButton() { return *rename_; }
    QPushButton& gradeButton() { return *regrade_; }
    QPushButton& removeButton() { return *remove_; }
    QCheckBox& marksBox() { return *marks_; }

private:
    ChildrenDialog& dialog_;
    std::function<void(const std::string&)> tell_;
    QListWidget* list_;
    QLineEdit* name_;
    QComboBox* grade_;
    QPushButton* add_;
    QPushButton* rename_;
    QPushButton* regrade_;
    QPushButton* remove_;
    QPushButton* give_;
    QCheckBox* marks_;

    void refill(long long selectId);
    long long selectedId() const;
    void chosen();
    // Tells why a change was not made; true when it was.
    bool done(const std::string& problem);
};

}  // namespace tally
