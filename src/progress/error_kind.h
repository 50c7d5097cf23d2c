// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

namespace tally {

// Why a wrong answer was wrong, when a rule of the marking explains it; None
// when none does (the answer is simply wrong).
enum class ErrorKind {
    None,
    Carry,               // 忘了进位
    Borrow,              // 忘了退位
    SmallerFromLarger,   // 大数减小数: each column the smaller digit from the larger
    TableFact,           // 口诀记错: a neighbouring product of the table
    Misaligned,          // 数位没对齐
    Zeros,               // 多写或少写了0
    OneStep,             // 算错了一步 of a 脱式
    WrongSign,           // 看错符号
    OffByOne,            // 差一: counted on or back one too many or too few
    NotReduced,          // 没约分
};

// The name the record keeps it by ("carry"; "" for None), and the kind of
// a name (None for one it does not know).
std::string_view errorKindName(ErrorKind kind);
ErrorKind errorKindNamed(std::string_view name);
// What the parent reads: "忘了进位"; "" for None.
std::string_view errorKindCaption(ErrorKind kind);

}  // namespace tally
