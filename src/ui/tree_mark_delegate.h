// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QStyledItemDelegate>
#include <array>

namespace tally {

// What a tree item holds of its node's mark: the word and the tone (BadgeTone).
inline constexpr int kMarkWordRole = Qt::UserRole + 3;
inline constexpr int kMarkToneRole = Qt::UserRole + 4;

// Draws a tree item with its node's mark, a small picture at the right end of
// the row: a caption too long for the column is cut short, never the mark.
class TreeMarkDelegate : public QStyledItemDelegate {
public:
    explicit TreeMarkDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The room a mark takes at the end of a row, in a view of this font.
    static int markSpace(const QFontMetrics& metrics);
    static bool hasMark(const QModelIndex& index);

private:
    // One picture a tone, painted once.
    std::array<QIcon, 3> marks_;
};

}  // namespace tally
