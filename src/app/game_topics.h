// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

class FamilyTable;

// Whether a topic is a game played with the keyboard once it is open, as its
// family says (the game pages of the second pane, the 24-point and memory
// games, the level game). The window gives such a page the keyboard when the topic is opened.
bool isGameTopic(const FamilyTable& families, const std::string& tag);

}  // namespace tally
