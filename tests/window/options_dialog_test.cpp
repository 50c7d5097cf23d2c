// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/options_dialog.h"

#include <gtest/gtest.h>

namespace tally {
namespace {

// The switch in 选项 is the parent's: a child's choice changes nothing.
TEST(OptionsMarks, OnlyTheParentTurnsTheTreesMarksOff) {
    for (const bool parent : {true, false}) {
        SheetOptions options;
        OptionsDialog dialog(options, parent);
        EXPECT_TRUE(dialog.marksChoice);
        dialog.marksChoice = false;
        dialog.confirm();
        EXPECT_EQ(options.masteryMarks, !parent) << (parent ? "parent" : "child");
    }
}

}  // namespace
}  // namespace tally
