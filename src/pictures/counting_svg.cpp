// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/counting_svg.h"

#include <cmath>

#include "page/html_page.h"

namespace tally {

std::string svgOpen(int width, int height, const std::string& title) {
    const std::string size = std::to_string(width) + " " + std::to_string(height);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" role=img width=" + std::to_string(width) +
           " height=" + std::to_string(height) + " viewBox=\"0 0 " + size + "\"><title>" + escapeHtmlText(title) +
           "</title>";
}

std::string svgNumber(double value) {
    const long tenths = std::lround(value * 10);
    const std::string whole = std::to_string(tenths / 10);
    return tenths % 10 == 0 ? whole : whole + "." + std::to_string(std::labs(tenths % 10));
}

std::string svgCircle(double cx, double cy, double r, const std::string& fill, const std::string& extra) {
    return "<circle cx=" + svgNumber(cx) + " cy=" + svgNumber(cy) + " r=" + svgNumber(r) + " fill=\"" + fill +
           "\" stroke=\"#333\"" + extra + " />";
}

std::string svgRect(double x, double y, double width, double height, const std::string& fill, const std::string& extra) {
    return "<rect x=" + svgNumber(x) + " y=" + svgNumber(y) + " width=" + svgNumber(width) + " height=" +
           svgNumber(height) + " fill=\"" + fill + "\" stroke=\"#333\"" + extra + " />";
}

std::string svgLine(double x1, double y1, double x2, double y2, const std::string& stroke, double width,
                    const std::string& extra) {
    return "<line x1=" + svgNumber(x1) + " y1=" + svgNumber(y1) + " x2=" + svgNumber(x2) + " y2=" + svgNumber(y2) +
           " stroke=\"" + stroke + "\" stroke-width=" + svgNumber(width) + extra + " />";
}

std::string svgText(double x, double y, const std::string& text, int size, const std::string& extra) {
    return "<text x=" + svgNumber(x) + " y=" + svgNumber(y) + " font-size=" + std::to_string(size) +
           " text-anchor=middle" + extra + ">" + escapeHtmlText(text) + "</text>";
}

}  // namespace tally
