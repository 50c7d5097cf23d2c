#include "ui/login_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/login_dialog.h"
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

    list1_->addItem(LoginDialog::kAdvancedItem);
    list1_->addItem(LoginDialog::kStudentItem);
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
    // Both items in full, measured in the dialog's font.
    list1_->setFixedHeight(list1_->sizeHintForRow(0) * 2 + 2 * list1_->frameWidth() + 4);
    list1_->setMinimumWidth(list1_->sizeHintForColumn(0) + 2 * list1_->frameWidth() + 8);

    connect(list1_, &QListWidget::currentRowChanged, this, &LoginForm::choose);
    connect(text2_, &QLineEdit::textChanged, this,
            [this](const QString& text) { dialog_.password = text.toStdString(); });
    connect(command2_, &QPushButton::clicked, this, &LoginForm::confirm);

    // A parent opens the dialog to type the password at once.
    list1_->setCurrentRow(LoginDialog::kAdvanced);
    text2_->setFocus();
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
