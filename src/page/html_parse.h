#pragma once
#include <string>

#include "page/html_node.h"

namespace tally {

// Parses an HTML fragment as the content of a <body>, the way a browser does
// for innerHTML, and returns the top-level nodes (comments dropped).
HtmlNodes parseHtmlFragment(const std::string& html);

}  // namespace tally
