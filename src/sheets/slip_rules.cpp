// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/slip_rules.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "sheets/written_expression.h"

namespace tally {
namespace {

// The digits, ones first; 0 has one digit.
std::vector<int> digitsOf(long long n) {
    std::vector<int> digits;
    do {
        digits.push_back(static_cast<int>(n % 10));
        n /= 10;
    } while (n > 0);
    return digits;
}

long long numberOf(const std::vector<int>& digits) {
    long long n = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) n = n * 10 + *digit;
    return n;
}

int digitAt(const std::vector<int>& digits, std::size_t column) { return column < digits.size() ? digits[column] : 0; }

std::size_t columnsOf(const TwoTerms& step) { return std::max(digitsOf(step.a).size(), digitsOf(step.b).size()); }

long long tenTo(std::size_t places) {
    long long power = 1;
    while (places-- > 0) power *= 10;
    return power;
}

// A column sum in which the carries out of the columns in `dropped` are left out.
long long columnSum(const TwoTerms& step, unsigned dropped) {
    const std::vector<int> a = digitsOf(step.a), b = digitsOf(step.b);
    std::vector<int> sum;
    int carry = 0;
    for (std::size_t column = 0; column < columnsOf(step); ++column) {
        const int total = digitAt(a, column) + digitAt(b, column) + carry;
        sum.push_back(total % 10);
        carry = total >= 10 && !(dropped >> column & 1U) ? 1 : 0;
    }
    if (carry) sum.push_back(1);
    return numberOf(sum);
}

// A column difference in which the columns in `dropped` borrow ten without
// taking it from the next column.
long long columnDifference(const TwoTerms& step, unsigned dropped) {
    const std::vector<int> a = digitsOf(step.a), b = digitsOf(step.b);
    std::vector<int> difference;
    int borrow = 0;
    for (std::size_t column = 0; column < columnsOf(step); ++column) {
        int digit = digitAt(a, column) - digitAt(b, column) - borrow;
        borrow = 0;
        if (digit < 0) {
            digit += 10;
            borrow = dropped >> column & 1U ? 0 : 1;
        }
        difference.push_back(digit);
    }
    return numberOf(difference);
}

// Numbers of more columns than this are no step of a sheet's question: their
// slips are not looked for.
constexpr std::size_t kMostColumns = 10;

bool isDigit(long long n) { return n >= 1 && n <= 9; }

bool endsInZero(long long n) { return n > 0 && n % 10 == 0; }

}  // namespace

std::set<long long> carryDropped(const TwoTerms& step) {
    std::set<long long> answers;
    if (step.sign != '+' || columnsOf(step) > kMostColumns) return answers;
    for (unsigned dropped = 1; dropped < 1U << columnsOf(step); ++dropped) answers.insert(columnSum(step, dropped));
    return answers;
}

std::set<long long> borrowDropped(const TwoTerms& step) {
    std::set<long long> answers;
    if (step.sign != '-' || step.a < step.b || columnsOf(step) > kMostColumns) return answers;
    for (unsigned dropped = 1; dropped < 1U << columnsOf(step); ++dropped) {
        answers.insert(columnDifference(step, dropped));
    }
    return answers;
}

std::set<long long> smallerFromLarger(const TwoTerms& step) {
    if (step.sign != '-' || step.a < step.b) return {};
    const std::vector<int> a = digitsOf(step.a), b = digitsOf(step.b);
    std::vector<int> digits;
    for (std::size_t column = 0; column < columnsOf(step); ++column) {
        digits.push_back(std::abs(digitAt(a, column) - digitAt(b, column)));
    }
    return {numberOf(digits)};
}

std::set<long long> neighbouringFact(const TwoTerms& step) {
    std::set<long long> answers;
    if (step.sign == '*' && isDigit(step.a) && isDigit(step.b)) {
        for (long long row = step.a - 1; row <= step.a + 1; ++row) {
            for (long long column = step.b - 1; column <= step.b + 1; ++column) {
                if (isDigit(row) && isDigit(column)) answers.insert(row * column);
            }
        }
    }
    const std::optional<long long> quotient = stepValue(step.a, step.sign, step.b);
    if (step.sign == '/' && quotient && isDigit(*quotient) && isDigit(step.b)) {
        for (long long near : {*quotient - 1, *quotient + 1}) {
            if (isDigit(near)) answers.insert(near);
        }
    }
    return answers;
}

std::set<long long> misaligned(const TwoTerms& step) {
    std::set<long long> answers;
    const std::size_t aDigits = digitsOf(step.a).size(), bDigits = digitsOf(step.b).size();
    if (step.sign == '+' || step.sign == '-') {
        for (std::size_t shift = 1; shift + bDigits <= aDigits; ++shift) {
            if (auto value = stepValue(step.a, step.sign, step.b * tenTo(shift))) answers.insert(*value);
        }
        for (std::size_t shift = 1; step.sign == '+' && shift + aDigits <= bDigits; ++shift) {
            answers.insert(step.a * tenTo(shift) + step.b);
        }
    }
    if (step.sign == '*' && aDigits > 1 && bDigits > 1) {
        // Each line of a column product written under the ones.
        for (const auto& [top, bottom] : {std::pair{step.a, step.b}, std::pair{step.b, step.a}}) {
            long long lines = 0;
            for (int digit : digitsOf(bottom)) lines += top * digit;
            answers.insert(lines);
        }
    }
    return answers;
}

std::set<long long> zerosSlipped(const TwoTerms& step) {
    const std::optional<long long> right = stepValue(step.a, step.sign, step.b);
    if (!right || *right == 0 || !(endsInZero(step.a) || endsInZero(step.b) || endsInZero(*right))) return {};
    std::set<long long> answers{*right * 10, *right * 100};
    if (*right % 10 == 0) answers.insert(*right / 10);
    if (*right % 100 == 0) answers.insert(*right / 100);
    return answers;
}

std::set<long long> countedOffByOne(const TwoTerms& step) {
    const bool countedOn = step.sign == '+' && std::min(step.a, step.b) >= 1 && std::min(step.a, step.b) <= 10;
    const bool countedBack = step.sign == '-' && step.b >= 1 && step.b <= 10 && step.a >= step.b;
    if (!countedOn && !countedBack) return {};
    const long long right = *stepValue(step.a, step.sign, step.b);
    std::set<long long> answers{right + 1};
    if (right > 0) answers.insert(right - 1);
    return answers;
}

std::set<long long> signMisread(const TwoTerms& step) {
    std::set<long long> answers;
    for (char sign : {'+', '-', '*', '/'}) {
        if (sign == step.sign) continue;
        if (auto value = stepValue(step.a, sign, step.b)) answers.insert(*value);
    }
    return answers;
}

}  // namespace tally
