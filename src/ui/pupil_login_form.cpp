// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pupil_login_form.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "ui/dialog_style.h"
#include "window/pupil_login_dialog.h"

namespace tally {

PupilLoginForm::PupilLoginForm(PupilLoginDialog& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      classBox_(new QComboBox),
      nameBox_(new QLineEdit),
      pinBox_(new QLineEdit),
      problem_(new QLabel),
      confirm_(new QPushButton(PupilLoginDialog::kConfirm)),
      family_(new QPushButton(PupilLoginDialog::kFamily)) {
    setObjectName("PupilLogin");
    // Named as the teacher's forms are, so a script fills them the same way.
    classBox_->setObjectName("class");
    nameBox_->setObjectName("name");
    pinBox_->setObjectName("pin");
    confirm_->setObjectName("confirm");
    setWindowTitle(PupilLoginDialog::kTitle);
    setModal(true);
    dialogStyle::enlarge(*this);

    for (const std::string& name : dialog_.classNames()) classBox_->addItem(QString::fromStdString(name));
    // The PIN is digits only, and no one looking on reads it.
    pinBox_->setEchoMode(QLineEdit::Password);
    pinBox_->setInputMethodHints(Qt::ImhDigitsOnly);
    pinBox_->setMaxLength(PupilLoginDialog::kLongestPin);
    pinBox_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), pinBox_));
    problem_->setStyleSheet("color: #b03a2e;");
    problem_->setWordWrap(true);
    problem_->hide();
    confirm_->setDefault(true);
    family_->setAutoDefault(false);

    auto* fields = new QFormLayout;
    fields->addRow(PupilLoginDialog::kClassLabel, classBox_);
    fields->addRow(PupilLoginDialog::kNameLabel, nameBox_);
    fields->addRow(PupilLoginDialog::kPinLabel, pinBox_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(family_);
    buttons->addStretch();
    buttons->addWidget(confirm_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(problem_);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(confirm_, &QPushButton::clicked, this, &PupilLoginForm::confirm);
    connect(family_, &QPushButton::clicked, this, [this] { done(kFamilyLogin); });
    nameBox_->setFocus();
}

void PupilLoginForm::confirm() {
    dialog_.className = classBox_->currentText().toStdString();
    dialog_.name = nameBox_->text().toStdString();
    dialog_.pin = pinBox_->text().toStdString();
    // The server may take a few seconds to answer, or not to.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    confirm_->setEnabled(false);
    dialog_.confirm();
    confirm_->setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (dialog_.loggedIn()) return accept();
    problem_->setText(QString::fromStdString(dialog_.problem()));
    problem_->show();
    pinBox_->clear();
    pinBox_->setFocus();
}

}  // namespace tally
