// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tally {

// What happens column by column when a and b are worked on paper. Place 0 is
// the ones, 1 the tens, 2 the hundreds.

// a ＋ b carries out of the column at `place`.
bool carriesAt(int a, int b, int place);
// a ＋ b carries out of some column.
bool additionCarries(int a, int b);
// a － b: the column at `place` borrows from the next.
bool borrowsAt(int a, int b, int place);
// a × d (d a single digit) carries out of some column.
bool multiplicationCarries(int a, int d);
// a × b of two two-digit numbers carries somewhere: in either partial
// product or in adding them.
bool longMultiplicationCarries(int a, int b);
// The digit of n at `place`.
int digitAt(int n, int place);
// n has a 0 among its digits.
bool hasZeroDigit(int n);

}  // namespace tally
