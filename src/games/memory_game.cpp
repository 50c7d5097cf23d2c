#include "sheets/families.h"

namespace tally {

void onMemoryTick(Form1&) {}

}  // namespace tally
