// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

#include "page/html_node.h"

namespace tally {

// The HTML of the node's children (its innerHTML). Tags are written with their
// attributes in source order, one blank apart, so spacing inside a tag is not
// kept: the level game's "<input type=radio  name=R1" comes back with one blank.
std::string serializeChildren(const HtmlNode& node);
// The same HTML as the browser view gets it: without the `tag` attributes,
// which hold the answers the rules mark from. What the view holds can be
// copied, dragged or read by anything running in it; the model keeps them.
std::string serializeForView(const HtmlNode& node);
std::string serializeForView(const HtmlNodes& nodes);
// Whether an attribute of that name holds an answer (HTML names are read
// without regard to case).
bool isAnswerAttribute(std::string_view name);
// The visible text below the node: text of script and style left out.
std::string visibleText(const HtmlNode& node);

}  // namespace tally
