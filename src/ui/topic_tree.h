// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QString>
#include <QTreeWidget>

namespace tally {

class TreeModel;

// The topic tree beside the pages: shows the model's topic tree. A mouse click on a node, or Enter
// or Space on the node chosen with the keyboard, opens it; captions cannot be
// edited.
class TopicTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit TopicTree(QWidget* parent = nullptr);

    // Shows the tree anew: order, parents, expansion, the selected node. No
    // click is reported while it is rebuilt.
    void rebuild(const TreeModel& model);
    // Shows the model's marks anew, on the nodes as they are.
    void showMarks(const TreeModel& model);
    // The item of the node with this key, or nullptr.
    QTreeWidgetItem* item(const QString& key) const;
    // Selects the node and opens it, as a click does.
    bool open(const QString& key);

    static QString keyOf(const QTreeWidgetItem* item);

signals:
    void nodeClicked(const QString& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A caption cut short by the tree's width is shown whole as a tooltip, and
    // a marked node's with its mark's word.
    bool viewportEvent(QEvent* event) override;

private:
    // The image list: pictures 1, 2 and 4.
    QIcon topicPicture_, selectedPicture_, folderPicture_;

    const QIcon& picture(int index) const;
    void showPictures(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    bool captionFits(const QModelIndex& index) const;
};

}  // namespace tally
