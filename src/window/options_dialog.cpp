// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/options_dialog.h"


namespace tally {

namespace {

template <std::size_t N>
int indexOf(const std::array<int, N>& values, int value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

OptionsDialog::OptionsDialog(SheetOptions& options, bool parentLoggedIn)
    : countChoice(indexOf(kCountValues, options.questionCount)),
      memoryChoice(indexOf(kMemoryValues, options.memoryTime)),
      marksChoice(options.masteryMarks),
      options_(options),
      parentLoggedIn_(parentLoggedIn) {}

void OptionsDialog::confirm() {
    if (countChoice >= 0 && countChoice < static_cast<int>(kCountValues.size())) {
        options_.questionCount = kCountValues[countChoice];
    }
    if (memoryChoice >= 0 && memoryChoice < static_cast<int>(kMemoryValues.size())) {
        options_.memoryTime = kMemoryValues[memoryChoice];
    }
    if (parentLoggedIn_) options_.masteryMarks = marksChoice;
    closed_ = true;
}

}  // namespace tally
