#include "shell/options_dialog.h"

#include "shell/form1.h"

namespace tally {

OptionsDialog::OptionsDialog(Form1& form) : form_(form) {}

void OptionsDialog::confirm() {
    if (countChoice >= 0 && countChoice < static_cast<int>(kCountValues.size())) {
        form_.questionCount = kCountValues[countChoice];
    }
    if (memoryChoice >= 0 && memoryChoice < static_cast<int>(kMemoryValues.size())) {
        form_.memoryTime = kMemoryValues[memoryChoice];
    }
    closed_ = true;
}

}  // namespace tally
