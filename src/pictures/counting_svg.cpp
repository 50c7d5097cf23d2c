// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/counting_svg.h"

#include "page/html_page.h"
#include "pictures/svg_parts.h"

namespace tally {

std::string svgCircle(double cx, double cy, double r, const std::string& fill, const std::string& extra) {
    return "<circle cx=" + svg_parts::number(cx) + " cy=" + svg_parts::number(cy) + " r=" + svg_parts::number(r) + " fill=\"" + fill +
           "\" stroke=\"#333\"" + extra + " />";
}

std::string svgRect(double x, double y, double width, double height, const std::string& fill, const std::string& extra) {
    return "<rect x=" + svg_parts::number(x) + " y=" + svg_parts::number(y) + " width=" + svg_parts::number(width) + " height=" +
           svg_parts::number(height) + " fill=\"" + fill + "\" stroke=\"#333\"" + extra + " />";
}

std::string svgLine(double x1, double y1, double x2, double y2, const std::string& stroke, double width,
                    const std::string& extra) {
    return "<line x1=" + svg_parts::number(x1) + " y1=" + svg_parts::number(y1) + " x2=" + svg_parts::number(x2) + " y2=" + svg_parts::number(y2) +
           " stroke=\"" + stroke + "\" stroke-width=" + svg_parts::number(width) + extra + " />";
}

std::string svgText(double x, double y, const std::string& text, int size, const std::string& extra) {
    return "<text x=" + svg_parts::number(x) + " y=" + svg_parts::number(y) + " font-size=" + std::to_string(size) +
           " text-anchor=middle" + extra + ">" + escapeHtmlText(text) + "</text>";
}

}  // namespace tally
