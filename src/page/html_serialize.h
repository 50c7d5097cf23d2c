#pragma once
#include <string>

#include "page/html_node.h"

namespace tally {

// The HTML of the node's children (its innerHTML). Tags are written with their
// attributes in source order, one blank apart, so spacing inside a tag is not
// kept: the level game's "<input type=radio  name=R1" comes back with one blank.
std::string serializeChildren(const HtmlNode& node);
// The visible text below the node: text of script and style left out.
std::string visibleText(const HtmlNode& node);

}  // namespace tally
