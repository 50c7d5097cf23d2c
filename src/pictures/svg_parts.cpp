// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/svg_parts.h"

#include <cmath>
#include <cstdio>

#include "page/html_page.h"

namespace tally::svg_parts {

std::string number(double value) {
    const double tenths = std::round(value * 10);
    if (tenths == 0) return "0";
    char text[32];
    if (std::fmod(tenths, 10) == 0) std::snprintf(text, sizeof text, "%.0f", tenths / 10);
    else std::snprintf(text, sizeof text, "%.1f", tenths / 10);
    return text;
}

std::string open(int width, int height, const std::string& title, const std::string& description,
                 const std::string& attributes) {
    const std::string w = std::to_string(width);
    const std::string h = std::to_string(height);
    std::string text = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
                       "\" viewBox=\"0 0 " + w + " " + h + "\" role=\"img\"" + attributes + "><title>" + escapeHtmlText(title) +
                       "</title>";
    if (!description.empty()) text += "<desc>" + escapeHtmlText(description) + "</desc>";
    return text;
}

}  // namespace tally::svg_parts
