// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <vector>

namespace tally {

// The six ways to combine two values, in slot order: x+y, x-y, y-x, x*y,
// x/y, y/x, each with its fully bracketed text. A division by zero leaves a
// value that can never come out as 24.
struct CombinationTable {
    std::array<double, 6> value{};
    std::array<std::string, 6> text;
};

// Finds every way to make 24 from four card values: the three-step shape
// ((a?b)?c)?d over twelve orders of the cards, then the two-pairs shape
// (a?b)?(c?d) over cards 0,1 against 2,3 only. Solutions are distinct texts,
// in the order found.
class TwentyFourSolver {
public:
    // Fills the solution list for these four cards.
    void initnextGG(const std::array<int, 4>& cards, std::vector<std::string>& solutions);

private:
    // Each fills its own table; the shapes read one table while filling the next.
    void ff2(double x, double y, const std::string& sx, const std::string& sy);
    void ff1(double x, double y, const std::string& sx, const std::string& sy);
    void ff(double x, double y, const std::string& sx, const std::string& sy);
    void fff(double x, double y, const std::string& sx, const std::string& sy);
    void ffff(double x, double y, const std::string& sx, const std::string& sy);

    // The three-step and the two-pairs shapes over four card values.
    void ppp(int a, int b, int c, int d);
    void qqq(int a, int b, int c, int d);

    CombinationTable ff2_, ff1_, ff_, fff_, ffff_;
    std::vector<std::string>* solutions_ = nullptr;

    void accept(double value, double low, const std::string& text);
};

}  // namespace tally
