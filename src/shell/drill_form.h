#pragma once

namespace tally {

// The pressed member of the exclusive toolbar group w6..w9.
enum class DrillForm { Normal, Vertical, Inequality, Decimal };

}  // namespace tally
