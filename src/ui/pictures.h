#pragma once
#include <QIcon>
#include <QString>

namespace tally {

// The program's small pictures, painted rather than shipped as files.
namespace pictures {

// The picture of a toolbar button, by the button's key ("w1" ... "w12").
QIcon toolbarButton(const QString& key);

// The tree's image list: 1 a topic, 2 a selected topic, 4 a section or folder.
QIcon treeImage(int index);

}  // namespace pictures
}  // namespace tally
