// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/password_form.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/password_dialog.h"
#include "ui/dialog_style.h"

namespace tally {

PasswordForm::PasswordForm(PasswordDialog& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      text1_(new QLineEdit),
      text2_(new QLineEdit),
      command1_(new QPushButton(PasswordDialog::kConfirm)) {
    setObjectName("frmPassword");
    setWindowTitle(PasswordDialog::kTitle);
    setModal(true);
    dialogStyle::enlarge(*this);
    text1_->setObjectName("Text1");
    text2_->setObjectName("Text2");
    command1_->setObjectName("Command1");
    text1_->setEchoMode(QLineEdit::Password);
    text2_->setEchoMode(QLineEdit::Password);
    command1_->setDefault(true);

    auto* boxes = new QFormLayout;
    boxes->addRow(PasswordDialog::kOldLabel, text1_);
    boxes->addRow(PasswordDialog::kNewLabel, text2_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(command1_, 0, Qt::AlignRight);
    setMinimumWidth(360);

    connect(command1_, &QPushButton::clicked, this, &PasswordForm::confirm);
}

void PasswordForm::confirm() {
    dialog_.oldPassword = text1_->text().toStdString();
    dialog_.newPassword = text2_->text().toStdString();
    dialog_.confirm();
    if (dialog_.closed()) accept();
}

}  // namespace tally
