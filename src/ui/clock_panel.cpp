// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clock_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "window/clock_face.h"
#include "ui/clock_picture.h"
#include "ui/spinner.h"

namespace tally {

ClockPanel::ClockPanel(QWidget* parent)
    : QWidget(parent),
      picture_(new ClockPicture(this)),
      spinners_{new Spinner("Text8", "时", this), new Spinner("Text7", "分", this), new Spinner("Text6", "秒", this)},
      check_(new QCheckBox("设置时间", this)) {
    setObjectName("Picture2");
    setAutoFillBackground(true);
    QPalette calm = palette();
    calm.setColor(QPalette::Window, QColor("#eef6ee"));
    setPalette(calm);

    for (int i = 0; i < 3; ++i) {
        connect(spinners_[i], &Spinner::stepped, this, [this, i](bool up) { emit spun(i + 1, up); });
    }
    check_->setObjectName("Check1");
    QFont big = check_->font();
    big.setPixelSize(22);
    check_->setFont(big);
    check_->setStyleSheet("QCheckBox::indicator { width: 24px; height: 24px; }");
    connect(check_, &QCheckBox::clicked, this, &ClockPanel::checkClicked);

    auto* controls = new QVBoxLayout;
    controls->addStretch();
    for (Spinner* spinner : spinners_) controls->addWidget(spinner);
    controls->addSpacing(16);
    controls->addWidget(check_);
    controls->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addWidget(picture_, 1);
    row->addLayout(controls);
}

Spinner& ClockPanel::spinner(int upDown) { return *spinners_[upDown - 1]; }

void ClockPanel::showClock(const ClockFace& face) {
    picture_->setFace(face);
    spinners_[0]->setText(QString::fromStdString(face.text8()));
    spinners_[1]->setText(QString::fromStdString(face.text7()));
    spinners_[2]->setText(QString::fromStdString(face.text6()));
}

}  // namespace tally
