#pragma once

namespace tally {

class Form1;
struct Sheet;

// The topic "训练记忆": eight cards to remember, the seconds field, the answer
// field and the finish button; starts the countdown.
void buildMemoryGamePage(Form1& form, Sheet& sheet);

}  // namespace tally
