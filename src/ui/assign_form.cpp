// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/assign_form.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/dialog_style.h"
#include "ui/wait_cursor.h"

namespace tally {
namespace {

constexpr int kDaysToDo = 7;

}  // namespace

AssignForm::AssignForm(const QString& className, const std::vector<std::string>& pupilNames, const std::string& group,
                       const QDate& today, Send send, QWidget* parent)
    : QDialog(parent), send_(std::move(send)), topics_(assignableTopics()), group_(new QComboBox),
      topic_(new QComboBox), count_(new QSpinBox), due_(new QDateEdit), some_(new QRadioButton("只给勾上的同学")),
      pupils_(new QListWidget), problem_(new QLabel) {
    setObjectName("AssignForm");
    setWindowTitle("布置练习：" + className);
    setModal(true);
    dialogStyle::enlarge(*this);
    group_->setObjectName("group");
    topic_->setObjectName("topic");
    count_->setObjectName("count");
    due_->setObjectName("due");
    some_->setObjectName("some");
    pupils_->setObjectName("pupils");
    problem_->setObjectName("problem");
    problem_->setStyleSheet("color: #b03a2e;");
    problem_->setWordWrap(true);

    for (const AssignableTopic& topic : topics_) {
        const QString name = QString::fromStdString(topic.group);
        if (group_->findText(name) < 0) group_->addItem(name);
    }
    count_->setRange(1, kMostAssignedQuestions);
    count_->setValue(20);
    count_->setSuffix(" 道");
    due_->setCalendarPopup(true);
    due_->setDisplayFormat("yyyy-MM-dd");
    due_->setMinimumDate(today);
    due_->setDate(today.addDays(kDaysToDo));
    auto* whole = new QRadioButton("全班");
    whole->setObjectName("whole");
    whole->setChecked(true);
    for (const std::string& name : pupilNames) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), pupils_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    pupils_->setEnabled(false);
    pupils_->setMaximumHeight(180);
    auto* confirm = new QPushButton("布置");
    confirm->setObjectName("confirm");
    confirm->setDefault(true);

    auto* fields = new QFormLayout;
    fields->addRow("年级：", group_);
    fields->addRow("练习内容：", topic_);
    fields->addRow("题数：", count_);
    fields->addRow("截止日期：", due_);
    fields->addRow("给谁：", whole);
    fields->addRow("", some_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(pupils_);
    layout->addWidget(problem_);
    layout->addWidget(confirm, 0, Qt::AlignRight);
    setMinimumWidth(560);

    connect(group_, &QComboBox::currentTextChanged, this, &AssignForm::showGroup);
    connect(some_, &QRadioButton::toggled, pupils_, &QListWidget::setEnabled);
    connect(confirm, &QPushButton::clicked, this, &AssignForm::confirm);
    const int suggested = group_->findText(QString::fromStdString(group));
    group_->setCurrentIndex(suggested < 0 ? 0 : suggested);
    showGroup(group_->currentText());
}

void AssignForm::showGroup(const QString& group) {
    topic_->clear();
    for (const AssignableTopic& topic : topics_) {
        if (QString::fromStdString(topic.group) == group) {
            topic_->addItem(QString::fromStdString(topic.caption), QString::fromStdString(topic.key));
        }
    }
}

void AssignForm::confirm() {
    AssignmentRequest request;
    request.topicKey = topic_->currentData().toString().toStdString();
    request.count = count_->value();
    request.due = due_->date().toString("yyyy-MM-dd").toStdString();
    request.onlyNamed = some_->isChecked();
    for (int row = 0; request.onlyNamed && row < pupils_->count(); ++row) {
        if (pupils_->item(row)->checkState() == Qt::Checked) request.pupilNames.push_back(pupils_->item(row)->text().toStdString());
    }
    std::string problem;
    {
        const WaitCursor waiting;
        problem = send_(request);
    }
    if (problem.empty()) return accept();
    problem_->setText(QString::fromStdString(problem));
}

}  // namespace tally
