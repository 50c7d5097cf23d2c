// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <set>

#include "progress/error_kind.h"

namespace tally {

// One step of two whole numbers (a ≥ 0, b ≥ 0) with its sign '+', '-', '*'
// or '/', as a child works it in columns or by the table.
struct TwoTerms {
    long long a = 0;
    char sign = '+';
    long long b = 0;
};

// The answers a slip of one kind gives for the step; they may hold the right
// one, which no slip explains.
std::set<long long> carryDropped(const TwoTerms& step);      // 忘了进位: any carries left out
std::set<long long> borrowDropped(const TwoTerms& step);     // 忘了退位: any borrows not taken from the next column
std::set<long long> smallerFromLarger(const TwoTerms& step); // 大数减小数: each column's larger digit less its smaller
std::set<long long> neighbouringFact(const TwoTerms& step);  // 口诀记错: a product of the table one row or column away (or both); its quotient one away
std::set<long long> misaligned(const TwoTerms& step);        // 数位没对齐: the shorter term moved left; a product's lines not moved
std::set<long long> zerosSlipped(const TwoTerms& step);      // 多写或少写了0: ten or a hundred times too big or too small
std::set<long long> countedOffByOne(const TwoTerms& step);   // 差一: counting on or back (by 10 at most) one too far or short
std::set<long long> signMisread(const TwoTerms& step);       // 看错符号: the step worked with another of ＋－×÷

// The slips a step of two terms is looked at for, in the order they are
// tried: the column slips first, as they are the most particular (52－17
// typed 45 is 忘了退位 before 大数减小数); a lost 0 before lines not moved
// (30×20 typed 60); counting before a misread sign (5＋1 typed 5).
struct SlipRule {
    ErrorKind kind;
    std::set<long long> (*answers)(const TwoTerms& step);
};
inline constexpr SlipRule kStepSlips[] = {
    {ErrorKind::Carry, carryDropped},          {ErrorKind::Borrow, borrowDropped},
    {ErrorKind::SmallerFromLarger, smallerFromLarger}, {ErrorKind::TableFact, neighbouringFact},
    {ErrorKind::Zeros, zerosSlipped},          {ErrorKind::Misaligned, misaligned},
    {ErrorKind::OffByOne, countedOffByOne},    {ErrorKind::WrongSign, signMisread},
};

}  // namespace tally
