// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher_login_form.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_style.h"
#include "ui/wait_cursor.h"

namespace tally {

TeacherLoginForm::TeacherLoginForm(LogIn logIn, QWidget* parent)
    : QDialog(parent), logIn_(std::move(logIn)), role_(new QLineEdit("teacher")), password_(new QLineEdit),
      problem_(new QLabel) {
    setObjectName("TeacherLogin");
    setWindowTitle("老师登录");
    setModal(true);
    dialogStyle::enlarge(*this);
    role_->setObjectName("role");
    password_->setObjectName("password");
    password_->setEchoMode(QLineEdit::Password);
    problem_->setObjectName("problem");
    problem_->setStyleSheet("color: #b03a2e;");
    problem_->setWordWrap(true);
    auto* confirm = new QPushButton("登录");
    confirm->setObjectName("confirm");
    confirm->setDefault(true);

    auto* fields = new QFormLayout;
    fields->addRow("老师的账号：", role_);
    fields->addRow("密码：", password_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("请用学校给老师的账号和密码登录。"));
    layout->addLayout(fields);
    layout->addWidget(problem_);
    layout->addWidget(confirm, 0, Qt::AlignRight);
    password_->setFocus();
    connect(confirm, &QPushButton::clicked, this, &TeacherLoginForm::confirm);
}

void TeacherLoginForm::confirm() {
    std::string problem;
    {
        const WaitCursor waiting;
        problem = logIn_(role_->text().trimmed().toStdString(), password_->text().toStdString());
    }
    password_->clear();
    if (problem.empty()) return accept();
    problem_->setText(QString::fromStdString(problem));
}

}  // namespace tally
