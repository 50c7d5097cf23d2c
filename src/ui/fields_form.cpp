// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fields_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_style.h"
#include "ui/wait_cursor.h"

namespace tally {

FieldsForm::FieldsForm(const QString& title, const QString& help, std::vector<Field> fields, const QString& confirm,
                       Send send, const QString& extra, QWidget* parent)
    : QDialog(parent), send_(std::move(send)), problem_(new QLabel) {
    setObjectName("FieldsForm");
    setWindowTitle(title);
    setModal(true);
    dialogStyle::enlarge(*this);
    auto* rows = new QFormLayout;
    for (const Field& field : fields) {
        auto* box = new QLineEdit(QString::fromStdString(field.text));
        box->setObjectName(field.name);
        rows->addRow(QString::fromUtf8(field.caption), box);
        boxes_.push_back(box);
    }
    problem_->setObjectName("problem");
    problem_->setStyleSheet("color: #b03a2e;");
    problem_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    if (!extra.isEmpty()) {
        auto* other = new QPushButton(extra);
        other->setObjectName("extra");
        other->setAutoDefault(false);
        buttons->addWidget(other);
        connect(other, &QPushButton::clicked, this, [this] { done(kExtraChosen); });
    }
    buttons->addStretch();
    auto* ok = new QPushButton(confirm);
    ok->setObjectName("confirm");
    ok->setDefault(true);
    buttons->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &FieldsForm::confirm);

    auto* layout = new QVBoxLayout(this);
    auto* helpLine = new QLabel(help);
    helpLine->setWordWrap(true);
    layout->addWidget(helpLine);
    layout->addLayout(rows);
    layout->addWidget(problem_);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

void FieldsForm::confirm() {
    std::vector<std::string> texts;
    for (const QLineEdit* box : boxes_) texts.push_back(box->text().toStdString());
    std::string problem;
    {
        const WaitCursor waiting;
        problem = send_(texts);
    }
    if (problem.empty()) return accept();
    problem_->setText(QString::fromStdString(problem));
}

}  // namespace tally
