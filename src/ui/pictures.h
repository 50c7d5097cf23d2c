// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QString>

#include "app/toolbar_actions.h"
#include "topics/tree_model.h"

namespace tally {

// The program's small pictures, painted rather than shipped as files.
namespace pictures {

// The picture of a toolbar button, as its row of the toolbar describes it.
QIcon toolbarButton(const ToolbarIcon& icon);

// The tree's image list: 1 a topic, 2 a selected topic, 4 a section or folder.
QIcon treeImage(int index);

// The mark beside a practised topic: a dot, blue when practised, green with a
// tick when fluent, orange with an arrow up when it wants more practice.
QIcon treeMark(BadgeTone tone);

}  // namespace pictures
}  // namespace tally
