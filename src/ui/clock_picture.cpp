// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clock_picture.h"

#include <QPainter>
#include <QResizeEvent>
#include <QtMath>

#include "window/clock_face.h"

namespace tally {
namespace {

QPointF pixels(double x, double y) { return {x / ClockPicture::kTwipsPerPixel, y / ClockPicture::kTwipsPerPixel}; }

QPointF onCircle(QPointF centre, double radius, double degrees) {
    const double radians = qDegreesToRadians(degrees - 90);
    return centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

}  // namespace

ClockPicture::ClockPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture1");
    setMinimumSize(240, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ClockPicture::setFace(const ClockFace& face) {
    face_ = &face;
    update();
}

void ClockPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized(event->size().width() * kTwipsPerPixel, event->size().height() * kTwipsPerPixel);
}

void ClockPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (!face_ || face_->radius() <= 0) return;
    paintDial(painter, pixels(face_->centreX(), face_->centreY()), face_->radius() / kTwipsPerPixel);
    paintHands(painter);
}

void ClockPicture::paintDial(QPainter& painter, QPointF centre, double radius) const {
    // The rim sits a little outside the second hand's reach.
    const double rim = radius + std::min(8.0, radius * 0.06);
    painter.setPen(QPen(QColor("#5b7c99"), 4));
    painter.setBrush(QColor("#fffdf5"));
    painter.drawEllipse(centre, rim, rim);

    for (int minute = 0; minute < 60; ++minute) {
        const bool hour = minute % 5 == 0;
        painter.setPen(QPen(QColor(hour ? "#334155" : "#94a3b8"), hour ? 3 : 1, Qt::SolidLine, Qt::RoundCap));
        const double inner = radius * (hour ? 0.88 : 0.94);
        painter.drawLine(onCircle(centre, inner, minute * 6), onCircle(centre, radius, minute * 6));
    }

    QFont numbers = font();
    numbers.setPixelSize(std::max(10, static_cast<int>(radius * 0.15)));
    numbers.setBold(true);
    painter.setFont(numbers);
    painter.setPen(QColor("#1e293b"));
    const double size = radius * 0.3;
    for (int hour = 1; hour <= 12; ++hour) {
        const QPointF at = onCircle(centre, radius * 0.72, hour * 30);
        painter.drawText(QRectF(at.x() - size / 2, at.y() - size / 2, size, size), Qt::AlignCenter,
                         QString::number(hour));
    }
}

void ClockPicture::paintHands(QPainter& painter) const {
    struct Style {
        ClockFace::Hand hand;
        QColor colour;
        int width;
    };
    // Hour under minute under second, as the hands lie on a real clock.
    const Style styles[] = {{ClockFace::Hour, QColor(0x00, 0xFF, 0x00), 6},
                            {ClockFace::Minute, QColor(0x00, 0x00, 0xC0), 4},
                            {ClockFace::Second, QColor(0xFF, 0x00, 0x00), 2}};
    for (const Style& style : styles) {
        const ClockHand& hand = face_->hand(style.hand);
        painter.setPen(QPen(style.colour, style.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(pixels(hand.x1, hand.y1), pixels(hand.x2, hand.y2));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor("#1e293b"));
    painter.drawEllipse(pixels(face_->centreX(), face_->centreY()), 5, 5);
}

}  // namespace tally
