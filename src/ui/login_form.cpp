// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/login_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/login_dialog.h"
#include "ui/dialog_style.h"

namespace tally {

LoginForm::LoginForm(LoginDialog& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      label3_(new QLabel(LoginDialog::kLabel3)),
      list1_(new QListWidget),
      text2_(new QLineEdit),
      command2_(new QPushButton(LoginDialog::kConfirm)) {
    setObjectName("Form2");
    setWindowTitle(LoginDialog::kTitle);
    setModal(true);
    dialogStyle::enlarge(*this);

    auto* label1 = new QLabel(LoginDialog::kLabel1);
    auto* label2 = new QLabel(LoginDialog::kLabel2);
    label1->setObjectName("Label1");
    label2->setObjectName("Label2");
    label3_->setObjectName("Label3");
    list1_->setObjectName("List1");
    text2_->setObjectName("Text2");
    command2_->setObjectName("Command2");

    // Each child by name once children are named, in place of the student item.
    for (const std::string& item : dialog_.items()) list1_->addItem(QString::fromStdString(item));
    text2_->setEchoMode(QLineEdit::Password);
    command2_->setDefault(true);
    command2_->setAutoDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(list1_);
    layout->addWidget(label3_);
    layout->addWidget(text2_);
    layout->addWidget(label2);
    layout->addWidget(command2_, 0, Qt::AlignRight);
    // Every item in full (up to thirteen), measured in the dialog's font.
    list1_->setFixedHeight(list1_->sizeHintForRow(0) * list1_->count() + 2 * list1_->frameWidth() + 4);
    list1_->setMinimumWidth(list1_->sizeHintForColumn(0) + 2 * list1_->frameWidth() + 8);

    connect(list1_, &QListWidget::currentRowChanged, this, &LoginForm::choose);
    connect(text2_, &QLineEdit::textChanged, this,
            [this](const QString& text) { dialog_.password = text.toStdString(); });
    connect(command2_, &QPushButton::clicked, this, &LoginForm::confirm);

    // The child who used the program last is selected, so a child presses
    // Enter and starts; without children a parent opens the dialog to type
    // the password at once.
    if (dialog_.selectedItem() > LoginDialog::kAdvanced) {
        list1_->setCurrentRow(dialog_.selectedItem());
        list1_->setFocus();
    } else {
        list1_->setCurrentRow(LoginDialog::kAdvanced);
        text2_->setFocus();
    }
}

void LoginForm::choose(int row) {
    dialog_.clickItem(row);
    label3_->setVisible(dialog_.passwordShown());
    text2_->setVisible(dialog_.passwordShown());
    text2_->clear();
    if (dialog_.passwordShown()) text2_->setFocus();
}

void LoginForm::confirm() {
    dialog_.confirm();
    if (dialog_.closed()) accept();
}

}  // namespace tally
