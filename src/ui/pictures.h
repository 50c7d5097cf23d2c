// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QString>

#include "app/toolbar_actions.h"

namespace tally {

// The program's small pictures, painted rather than shipped as files.
namespace pictures {

// The picture of a toolbar button, as its row of the toolbar describes it.
QIcon toolbarButton(const ToolbarIcon& icon);

// The tree's image list: 1 a topic, 2 a selected topic, 4 a section or folder.
QIcon treeImage(int index);

}  // namespace pictures
}  // namespace tally
