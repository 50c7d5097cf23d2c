// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_style.h"

#include <QFont>
#include <QWidget>

namespace tally::dialogStyle {

void enlarge(QWidget& dialog) {
    QFont font = dialog.font();
    font.setPixelSize(18);
    dialog.setFont(font);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

}  // namespace tally::dialogStyle
