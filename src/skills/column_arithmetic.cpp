// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/column_arithmetic.h"

namespace tally {

namespace {

// 10 to the power place + 1: the columns up to `place` hold n % this.
int columnsUpTo(int place) {
    int power = 10;
    for (int i = 0; i < place; ++i) power *= 10;
    return power;
}

}  // namespace

// A column carries exactly when the columns up to it, added, overflow them.
bool carriesAt(int a, int b, int place) {
    const int span = columnsUpTo(place);
    return a % span + b % span >= span;
}

bool additionCarries(int a, int b) {
    for (int place = 0; columnsUpTo(place) / 10 <= a || columnsUpTo(place) / 10 <= b; ++place) {
        if (carriesAt(a, b, place)) return true;
    }
    return false;
}

bool borrowsAt(int a, int b, int place) {
    const int span = columnsUpTo(place);
    return a % span < b % span;
}

bool multiplicationCarries(int a, int d) {
    for (int place = 0; columnsUpTo(place) / 10 <= a; ++place) {
        const int span = columnsUpTo(place);
        if (a % span * d >= span) return true;
    }
    return false;
}

bool longMultiplicationCarries(int a, int b) {
    const int ones = b % 10;
    const int tens = b / 10;
    return multiplicationCarries(a, ones) || multiplicationCarries(a, tens) || additionCarries(a * ones, a * tens * 10);
}

int digitAt(int n, int place) { return n % columnsUpTo(place) / (columnsUpTo(place) / 10); }

bool hasZeroDigit(int n) {
    for (; n > 0; n /= 10) {
        if (n % 10 == 0) return true;
    }
    return false;
}

}  // namespace tally
