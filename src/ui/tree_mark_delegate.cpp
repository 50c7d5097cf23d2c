// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tree_mark_delegate.h"

#include <QApplication>
#include <QPainter>

#include "ui/pictures.h"

namespace tally {

TreeMarkDelegate::TreeMarkDelegate(QObject* parent)
    : QStyledItemDelegate(parent),
      marks_{pictures::treeMark(BadgeTone::Plain), pictures::treeMark(BadgeTone::Good),
             pictures::treeMark(BadgeTone::Effort)} {}

int TreeMarkDelegate::markSpace(const QFontMetrics& metrics) { return metrics.height() + 6; }

bool TreeMarkDelegate::hasMark(const QModelIndex& index) { return !index.data(kMarkWordRole).toString().isEmpty(); }

void TreeMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (!hasMark(index)) return QStyledItemDelegate::paint(painter, option, index);
    const int space = markSpace(option.fontMetrics);
    QStyleOptionViewItem whole = option;
    initStyleOption(&whole, index);
    const QStyle* style = whole.widget ? whole.widget->style() : QApplication::style();
    // The row's background runs under the mark too, so a selected row is one band.
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &whole, painter, whole.widget);
    QStyleOptionViewItem caption = option;
    caption.rect.setRight(option.rect.right() - space);
    QStyledItemDelegate::paint(painter, caption, index);

    const int side = option.fontMetrics.height() * 7 / 8;
    const QRect mark(option.rect.right() - space + (space - side) / 2, option.rect.center().y() - side / 2, side, side);
    const auto tone = static_cast<std::size_t>(index.data(kMarkToneRole).toInt());
    if (tone < marks_.size()) marks_[tone].paint(painter, mark);
}

QSize TreeMarkDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (hasMark(index)) size.rwidth() += markSpace(option.fontMetrics);
    return size;
}

}  // namespace tally
