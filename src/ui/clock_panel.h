// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

class QCheckBox;

namespace tally {

class ClockFace;
class ClockPicture;
class Spinner;

// The clock pane: the clock face with the spinners for hours, minutes and
// seconds, and the check box "设置时间" that stops the clock.
class ClockPanel : public QWidget {
    Q_OBJECT

public:
    explicit ClockPanel(QWidget* parent = nullptr);
    void showClock(const ClockFace& face);

    ClockPicture& picture() { return *picture_; }
    Spinner& spinner(int upDown);
    QCheckBox& check() { return *check_; }

signals:
    void spun(int upDown, bool up);
    void checkClicked(bool ticked);

private:
    ClockPicture* picture_;
    Spinner* spinners_[3];
    QCheckBox* check_;
};

}  // namespace tally
