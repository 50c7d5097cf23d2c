// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

class QPainter;

namespace tally {

class ClockFace;

// The round clock face with the three hands where the model put them.
// The model works in twips (15 to a pixel), as its 200-unit margin expects.
class ClockPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr double kTwipsPerPixel = 15;

    explicit ClockPicture(QWidget* parent = nullptr);
    void setFace(const ClockFace& face);

signals:
    // The new size in twips.
    void resized(double width, double height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const ClockFace* face_ = nullptr;

    void paintDial(QPainter& painter, QPointF centre, double radius) const;
    void paintHands(QPainter& painter) const;
};

}  // namespace tally
