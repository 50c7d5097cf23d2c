// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/topic_tree.h"

#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QSet>
#include <QStyle>
#include <QToolTip>

#include "topics/tree_model.h"
#include "ui/pictures.h"
#include "ui/tree_mark_delegate.h"

namespace tally {
namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;

void showMark(QTreeWidgetItem& item, const NodeBadge& badge) {
    item.setData(0, kMarkWordRole, QString::fromStdString(badge.word));
    item.setData(0, kMarkToneRole, static_cast<int>(badge.tone));
}

}  // namespace

TopicTree::TopicTree(QWidget* parent)
    : QTreeWidget(parent),
      topicPicture_(pictures::treeImage(1)),
      selectedPicture_(pictures::treeImage(2)),
      folderPicture_(pictures::treeImage(4)) {
    setObjectName("TreeView1");
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The window's splitter sets the width; the child may widen the tree.
    setMinimumWidth(160);
    header()->setStretchLastSection(true);
    setIconSize(QSize(20, 20));
    setItemDelegate(new TreeMarkDelegate(this));
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.15);
    setFont(big);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { emit nodeClicked(keyOf(item)); });
    connect(this, &QTreeWidget::currentItemChanged, this, &TopicTree::showPictures);
}

QString TopicTree::keyOf(const QTreeWidgetItem* item) { return item ? item->data(0, kKeyRole).toString() : QString(); }

void TopicTree::rebuild(const TreeModel& model) {
    // When the model only grew (a list was loaded into it), what the child
    // opened stays open; a rebuild shows the model's expansion alone.
    QSet<QString> openInView;
    int shown = 0;
    bool grew = true;
    for (QTreeWidgetItemIterator it(this); *it; ++it, ++shown) {
        if (!model.find(keyOf(*it).toStdString())) grew = false;
        if ((*it)->isExpanded()) openInView.insert(keyOf(*it));
    }
    if (!grew || shown == 0 || static_cast<int>(model.nodes().size()) <= shown) openInView.clear();

    const QSignalBlocker quiet(this);
    clear();
    QHash<QString, QTreeWidgetItem*> items;
    for (const TopicNode& node : model.nodes()) {
        const QString key = QString::fromStdString(node.key);
        QTreeWidgetItem* parent = items.value(QString::fromStdString(node.parent));
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, QString::fromStdString(node.caption));
        showMark(*item, node.badge);
        item->setData(0, kKeyRole, key);
        item->setData(0, kImageRole, node.image);
        item->setData(0, kSelectedImageRole, node.selectedImage);
        item->setIcon(0, picture(node.image));
        items.insert(key, item);
    }
    for (const TopicNode& node : model.nodes()) {
        const QString key = QString::fromStdString(node.key);
        if (node.expanded || openInView.contains(key)) items.value(key)->setExpanded(true);
    }
    QTreeWidgetItem* selected = items.value(QString::fromStdString(model.selectedKey()));
    setCurrentItem(selected);
    showPictures(selected, nullptr);
    if (selected) scrollToItem(selected);
}

void TopicTree::showMarks(const TreeModel& model) {
    QHash<QString, QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(this); *it; ++it) items.insert(keyOf(*it), *it);
    for (const TopicNode& node : model.nodes()) {
        if (QTreeWidgetItem* shown = items.value(QString::fromStdString(node.key))) showMark(*shown, node.badge);
    }
}

QTreeWidgetItem* TopicTree::item(const QString& key) const {
    for (QTreeWidgetItemIterator it(const_cast<TopicTree*>(this)); *it; ++it) {
        if (keyOf(*it) == key) return *it;
    }
    return nullptr;
}

bool TopicTree::open(const QString& key) {
    QTreeWidgetItem* found = item(key);
    if (!found) return false;
    setCurrentItem(found);
    scrollToItem(found);
    emit nodeClicked(key);
    return true;
}

void TopicTree::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && currentItem()) {
        emit nodeClicked(keyOf(currentItem()));
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

bool TopicTree::captionFits(const QModelIndex& index) const {
    const QRect cell = visualRect(index);
    const int iconSpace = iconSize().width() + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const int textWidth = fontMetrics().horizontalAdvance(index.data(Qt::DisplayRole).toString());
    const int markSpace = TreeMarkDelegate::hasMark(index) ? TreeMarkDelegate::markSpace(fontMetrics()) : 0;
    return cell.left() + iconSpace + textWidth + markSpace <= viewport()->width();
}

bool TopicTree::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid() && (!captionFits(index) || TreeMarkDelegate::hasMark(index))) {
            QString tip = index.data(Qt::DisplayRole).toString();
            if (TreeMarkDelegate::hasMark(index)) tip += "：" + index.data(kMarkWordRole).toString();
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

const QIcon& TopicTree::picture(int index) const {
    switch (index) {
        case 2: return selectedPicture_;
        case 4: return folderPicture_;
        default: return topicPicture_;
    }
}

void TopicTree::showPictures(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (previous) previous->setIcon(0, picture(previous->data(0, kImageRole).toInt()));
    if (current) current->setIcon(0, picture(current->data(0, kSelectedImageRole).toInt()));
}

}  // namespace tally
