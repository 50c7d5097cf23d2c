// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tally::dialogStyle {

// The program's dialogs use a larger font than the desktop's default, for
// children's eyes.
void enlarge(QWidget& dialog);

}  // namespace tally::dialogStyle
