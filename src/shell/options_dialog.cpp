#include "shell/options_dialog.h"


namespace tally {

OptionsDialog::OptionsDialog(SheetOptions& options) : options_(options) {}

void OptionsDialog::confirm() {
    if (countChoice >= 0 && countChoice < static_cast<int>(kCountValues.size())) {
        options_.questionCount = kCountValues[countChoice];
    }
    if (memoryChoice >= 0 && memoryChoice < static_cast<int>(kMemoryValues.size())) {
        options_.memoryTime = kMemoryValues[memoryChoice];
    }
    closed_ = true;
}

}  // namespace tally
