// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/fact_grid.h"

#include <algorithm>
#include <functional>
#include <map>

namespace tally {
namespace {

// A fact's question in the 口算 skills' signs and in the drills' ASCII ones.
struct Signs {
    const char* skill;
    const char* drill;
};

FactCell fact(int left, const Signs& sign, int right) {
    const std::string a = std::to_string(left), b = std::to_string(right);
    return {a + sign.skill + b, {a + sign.skill + b + "＝（　）", a + sign.drill + b + "= （　）"}, {}, {}};
}

std::vector<std::string> numbers(int from, int to) {
    std::vector<std::string> heads;
    for (int n = from; n <= to; ++n) heads.push_back(std::to_string(n));
    return heads;
}

// Rows `first…last`, columns `low…high`; `cell` gives the fact at a place, or none.
FactGrid laidOut(std::string caption, std::string corner, int first, int last, int low, int high,
                 const std::function<std::optional<FactCell>(int row, int column)>& cell) {
    FactGrid grid{std::move(caption), std::move(corner), numbers(first, last), numbers(low, high), {}};
    for (int row = first; row <= last; ++row) {
        auto& cells = grid.rows.emplace_back();
        for (int column = low; column <= high; ++column) cells.push_back(cell(row, column));
    }
    return grid;
}

std::vector<FactGrid> makeGrids() {
    const Signs plus{"＋", "+"}, minus{"－", "-"}, times{"×", "×"}, divided{"÷", "÷"};
    return {
        laidOut("20以内加法", "＋", 1, 9, 1, 9, [&](int a, int b) { return fact(a, plus, b); }),
        // 十几减几 where the ones cannot give the subtrahend: it borrows.
        laidOut("20以内退位减法", "－", 11, 18, 2, 9,
                [&](int a, int b) { return a % 10 < b ? std::optional(fact(a, minus, b)) : std::nullopt; }),
        laidOut("乘法口诀", "×", 1, 9, 1, 9, [&](int a, int b) { return fact(a, times, b); }),
        laidOut("表内除法", "除数＼商", 1, 9, 1, 9, [&](int d, int q) { return fact(d * q, divided, d); }),
    };
}

bool newerFirst(const TimedAnswer& a, const TimedAnswer& b) { return a.when > b.when; }

}  // namespace

const std::vector<FactGrid>& factGrids() {
    static const std::vector<FactGrid> grids = makeGrids();
    return grids;
}

std::optional<FactGrid> factGridNamed(const std::string& caption) {
    for (const FactGrid& grid : factGrids()) {
        if (grid.caption == caption) return grid;
    }
    return std::nullopt;
}

std::vector<std::string> factTexts(const FactGrid& grid) {
    std::vector<std::string> texts;
    for (const auto& row : grid.rows) {
        for (const auto& cell : row) {
            if (cell) texts.insert(texts.end(), cell->texts.begin(), cell->texts.end());
        }
    }
    return texts;
}

FactGrid filledGrid(FactGrid grid, const std::vector<TimedAnswer>& answers) {
    std::map<std::string, std::vector<TimedAnswer>> byText;
    for (const TimedAnswer& answer : answers) byText[answer.answer.question].push_back(answer);
    for (auto& row : grid.rows) {
        for (auto& cell : row) {
            if (!cell) continue;
            std::vector<TimedAnswer> ofFact;
            for (const std::string& text : cell->texts) {
                const auto found = byText.find(text);
                if (found != byText.end()) ofFact.insert(ofFact.end(), found->second.begin(), found->second.end());
            }
            // The spellings' answers merged by their sheets' time; one text's keep their order.
            std::stable_sort(ofFact.begin(), ofFact.end(), newerFirst);
            if (ofFact.size() > static_cast<std::size_t>(kShakyWithin)) ofFact.resize(kShakyWithin);
            for (const TimedAnswer& answer : ofFact) cell->newestFirst.push_back(answer.answer);
            cell->state = factState(cell->newestFirst);
        }
    }
    return grid;
}

std::vector<std::string> newlyFluent(const FactGrid& before, const FactGrid& now) {
    std::vector<std::string> facts;
    for (std::size_t r = 0; r < now.rows.size() && r < before.rows.size(); ++r) {
        for (std::size_t c = 0; c < now.rows[r].size() && c < before.rows[r].size(); ++c) {
            const auto& was = before.rows[r][c];
            const auto& is = now.rows[r][c];
            if (is && was && is->state == FactState::fluent && was->state != FactState::fluent) {
                facts.push_back(is->caption);
            }
        }
    }
    return facts;
}

}  // namespace tally
