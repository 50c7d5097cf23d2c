// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/children_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/children_dialog.h"
#include "ui/dialog_style.h"

namespace tally {

ChildrenForm::ChildrenForm(ChildrenDialog& dialog, std::function<void(const std::string&)> tell, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      tell_(std::move(tell)),
      list_(new QListWidget),
      name_(new QLineEdit),
      grade_(new QComboBox),
      add_(new QPushButton("添加孩子")),
      rename_(new QPushButton("改名字")),
      regrade_(new QPushButton("改年级")),
      remove_(new QPushButton("删除孩子")),
      give_(new QPushButton("把以前的记录给选中的孩子")),
      marks_(new QCheckBox("孩子自己做完练习也批改（只打√和×，不给正确答案）")) {
    setObjectName("frmChildren");
    setWindowTitle(ChildrenDialog::kTitle);
    setModal(true);
    dialogStyle::enlarge(*this);
    list_->setObjectName("ChildList");
    name_->setObjectName("ChildName");
    grade_->setObjectName("ChildGrade");
    add_->setObjectName("AddChild");
    rename_->setObjectName("RenameChild");
    regrade_->setObjectName("RegradeChild");
    remove_->setObjectName("RemoveChild");
    give_->setObjectName("GiveEarlier");
    marks_->setObjectName("ChildMarks");
    name_->setMaxLength(40);  // the record says when a name is too long
    name_->setPlaceholderText("孩子的名字（最多12个字）");
    for (int grade = 1; grade <= 6; ++grade) grade_->addItem(QString::fromStdString(gradeName(grade)), grade);
    marks_->setChecked(dialog_.marksAlone);

    auto* close = new QPushButton("关闭");
    close->setObjectName("CloseChildren");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("家里的孩子（每个孩子有自己的成绩、错题和设置）："));
    layout->addWidget(list_);
    auto* boxes = new QGridLayout;
    boxes->addWidget(new QLabel("名字："), 0, 0);
    boxes->addWidget(name_, 0, 1);
    boxes->addWidget(new QLabel("年级："), 1, 0);
    boxes->addWidget(grade_, 1, 1);
    layout->addLayout(boxes);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add_, rename_, regrade_, remove_}) buttons->addWidget(button);
    layout->addLayout(buttons);
    layout->addWidget(give_);
    layout->addWidget(marks_);
    layout->addWidget(close, 0, Qt::AlignRight);
    setMinimumWidth(560);

    connect(list_, &QListWidget::currentRowChanged, this, [this] { chosen(); });
    connect(add_, &QPushButton::clicked, this, [this] {
        if (done(dialog_.add(name_->text().toStdString(), grade_->currentData().toInt()))) {
            refill(dialog_.children().empty() ? -1 : dialog_.children().back().id);
        }
    });
    connect(rename_, &QPushButton::clicked, this, [this] {
        const long long id = selectedId();
        if (done(dialog_.rename(id, name_->text().toStdString()))) refill(id);
    });
    connect(regrade_, &QPushButton::clicked, this, [this] {
        const long long id = selectedId();
        if (done(dialog_.setGrade(id, grade_->currentData().toInt()))) refill(id);
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        const std::string problem = dialog_.remove(selectedId());
        if (problem != ChildrenDialog::kKept && done(problem)) refill(-1);
    });
    connect(give_, &QPushButton::clicked, this, [this] {
        const long long id = selectedId();
        if (done(dialog_.giveEarlier(id))) refill(id);
    });
    connect(marks_, &QCheckBox::toggled, this, [this](bool on) { dialog_.marksAlone = on; });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    refill(-1);
}

void ChildrenForm::refill(long long selectId) {
    list_->clear();
    int row = -1;
    for (const Child& child : dialog_.children()) {
        auto* item = new QListWidgetItem(QString::fromStdString(childLine(child)), list_);
        item->setData(Qt::UserRole, QVariant::fromValue(child.id));
        if (child.id == selectId) row = list_->count() - 1;
    }
    if (row >= 0) list_->setCurrentRow(row);
    give_->setVisible(dialog_.earlierSheets() > 0 && !dialog_.children().empty());
    give_->setText(QString("把以前的记录（%1张练习）给选中的孩子").arg(dialog_.earlierSheets()));
    chosen();
}

long long ChildrenForm::selectedId() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toLongLong() : -1;
}

void ChildrenForm::chosen() {
    const long long id = selectedId();
    for (QPushButton* button : {rename_, regrade_, remove_, give_}) button->setEnabled(id >= 0);
    for (const Child& child : dialog_.children()) {
        if (child.id != id) continue;
        name_->setText(QString::fromStdString(child.name));
        grade_->setCurrentIndex(child.grade - 1);
    }
}

bool ChildrenForm::done(const std::string& problem) {
    if (problem.empty()) return true;
    tell_(problem);
    return false;
}

}  // namespace tally
