// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace tally::pictures {
namespace {

constexpr int kSize = 32;

QIcon paint(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter);
    return QIcon(pixmap);
}

// A rounded tile with a short text on it: the drill forms.
QIcon tile(const QColor& colour, const QString& text, int pixelSize) {
    return paint([&](QPainter& p) {
        p.setPen(colour.darker(140));
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 6, 6);
        QFont font = p.font();
        font.setPixelSize(pixelSize);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
    });
}

void drawKey(QPainter& p) {
    p.setPen(QPen(QColor("#8a6d00"), 3));
    p.setBrush(QColor("#ffd23f"));
    p.drawEllipse(QPointF(10, 11), 6.5, 6.5);
    p.drawLine(QPointF(15, 16), QPointF(27, 28));
    p.drawLine(QPointF(22, 23), QPointF(26, 19));
    p.drawLine(QPointF(25, 26), QPointF(28, 23));
}

void drawOptions(QPainter& p) {
    const QColor colours[] = {QColor("#3a86ff"), QColor("#ff006e"), QColor("#2a9d8f")};
    const int knobs[] = {20, 9, 16};
    for (int row = 0; row < 3; ++row) {
        const double y = 7 + row * 9;
        p.setPen(QPen(QColor("#555555"), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, y), QPointF(28, y));
        p.setPen(QPen(colours[row].darker(130), 1.5));
        p.setBrush(colours[row]);
        p.drawEllipse(QPointF(knobs[row], y), 4, 4);
    }
}

void drawHelp(QPainter& p) {
    p.setPen(QPen(QColor("#1d4ed8"), 1.5));
    p.setBrush(QColor("#60a5fa"));
    p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
    QFont font = p.font();
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, "?");
}

void drawPerson(QPainter& p) {
    p.setPen(QPen(QColor("#0f766e"), 1.5));
    p.setBrush(QColor("#5eead4"));
    p.drawEllipse(QPointF(16, 10), 6, 6);
    QPainterPath shoulders;
    shoulders.moveTo(4, 29);
    shoulders.cubicTo(4, 17, 28, 17, 28, 29);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

void drawPrinter(QPainter& p) {
    p.setPen(QPen(QColor("#374151"), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor("#9ca3af"));
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(QPen(QColor("#6b7280"), 1));
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(20, 26));
}

void drawChart(QPainter& p) {
    p.setPen(QPen(QColor("#374151"), 1.5));
    p.drawLine(QPointF(4, 4), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    p.setPen(Qt::NoPen);
    const QColor bars[] = {QColor("#60a5fa"), QColor("#34d399"), QColor("#fbbf24")};
    const double heights[] = {9, 15, 21};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(bars[i]);
        p.drawRect(QRectF(8 + i * 7, 27 - heights[i], 5, heights[i]));
    }
}

void drawSheet(QPainter& p, const QColor& paper, const QColor& lines) {
    p.setPen(QPen(QColor("#4b5563"), 1.5));
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(6.5, 3.5, 19, 25), 2, 2);
    p.setPen(QPen(lines, 2));
    for (int y = 10; y <= 22; y += 6) p.drawLine(QPointF(10, y), QPointF(22, y));
}

void drawFolder(QPainter& p) {
    p.setPen(QPen(QColor("#a16207"), 1.5));
    p.setBrush(QColor("#fbbf24"));
    QPainterPath folder;
    folder.moveTo(3, 8);
    folder.lineTo(12, 8);
    folder.lineTo(15, 11);
    folder.lineTo(29, 11);
    folder.lineTo(29, 27);
    folder.lineTo(3, 27);
    folder.closeSubpath();
    p.drawPath(folder);
    p.setBrush(QColor("#fde68a"));
    p.drawRect(QRectF(3, 14, 26, 13));
}

// A white tick or arrow on the dot, so the marks differ by more than colour.
void drawMark(QPainter& p, const QColor& colour, const QPainterPath& sign) {
    p.setPen(QPen(colour.darker(130), 1.5));
    p.setBrush(colour);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sign);
}

QPainterPath tick() {
    QPainterPath path;
    path.moveTo(9, 16.5);
    path.lineTo(14, 21.5);
    path.lineTo(23, 11);
    return path;
}

QPainterPath arrowUp() {
    QPainterPath path;
    path.moveTo(16, 23);
    path.lineTo(16, 9.5);
    path.moveTo(10, 15);
    path.lineTo(16, 9);
    path.lineTo(22, 15);
    return path;
}

}  // namespace

QIcon toolbarButton(const ToolbarIcon& icon) {
    const std::string_view drawing = icon.drawing;
    if (drawing == "key") return paint(drawKey);
    if (drawing == "options") return paint(drawOptions);
    if (drawing == "help") return paint(drawHelp);
    if (drawing == "person") return paint(drawPerson);
    if (drawing == "printer") return paint(drawPrinter);
    if (drawing == "chart") return paint(drawChart);
    if (*icon.colour) return tile(QColor(icon.colour), QString::fromUtf8(icon.text), icon.textSize);
    return {};
}

QIcon treeImage(int index) {
    switch (index) {
        case 2: return paint([](QPainter& p) { drawSheet(p, QColor("#fff7cc"), QColor("#ef4444")); });
        case 4: return paint(drawFolder);
        default: return paint([](QPainter& p) { drawSheet(p, Qt::white, QColor("#60a5fa")); });
    }
}

QIcon treeMark(BadgeTone tone) {
    switch (tone) {
        case BadgeTone::Good: return paint([](QPainter& p) { drawMark(p, QColor("#16a34a"), tick()); });
        case BadgeTone::Effort: return paint([](QPainter& p) { drawMark(p, QColor("#f97316"), arrowUp()); });
        case BadgeTone::Plain: break;
    }
    return paint([](QPainter& p) { drawMark(p, QColor("#3b82f6"), QPainterPath()); });
}

}  // namespace tally::pictures
