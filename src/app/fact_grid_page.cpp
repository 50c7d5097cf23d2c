// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fact_grid_page.h"

#include <cstdio>

#include "app/record_page.h"
#include "practice/html_parts.h"

namespace tally {
namespace {

constexpr const char* kGridStyle = R"(
table.facts { border-collapse: collapse; margin: 8px 0; }
table.facts th, table.facts td { border: 1px solid #9ca3af; min-width: 40px; height: 40px; text-align: center;
  font-size: 15px; padding: 0 3px; white-space: nowrap; line-height: 1.15; }
table.facts th { background: #f3f4f6; }
table.facts td.fluent { background: #86efac; }
table.facts td.known { background: #fef08a; }
table.facts td.shaky { background: #fdba74; }
table.facts td.untried { background: #ffffff; color: #6b7280; }
table.facts td.none { border: none; }
span.mark { display: block; font-size: 12px; min-height: 14px; }
ul.legend { list-style: none; padding: 0; }
ul.legend li { display: inline-block; margin-right: 14px; padding: 2px 8px; border: 1px solid #9ca3af; }
ul.legend li.fluent { background: #86efac; }
ul.legend li.known { background: #fef08a; }
ul.legend li.shaky { background: #fdba74; }
@media screen and (max-width: 560px) {
  table.facts th, table.facts td { min-width: 0; font-size: 13px; padding: 0 1px; }
}
@page { size: A4; margin: 12mm; }
@media print {
  body { background: #ffffff; padding: 0; }
  p.chooser { display: none; }
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  table.facts th, table.facts td { width: 18mm; height: 14mm; font-size: 15px; }
}
)";

const char* stateClass(FactState state) {
    switch (state) {
        case FactState::fluent: return "fluent";
        case FactState::known: return "known";
        case FactState::shaky: return "shaky";
        case FactState::untried: return "untried";
    }
    return "untried";
}

// Read without colour too: a printer in black and white keeps the marks.
const char* stateMark(FactState state) {
    switch (state) {
        case FactState::fluent: return "★";
        case FactState::known: return "○";
        case FactState::shaky: return "△";
        case FactState::untried: return "";
    }
    return "";
}

std::string answerWord(const AnswerTime& answer) {
    if (!answer.right) return "错";
    if (!answer.ms) return "对";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f秒", static_cast<double>(*answer.ms) / 1000.0);
    return text;
}

std::string factCell(const std::optional<FactCell>& cell) {
    if (!cell) return element("td", "", "class=none");
    const std::string mark = element("span", stateMark(cell->state), "class=mark");
    return element("td", escaped(cell->caption) + mark,
                   std::string("class=") + stateClass(cell->state) + " " + htmlAttr("title", factAnswersTip(*cell)) +
                       " " + htmlAttr("data-state", factStateCaption(cell->state)));
}

std::string gridTable(const FactGrid& grid) {
    std::string head = element("th", escaped(grid.corner));
    for (const std::string& column : grid.columnHeads) head += element("th", escaped(column));
    std::string rows = element("tr", head);
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        std::string cells = element("th", escaped(grid.rowHeads[r]));
        for (const auto& cell : grid.rows[r]) cells += factCell(cell);
        rows += element("tr", cells);
    }
    return element("table", rows, "class=facts id=facts");
}

std::string legend() {
    std::string items;
    for (const FactState state : {FactState::fluent, FactState::known, FactState::shaky, FactState::untried}) {
        const std::string mark = *stateMark(state) ? std::string(stateMark(state)) + " " : "";
        items += element("li", mark + factStateCaption(state), std::string("class=") + stateClass(state));
    }
    return element("ul", items, "class=legend");
}

}  // namespace

std::optional<std::pair<std::size_t, long long>> linkedFactGrid(const std::string& fileName) {
    for (std::size_t place = 1; place <= factGrids().size(); ++place) {
        const std::string kind = kShowFactGridLink + std::to_string(place) + "-";
        if (const auto child = linkedChild(fileName, kind)) return std::pair{place - 1, *child};
    }
    return std::nullopt;
}

std::string factGridLinks(long long childId, std::optional<std::size_t> shown) {
    std::string links = "口算熟练表：";
    for (std::size_t place = 0; place < factGrids().size(); ++place) {
        const std::string kind = kShowFactGridLink + std::to_string(place + 1) + "-";
        links += childLink(kind, childId, factGrids()[place].caption, shown == place) + " ";
    }
    return element("p", links, "class=\"plain chooser grids\"");
}

std::optional<FactGrid> readFactGrid(ProgressRecord& record, long long childId, const FactGrid& grid,
                                     const std::string& before) {
    const std::vector<TimedAnswer> answers = record.lastAnswersOf(childId, factTexts(grid), kShakyWithin, before);
    if (record.trouble() != RecordTrouble::None) return std::nullopt;
    return filledGrid(grid, answers);
}

std::string factAnswersTip(const FactCell& cell) {
    if (cell.newestFirst.empty()) return cell.caption + "：" + factStateCaption(FactState::untried);
    std::string words;
    for (const AnswerTime& answer : cell.newestFirst) words += (words.empty() ? "" : "、") + answerWord(answer);
    return cell.caption + "：" + words;
}

std::string factGridPage(ProgressRecord& record, long long childId, std::size_t place, const std::string& childName) {
    if (place >= factGrids().size()) return "";
    const std::optional<FactGrid> grid = readFactGrid(record, childId, factGrids()[place]);
    if (!grid) return "";
    const std::string title = (childName.empty() ? "" : childName + "的") + grid->caption;
    std::string body = element("h1", escaped(title)) + factGridLinks(childId, place) + legend() + gridTable(*grid);
    body += element("p",
                    "★ 熟练：最近两次都做对，每次不超过3秒。○ 会：做对了，还不够快。△ 要加油：最近三次里有做错的。"
                    "把鼠标放在格子上，可以看到最近几次用了几秒。",
                    "class=plain");
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\">" + element("title", escaped(title)) +
           "<link rel=stylesheet href=\"reading.css\">" + element("style", kGridStyle) + "</head>" +
           element("body", body) + "</html>";
}

}  // namespace tally
