// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

#include "page/html_node.h"

namespace tally {

// Parses an HTML fragment as the content of a <body>, the way a browser does
// for innerHTML, and returns the top-level nodes (comments dropped).
HtmlNodes parseHtmlFragment(const std::string& html);

// The deepest nesting the program takes from an HTML file of its data
// directory: far more than a written page needs, far less than keeps the
// parser busy for seconds.
inline constexpr int kDeepestHtmlNesting = 200;

// How deep the elements of `html` can nest, read without parsing: elements
// that hold content count until their end tag (or the end tag of one around
// them); void elements, text-only ones and those that end at their next
// sibling (p, li, td, …) do not. Within a small factor of the depth a
// parser builds (it adds a table's body, row and cell around each cell's
// content). Stops counting once past `stopAfter`.
int htmlNestingDepth(std::string_view html, int stopAfter = kDeepestHtmlNesting);

}  // namespace tally
