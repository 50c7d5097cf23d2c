// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/assignment_form.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace tally {

// 布置练习: a topic (a grade and term's skills, or the 口算卷), how many
// questions, the due day on a calendar, and the whole class or the pupils
// ticked. What it asks is an AssignmentRequest; `send` checks and sends it
// and says why not, and the form closes once it says "".
class AssignForm : public QDialog {
    Q_OBJECT

public:
    using Send = std::function<std::string(const AssignmentRequest& request)>;
    AssignForm(const QString& className, const std::vector<std::string>& pupilNames, const std::string& group,
               const QDate& today, Send send, QWidget* parent = nullptr);

private:
    Send send_;
    std::vector<AssignableTopic> topics_;
    QComboBox* group_;
    QComboBox* topic_;
    QSpinBox* count_;
    QDateEdit* due_;
    QRadioButton* some_;
    QListWidget* pupils_;
    QLabel* problem_;

    void showGroup(const QString& group);
    void confirm();
};

}  // namespace tally
