// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/error_kind.h"

#include <array>

namespace tally {
namespace {

struct KindWords {
    ErrorKind kind;
    std::string_view name;
    std::string_view caption;
};

constexpr std::array<KindWords, 10> kKinds = {{
    {ErrorKind::Carry, "carry", "忘了进位"},
    {ErrorKind::Borrow, "borrow", "忘了退位"},
    {ErrorKind::SmallerFromLarger, "smaller-from-larger", "大数减小数"},
    {ErrorKind::TableFact, "table-fact", "口诀记错"},
    {ErrorKind::Misaligned, "misaligned", "数位没对齐"},
    {ErrorKind::Zeros, "zeros", "多写或少写了0"},
    {ErrorKind::OneStep, "one-step", "算错了一步"},
    {ErrorKind::WrongSign, "wrong-sign", "看错符号"},
    {ErrorKind::OffByOne, "off-by-one", "差一"},
    {ErrorKind::NotReduced, "not-reduced", "没约分"},
}};

const KindWords* wordsOf(ErrorKind kind) {
    for (const KindWords& words : kKinds) {
        if (words.kind == kind) return &words;
    }
    return nullptr;
}

}  // namespace

std::string_view errorKindName(ErrorKind kind) {
    const KindWords* words = wordsOf(kind);
    return words ? words->name : std::string_view();
}

ErrorKind errorKindNamed(std::string_view name) {
    for (const KindWords& words : kKinds) {
        if (words.name == name) return words.kind;
    }
    return ErrorKind::None;
}

std::string_view errorKindCaption(ErrorKind kind) {
    const KindWords* words = wordsOf(kind);
    return words ? words->caption : std::string_view();
}

}  // namespace tally
