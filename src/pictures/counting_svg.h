// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The pieces the counting pictures (counters, beads, sticks, money) are drawn
// with: plain shapes in plain colours, coordinates written by svg_parts.

// <svg> of that size in pixels, an image to a screen reader, read by `title`.
std::string svgOpen(int width, int height, const std::string& title);
inline constexpr const char* kSvgClose = "</svg>";

std::string svgNumber(double value);
std::string svgCircle(double cx, double cy, double r, const std::string& fill, const std::string& extra = "");
std::string svgRect(double x, double y, double width, double height, const std::string& fill,
                     const std::string& extra = "");
std::string svgLine(double x1, double y1, double x2, double y2, const std::string& stroke, double width,
                    const std::string& extra = "");
// Text centred on x, its baseline at y.
std::string svgText(double x, double y, const std::string& text, int size, const std::string& extra = "");

}  // namespace tally
