// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally::svg_parts {

// A coordinate to one decimal place, "12" for 12.0.
std::string number(double value);

// The opening of a picture of that size: role="img", its <title> and, when
// there is one, its <desc>, for a screen reader; `attributes` (each with a
// blank before) go into the start tag.
std::string open(int width, int height, const std::string& title, const std::string& description,
                 const std::string& attributes = "");
inline constexpr const char* kClose = "</svg>";

}  // namespace tally::svg_parts
