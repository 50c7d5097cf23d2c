// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/spinner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace tally {
namespace {

QToolButton* arrowButton(const QString& name, Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFixedSize(44, 30);
    return button;
}

}  // namespace

Spinner::Spinner(const QString& boxName, const QString& caption, QWidget* parent)
    : QWidget(parent), box_(new QLineEdit(this)) {
    box_->setObjectName(boxName);
    box_->setReadOnly(true);
    box_->setAlignment(Qt::AlignCenter);
    box_->setFocusPolicy(Qt::NoFocus);
    QFont big = box_->font();
    big.setPixelSize(30);
    big.setBold(true);
    box_->setFont(big);
    box_->setFixedSize(76, 60);

    auto* up = arrowButton(boxName + "Up", Qt::UpArrow, this);
    auto* down = arrowButton(boxName + "Down", Qt::DownArrow, this);
    connect(up, &QToolButton::clicked, this, [this] { emit stepped(true); });
    connect(down, &QToolButton::clicked, this, [this] { emit stepped(false); });

    auto* label = new QLabel(caption, this);
    QFont labelFont = label->font();
    labelFont.setPixelSize(22);
    label->setFont(labelFont);

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up);
    arrows->addWidget(down);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(box_);
    row->addLayout(arrows);
    row->addWidget(label);
    row->addStretch();
}

void Spinner::setText(const QString& text) { box_->setText(text); }

QString Spinner::text() const { return box_->text(); }

}  // namespace tally
