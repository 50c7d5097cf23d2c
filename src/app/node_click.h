// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tally {

class Form1;
struct TopicNode;

// A click on a tree node: the think-time count starts again, the games stop,
// the first pane comes to the front, and the node's family builds its page;
// the page (with the section's introduction) becomes the body of the first
// pane unless the family shows another pane.
void runNodeClick(Form1& form, const TopicNode& node);

}  // namespace tally
