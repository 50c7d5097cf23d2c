// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "window/options_dialog.h"
#include "ui/dialog_style.h"

namespace tally {
namespace {

// One group box of option buttons, numbered on from `firstOption` (Option1...).
template <size_t N>
QGroupBox* optionGroup(const char* caption, const std::array<const char*, N>& captions, int firstOption,
                       QButtonGroup* group) {
    auto* box = new QGroupBox(caption);
    auto* row = new QHBoxLayout(box);
    group->setExclusive(true);
    for (size_t i = 0; i < N; ++i) {
        auto* button = new QRadioButton(captions[i]);
        button->setObjectName(QString("Option%1").arg(firstOption + static_cast<int>(i)));
        group->addButton(button, static_cast<int>(i));
        row->addWidget(button);
    }
    row->addStretch();
    return box;
}

}  // namespace

OptionsForm::OptionsForm(OptionsDialog& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      count_(new QButtonGroup(this)),
      memory_(new QButtonGroup(this)),
      decimal_(new QButtonGroup(this)),
      marks_(new QCheckBox(OptionsDialog::kMarksSwitch)),
      command1_(new QPushButton(OptionsDialog::kConfirm)) {
    setObjectName("frmOption");
    setWindowTitle(OptionsDialog::kTitle);
    setModal(true);
    dialogStyle::enlarge(*this);
    command1_->setObjectName("Command1");
    command1_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(optionGroup(OptionsDialog::kCountGroup, OptionsDialog::kCountCaptions, 1, count_));
    layout->addWidget(optionGroup(OptionsDialog::kMemoryGroup, OptionsDialog::kMemoryCaptions, 4, memory_));
    layout->addWidget(optionGroup(OptionsDialog::kDecimalGroup, OptionsDialog::kDecimalCaptions, 7, decimal_));
    marks_->setObjectName("MarksSwitch");
    marks_->setChecked(dialog_.marksChoice);
    marks_->setEnabled(!dialog_.marksLocked());
    if (dialog_.marksLocked()) marks_->setText(marks_->text() + OptionsDialog::kMarksParentOnly);
    layout->addWidget(marks_);
    layout->addWidget(command1_, 0, Qt::AlignRight);

    connect(command1_, &QPushButton::clicked, this, &OptionsForm::confirm);
    // The values in use are selected when the dialog opens.
    if (QAbstractButton* current = count_->button(dialog_.countChoice)) current->setChecked(true);
    if (QAbstractButton* current = memory_->button(dialog_.memoryChoice)) current->setChecked(true);
}

void OptionsForm::confirm() {
    dialog_.countChoice = count_->checkedId();
    dialog_.memoryChoice = memory_->checkedId();
    dialog_.decimalChoice = decimal_->checkedId();
    dialog_.marksChoice = marks_->isChecked();
    dialog_.confirm();
    if (dialog_.closed()) accept();
}

}  // namespace tally
