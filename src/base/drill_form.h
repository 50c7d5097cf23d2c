// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tally {

// The pressed member of the exclusive toolbar group w6..w9.
enum class DrillForm { Normal, Vertical, Inequality, Decimal };

// The toolbar button that chooses a drill form.
constexpr const char* drillFormKey(DrillForm form) {
    switch (form) {
        case DrillForm::Normal: return "w6";
        case DrillForm::Vertical: return "w7";
        case DrillForm::Inequality: return "w8";
        case DrillForm::Decimal: return "w9";
    }
    return "w6";
}

}  // namespace tally
