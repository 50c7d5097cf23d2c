// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/twenty_four_display.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <optional>

namespace tally {
namespace {

struct Value {
    std::int64_t num = 0;
    std::int64_t den = 1;

    bool negative() const { return num < 0; }
    bool operator==(const Value&) const = default;
};

Value value(std::int64_t num, std::int64_t den) {
    if (den < 0) num = -num, den = -den;
    const std::int64_t g = std::gcd(num, den);
    return g > 1 ? Value{num / g, den / g} : Value{num, den};
}

bool lessThan(const Value& a, const Value& b) { return a.num * b.den < b.num * a.den; }

// An expression with its additions and subtractions gathered into one sum,
// and its multiplications and divisions into one product: a sum's `up` terms
// are added and its `down` terms taken away; a product's `up` factors are
// multiplied and its `down` factors divided by. A card is neither.
struct Expr {
    enum class Kind { Card, Sum, Product } kind = Kind::Card;
    Value value;
    std::vector<Expr> up;
    std::vector<Expr> down;
    // The same for every grouping and order of the same operations.
    std::string key;
    // No part of it is below zero.
    bool nonNegative = true;
};

Expr card(int number) {
    Expr e;
    e.value = {number, 1};
    e.key = std::to_string(number);
    return e;
}

std::string keyOf(const Expr& e) {
    std::vector<std::string> up, down;
    for (const Expr& part : e.up) up.push_back(part.key);
    for (const Expr& part : e.down) down.push_back(part.key);
    std::sort(up.begin(), up.end());
    std::sort(down.begin(), down.end());
    std::string key = e.kind == Expr::Kind::Sum ? "S[" : "P[";
    for (const std::string& k : up) key += k + ",";
    key += "|";
    for (const std::string& k : down) key += k + ",";
    return key + "]";
}

// x op y with the parts of x and y of the same kind merged into one.
// `inverse`: subtraction or division, y's parts change sides.
Expr join(Expr::Kind kind, const Expr& x, const Expr& y, bool inverse, Value result) {
    Expr e;
    e.kind = kind;
    e.value = result;
    for (const Expr* side : {&x, &y}) {
        const bool flip = inverse && side == &y;
        if (side->kind == kind) {
            for (const Expr& part : side->up) (flip ? e.down : e.up).push_back(part);
            for (const Expr& part : side->down) (flip ? e.up : e.down).push_back(part);
        } else {
            (flip ? e.down : e.up).push_back(*side);
        }
    }
    e.nonNegative = !result.negative();
    for (const auto* parts : {&e.up, &e.down}) {
        for (const Expr& part : *parts) e.nonNegative = e.nonNegative && part.nonNegative;
    }
    e.key = keyOf(e);
    return e;
}

// The six ways to combine two expressions; none for a division by zero.
std::vector<Expr> combinations(const Expr& x, const Expr& y) {
    const Value a = x.value;
    const Value b = y.value;
    std::vector<Expr> out;
    out.push_back(join(Expr::Kind::Sum, x, y, false, value(a.num * b.den + b.num * a.den, a.den * b.den)));
    out.push_back(join(Expr::Kind::Sum, x, y, true, value(a.num * b.den - b.num * a.den, a.den * b.den)));
    out.push_back(join(Expr::Kind::Sum, y, x, true, value(b.num * a.den - a.num * b.den, a.den * b.den)));
    out.push_back(join(Expr::Kind::Product, x, y, false, value(a.num * b.num, a.den * b.den)));
    if (b.num != 0) out.push_back(join(Expr::Kind::Product, x, y, true, value(a.num * b.den, a.den * b.num)));
    if (a.num != 0) out.push_back(join(Expr::Kind::Product, y, x, true, value(b.num * a.den, b.den * a.num)));
    return out;
}

// Every expression over all of `items`, pairing any two of them at each step.
void search(const std::vector<Expr>& items, std::map<std::string, Expr>& found) {
    if (items.size() == 1) {
        const Expr& e = items.front();
        if (e.value == Value{24, 1} && e.nonNegative) found.emplace(e.key, e);
        return;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        for (size_t j = i + 1; j < items.size(); ++j) {
            std::vector<Expr> rest;
            for (size_t k = 0; k < items.size(); ++k) {
                if (k != i && k != j) rest.push_back(items[k]);
            }
            for (Expr& joined : combinations(items[i], items[j])) {
                rest.push_back(std::move(joined));
                search(rest, found);
                rest.pop_back();
            }
        }
    }
}

std::string text(const Expr& e);

// Worked parts before plain numbers, larger before smaller, so a way reads
// as a child writes it: "(1＋1＋1)×8", "8×3＋1－1", "10＋10＋4"; equal ones by
// their text.
std::vector<std::string> ordered(const std::vector<Expr>& parts, bool bracketSums) {
    std::vector<const Expr*> sorted;
    for (const Expr& part : parts) sorted.push_back(&part);
    std::sort(sorted.begin(), sorted.end(), [](const Expr* a, const Expr* b) {
        const bool aCard = a->kind == Expr::Kind::Card;
        const bool bCard = b->kind == Expr::Kind::Card;
        if (aCard != bCard) return bCard;
        if (lessThan(b->value, a->value) || lessThan(a->value, b->value)) return lessThan(b->value, a->value);
        return text(*a) < text(*b);
    });
    std::vector<std::string> texts;
    for (const Expr* part : sorted) {
        const bool bracket = bracketSums && part->kind == Expr::Kind::Sum;
        texts.push_back(bracket ? "(" + text(*part) + ")" : text(*part));
    }
    return texts;
}

// What is added (multiplied) comes first and what is taken away (divided by)
// after it, so no step from left to right goes below the result. Only a sum
// inside a product needs brackets.
std::string text(const Expr& e) {
    if (e.kind == Expr::Kind::Card) return std::to_string(e.value.num);
    const bool sum = e.kind == Expr::Kind::Sum;
    const char* plus = sum ? "＋" : "×";
    const char* minus = sum ? "－" : "÷";
    std::string out;
    for (const std::string& part : ordered(e.up, !sum)) out += (out.empty() ? "" : plus) + part;
    for (const std::string& part : ordered(e.down, !sum)) out += minus + part;
    return out;
}

int bracketsIn(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '(')); }

}  // namespace

std::vector<std::string> distinctTwentyFours(const std::array<int, 4>& cards) {
    std::vector<Expr> items;
    for (int c : cards) items.push_back(card(c));
    std::map<std::string, Expr> found;
    search(items, found);
    std::vector<std::string> texts;
    for (const auto& [key, e] : found) texts.push_back(text(e));
    // The ones without brackets first.
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return bracketsIn(a) != bracketsIn(b) ? bracketsIn(a) < bracketsIn(b) : a < b;
    });
    return texts;
}

}  // namespace tally
