// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/twenty_four_solver.h"

#include <algorithm>

namespace tally {
namespace {

// The three-step shape is tried with the cards in these orders (first pair,
// third, fourth); the order decides the order of the solutions.
constexpr std::array<std::array<int, 4>, 12> kOrders = {{
    {0, 1, 2, 3}, {0, 1, 3, 2}, {0, 2, 1, 3}, {0, 2, 3, 1}, {0, 3, 1, 2}, {0, 3, 2, 1},
    {1, 2, 3, 0}, {1, 2, 0, 3}, {1, 3, 0, 2}, {1, 3, 2, 0}, {2, 3, 1, 0}, {2, 3, 0, 1},
}};

constexpr double kHigh = 24.00001;
constexpr double kThreeStepLow = 23.99999;
constexpr double kTwoPairsLow = 23.9999;

// Writes "(" a op b ")" into a text whose buffer is kept from run to run:
// the solver fills thousands of these per deal.
void bracket(std::string& out, const std::string& a, char op, const std::string& b) {
    out.clear();
    out += '(';
    out += a;
    out += op;
    out += b;
    out += ')';
}

void combine(CombinationTable& table, double x, double y, const std::string& sx, const std::string& sy) {
    table.value = {x + y, x - y, y - x, x * y, x / y, y / x};
    bracket(table.text[0], sx, '+', sy);
    bracket(table.text[1], sx, '-', sy);
    bracket(table.text[2], sy, '-', sx);
    bracket(table.text[3], sx, '*', sy);
    bracket(table.text[4], sx, '/', sy);
    bracket(table.text[5], sy, '/', sx);
}

}  // namespace

void TwentyFourSolver::ff2(double x, double y, const std::string& sx, const std::string& sy) {
    combine(ff2_, x, y, sx, sy);
}

void TwentyFourSolver::ff1(double x, double y, const std::string& sx, const std::string& sy) {
    combine(ff1_, x, y, sx, sy);
}

void TwentyFourSolver::ff(double x, double y, const std::string& sx, const std::string& sy) {
    combine(ff_, x, y, sx, sy);
}

void TwentyFourSolver::fff(double x, double y, const std::string& sx, const std::string& sy) {
    combine(fff_, x, y, sx, sy);
}

void TwentyFourSolver::ffff(double x, double y, const std::string& sx, const std::string& sy) {
    combine(ffff_, x, y, sx, sy);
}

void TwentyFourSolver::accept(double value, double low, const std::string& text) {
    // Comparisons with NaN are false, so a division by zero never passes.
    if (!(value > low && value < kHigh)) return;
    if (std::find(solutions_->begin(), solutions_->end(), text) == solutions_->end()) {
        solutions_->push_back(text);
    }
}

void TwentyFourSolver::ppp(int a, int b, int c, int d) {
    const std::string sc = std::to_string(c);
    const std::string sd = std::to_string(d);
    ff(a, b, std::to_string(a), std::to_string(b));
    for (int i = 0; i < 6; ++i) {
        fff(ff_.value[i], c, ff_.text[i], sc);
        for (int j = 0; j < 6; ++j) {
            ffff(fff_.value[j], d, fff_.text[j], sd);
            for (int k = 0; k < 6; ++k) accept(ffff_.value[k], kThreeStepLow, ffff_.text[k]);
        }
    }
}

void TwentyFourSolver::qqq(int a, int b, int c, int d) {
    ff(a, b, std::to_string(a), std::to_string(b));
    ff1(c, d, std::to_string(c), std::to_string(d));
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            ff2(ff_.value[i], ff1_.value[j], ff_.text[i], ff1_.text[j]);
            for (int k = 0; k < 6; ++k) accept(ff2_.value[k], kTwoPairsLow, ff2_.text[k]);
        }
    }
}

void TwentyFourSolver::initnextGG(const std::array<int, 4>& cards, std::vector<std::string>& solutions) {
    solutions.clear();
    solutions_ = &solutions;
    for (const auto& order : kOrders) {
        ppp(cards[order[0]], cards[order[1]], cards[order[2]], cards[order[3]]);
    }
    qqq(cards[0], cards[1], cards[2], cards[3]);
    solutions_ = nullptr;
}

}  // namespace tally
