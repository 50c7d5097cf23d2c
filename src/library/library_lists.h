// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "topics/topic_family.h"

namespace tally {

struct ChildNode {
    int position = 0;  // written with three digits after the parent's key and tag
    std::string caption;
};

// On the first click after the tab was shown, adds the children under the
// clicked node: key = parent key + three digits, tag = tagStem + the same
// digits. The node is opened so that the list shows.
void growList(FamilyContext& context, const TopicClick& click, const std::string& tagStem,
              const std::vector<ChildNode>& children);

// The page of a node that holds a list: its caption and what to do, or a
// note when the list is empty.
std::string listPage(const std::string& caption, bool hasChildren, const std::string& howTo);

// The page of a section or folder node: its caption and the built-in text
// `textName`, one paragraph a line.
std::string introPage(const FamilyContext& context, const std::string& caption, const std::string& textName);

// The page of a text still to be written: "<caption>" and "<what>还在准备中，
// 过些日子就能读到了。", then `more` as a paragraph of its own when given.
std::string preparingPage(const std::string& caption, const std::string& what, const std::string& more = "");

}  // namespace tally
