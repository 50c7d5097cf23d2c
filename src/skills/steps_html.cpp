// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/steps_html.h"

#include <algorithm>
#include <sstream>

#include "page/html_page.h"

namespace tally {

namespace {

constexpr int kCell = 24;        // a frame's square, in pixels
constexpr int kFrameLeft = 4;
constexpr int kFrameTop = 4;
constexpr int kBesideGap = 18;   // between the frame and the counters beside it

void circle(std::ostringstream& svg, int x, int y, const char* kind, const char* fill) {
    svg << "<circle class=" << kind << " cx=" << x << " cy=" << y << " r=9 fill=\"" << fill << "\"></circle>";
}

void cross(std::ostringstream& svg, int x, int y) {
    svg << "<path d=\"M" << x - 8 << ' ' << y - 8 << "L" << x + 8 << ' ' << y + 8 << "M" << x + 8 << ' ' << y - 8
        << "L" << x - 8 << ' ' << y + 8 << "\" stroke=\"#c62828\" stroke-width=\"2.5\"></path>";
}

std::string frameTitle(const TenFrameWork& f) {
    if (f.crossed > 0) {
        return "十格图：框里有10个圆片，划去" + std::to_string(f.crossed) + "个，还剩" + std::to_string(10 - f.crossed) +
               "个；框外还有" + std::to_string(f.beside) + "个。";
    }
    return "十格图：框里有" + std::to_string(f.inFrame) + "个圆片，再放进" + std::to_string(f.added) +
           "个（橙色）就凑成10；框外还剩" + std::to_string(f.beside) + "个。";
}

// A place's cell of a 竖式 row: its digit, or nothing left of the number.
std::string digitCell(const std::string& digits, int column, int width, const std::string& style) {
    const int from = width - static_cast<int>(digits.size());
    const std::string digit = column >= from ? digits.substr(static_cast<std::size_t>(column - from), 1) : "";
    return "<td" + style + ">" + digit + "</td>";
}

std::string columnTable(const std::vector<ColumnRow>& rows) {
    int width = 0;
    for (const ColumnRow& row : rows) {
        width = std::max(width, static_cast<int>(std::to_string(row.number).size()) + row.shift + 1);
    }
    std::ostringstream html;
    html << "<table class=column role=table aria-label=竖式 style=\"border-collapse:collapse;font-size:1.3em;"
            "font-family:monospace;margin:4px 0 6px 2em\">";
    for (const ColumnRow& row : rows) {
        if (!row.marks.empty()) {
            html << "<tr class=marks style=\"font-size:0.75em;font-weight:bold;color:#c62828;line-height:0.9\"><td></td>";
            for (int column = 0; column < width; ++column) {
                const auto mark = row.marks.find(width - 1 - column);
                html << "<td align=center>" << (mark == row.marks.end() ? "" : mark->second) << "</td>";
            }
            html << "</tr>";
        }
        const std::string rule = row.ruleAbove ? " style=\"border-top:2px solid #333\"" : "";
        const std::string digits = std::to_string(row.number) + std::string(static_cast<std::size_t>(row.shift), ' ');
        html << "<tr><td" << rule << ">" << row.sign << "</td>";
        for (int column = 0; column < width; ++column) {
            html << digitCell(digits, column, width, rule + " align=center width=18");
        }
        html << "</tr>";
    }
    return html.str() + "</table>";
}

std::string lineHtml(const StepLine& line) {
    std::string html = "<div class=stepline>" + escapeHtmlText(line.text);
    if (!line.note.empty()) html += "<span class=why style=\"color:#666\">　　" + escapeHtmlText(line.note) + "</span>";
    return html + "</div>";
}

}  // namespace

std::string tenFrameSvg(const TenFrameWork& f) {
    const int besideColumns = (f.beside + 1) / 2;
    const int width = kFrameLeft * 2 + 5 * kCell + (f.beside > 0 ? kBesideGap + besideColumns * kCell : 0);
    const int height = kFrameTop * 2 + 2 * kCell;
    std::ostringstream svg;
    svg << "<svg class=tenframe role=img width=" << width << " height=" << height << " viewBox=\"0 0 " << width << ' '
        << height << "\" xmlns=\"http://www.w3.org/2000/svg\"><title>" << escapeHtmlText(frameTitle(f)) << "</title>";
    for (int cell = 0; cell < 10; ++cell) {
        const int x = kFrameLeft + cell % 5 * kCell;
        const int y = kFrameTop + cell / 5 * kCell;
        svg << "<rect x=" << x << " y=" << y << " width=" << kCell << " height=" << kCell
            << " fill=\"#fff\" stroke=\"#455a64\" stroke-width=\"1.5\"></rect>";
        const int cx = x + kCell / 2;
        const int cy = y + kCell / 2;
        if (cell < f.inFrame) circle(svg, cx, cy, "own", "#1565c0");
        else if (cell < f.inFrame + f.added) circle(svg, cx, cy, "added", "#ef6c00");
        if (cell < f.crossed) cross(svg, cx, cy);
    }
    const int besideLeft = kFrameLeft + 5 * kCell + kBesideGap;
    for (int i = 0; i < f.beside; ++i) {
        circle(svg, besideLeft + i / 2 * kCell + kCell / 2, kFrameTop + i % 2 * kCell + kCell / 2, "beside", "#ef6c00");
    }
    return svg.str() + "</svg>";
}

std::string stepLineText(const StepLine& line) { return line.note.empty() ? line.text : line.text + "　　" + line.note; }

std::string stepsHtml(const QuestionSteps& steps, const std::string& id, const std::string& lineAbove) {
    std::string html = "<div " + htmlAttribute("id", id) +
                       " class=steps role=region aria-label=解题步骤 style=\"margin:6px 0 4px 2em;padding:6px 10px;"
                       "border-left:4px solid #1565c0;background:#f4f8fc\">";
    if (!lineAbove.empty()) html += "<p class=stepskind style=\"margin:0 0 4px\">" + escapeHtmlText(lineAbove) + "</p>";
    html += "<b>" + escapeHtmlText(steps.title) + "</b>";
    if (steps.frame) html += "<div class=picture>" + tenFrameSvg(*steps.frame) + "</div>";
    if (!steps.column.empty()) html += columnTable(steps.column);
    for (const StepLine& line : steps.lines) html += lineHtml(line);
    return html + "</div>";
}

}  // namespace tally
