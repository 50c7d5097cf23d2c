#pragma once
#include <string>

#include "sheets/sheet.h"

namespace tally {

class Form1;
struct TopicNode;

// The node-click frame: resets the per-sheet state, dispatches on the family
// sigil and writes the sheet into WebBrowser1.
void runNodeClick(Form1& form, const TopicNode& node);

// The family generators in dispatch order; an unknown sigil builds nothing.
void dispatchFamily(Form1& form, const std::string& sigil, int topic, Sheet& sheet);

// The introductions of the four operation roots ("+0" ...), or "" for others.
std::string operatorIntroduction(const std::string& sigil);

}  // namespace tally
