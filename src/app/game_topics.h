// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

struct Families;

// Whether a topic is a game played with the keyboard once it is open: the
// game pages of the second pane, the 24-point and memory games and the level
// game. The window gives such a page the keyboard when the topic is opened.
bool isGameTopic(const Families& families, const std::string& tag);

}  // namespace tally
