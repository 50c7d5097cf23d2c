#pragma once
#include <string>

#include "sheets/sheet.h"

namespace tally {

class Form1;

// The generators of the sheet families, one per family sigil (and, for "{",
// per range of topic numbers). Each appends its page to the sheet.
void buildArithmeticSheet(Form1& form, const std::string& sigil, int limit, Sheet& sheet);
void buildGamePage(Form1& form, int topic, Sheet& sheet);
// The page of the data directory a game topic opens ("" for the games the program deals).
std::string gamePagePath(int topic);
void buildLevelGamePage(Form1& form, int topic, Sheet& sheet);
void buildFractionSheet(Form1& form, int topic, Sheet& sheet);
void buildDivisorSheet(Form1& form, int topic, Sheet& sheet);
void buildFourOperationSheet(Form1& form, int topic, Sheet& sheet);
void buildTimeSheet(Form1& form, int topic, Sheet& sheet);
void buildCompareSheet(Form1& form, int topic, Sheet& sheet);
void buildPatternSheet(Form1& form, int topic, Sheet& sheet);

// The games that run on the main window's timers and the page's mouse events.
void onLevelTick(Form1& form);        // Timer5
void onLevelCountdown(Form1& form);   // Timer6
void onMemoryTick(Form1& form);       // Timer2
void chooseLevelAnswer(Form1& form, int radio);      // bcheck1..4 on R1..R4
void chooseLevelDifficulty(Form1& form, int choice);  // bcheck1n..3n on n1..n3

}  // namespace tally
