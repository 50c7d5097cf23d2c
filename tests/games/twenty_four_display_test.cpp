// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "games/twenty_four_display.h"

namespace tally {
namespace {

// An expression as a binary tree with exact values, built here apart from the
// game: by every shape over every order of the cards, and by reading the
// game's texts back.
struct Node {
    char op = 0;  // '+', '-', '*', '/'; 0 for a number
    long long number = 0;
    std::shared_ptr<Node> left, right;
};
using Tree = std::shared_ptr<Node>;

Tree leaf(long long n) { return std::make_shared<Node>(Node{0, n, nullptr, nullptr}); }
Tree apply(char op, Tree a, Tree b) { return std::make_shared<Node>(Node{op, 0, std::move(a), std::move(b)}); }

struct Exact {
    long long num = 0;
    long long den = 1;  // 0: undefined (a division by zero)
};

Exact valueOf(const Tree& t) {
    if (!t->op) return {t->number, 1};
    const Exact a = valueOf(t->left), b = valueOf(t->right);
    if (a.den == 0 || b.den == 0) return {0, 0};
    Exact r;
    switch (t->op) {
        case '+': r = {a.num * b.den + b.num * a.den, a.den * b.den}; break;
        case '-': r = {a.num * b.den - b.num * a.den, a.den * b.den}; break;
        case '*': r = {a.num * b.num, a.den * b.den}; break;
        default:
            if (b.num == 0) return {0, 0};
            r = {a.num * b.den, a.den * b.num};
    }
    if (r.den < 0) r = {-r.num, -r.den};
    const long long g = std::gcd(r.num, r.den);
    return {r.num / g, r.den / g};
}

bool isSum(char op) { return op == '+' || op == '-'; }
bool isProduct(char op) { return op == '*' || op == '/'; }

// The operands of a chain of + and - (or * and /), each with the side it is on.
void chain(const Tree& t, bool sums, bool inverted, std::vector<std::pair<bool, Tree>>& out) {
    if (t->op && (sums ? isSum(t->op) : isProduct(t->op))) {
        chain(t->left, sums, inverted, out);
        chain(t->right, sums, inverted != (t->op == '-' || t->op == '/'), out);
    } else {
        out.emplace_back(inverted, t);
    }
}

// The same text for the same operations in any order or grouping.
std::string canonical(const Tree& t) {
    if (!t->op) return std::to_string(t->number);
    std::vector<std::pair<bool, Tree>> parts;
    chain(t, isSum(t->op), false, parts);
    std::multiset<std::string> plain, inverted;
    for (const auto& [side, part] : parts) (side ? inverted : plain).insert(canonical(part));
    std::string text = isSum(t->op) ? "sum(" : "product(";
    for (const std::string& p : plain) text += p + " ";
    text += "/";
    for (const std::string& p : inverted) text += " " + p;
    return text + ")";
}

// No value below zero anywhere in it, once its chains are gathered.
bool nowhereNegative(const Tree& t) {
    if (!t->op) return true;
    if (valueOf(t).num < 0) return false;
    std::vector<std::pair<bool, Tree>> parts;
    chain(t, isSum(t->op), false, parts);
    return std::all_of(parts.begin(), parts.end(), [](const auto& part) { return nowhereNegative(part.second); });
}

// Every expression over the four cards: five shapes, every order, every operator.
std::set<std::string> expectedWays(const std::array<int, 4>& hand) {
    std::array<int, 4> c = hand;
    std::sort(c.begin(), c.end());
    std::set<std::string> ways;
    const char ops[] = "+-*/";
    do {
        for (char x : std::string(ops)) {
            for (char y : std::string(ops)) {
                for (char z : std::string(ops)) {
                    const Tree a = leaf(c[0]), b = leaf(c[1]), d = leaf(c[2]), e = leaf(c[3]);
                    const Tree shapes[] = {
                        apply(z, apply(y, apply(x, a, b), d), e), apply(z, apply(y, a, apply(x, b, d)), e),
                        apply(z, apply(x, a, b), apply(y, d, e)), apply(z, a, apply(y, apply(x, b, d), e)),
                        apply(z, a, apply(y, b, apply(x, d, e))),
                    };
                    for (const Tree& t : shapes) {
                        const Exact v = valueOf(t);
                        if (v.den == 1 && v.num == 24 && nowhereNegative(t)) ways.insert(canonical(t));
                    }
                }
            }
        }
    } while (std::next_permutation(c.begin(), c.end()));
    return ways;
}

// Reads a shown way back: numbers, ＋ － × ÷ and brackets, the usual order of
// operations. Notes any bracket that is not around a sum standing next to ×
// or ÷, and anything it cannot read.
class Reader {
public:
    explicit Reader(const std::string& text) : s_(text) {}
    Tree read() {
        Tree t = sum();
        if (at_ != s_.size()) bad = true;
        return t;
    }
    bool bad = false;
    bool needlessBracket = false;

private:
    const std::string& s_;
    size_t at_ = 0;

    char take(const std::vector<std::pair<std::string, char>>& signs) {
        for (const auto& [sign, op] : signs) {
            if (s_.compare(at_, sign.size(), sign) == 0) {
                at_ += sign.size();
                return op;
            }
        }
        return 0;
    }
    bool productSignNext() const { return s_.compare(at_, 2, "×") == 0 || s_.compare(at_, 2, "÷") == 0; }
    Tree sum() {
        Tree t = product();
        while (char op = take({{"＋", '+'}, {"－", '-'}})) t = apply(op, t, product());
        return t;
    }
    Tree product() {
        Tree t = factor(false);
        while (char op = take({{"×", '*'}, {"÷", '/'}})) t = apply(op, t, factor(true));
        return t;
    }
    Tree factor(bool afterProductSign) {
        if (s_.compare(at_, 1, "(") == 0) {
            ++at_;
            Tree inner = sum();
            if (s_.compare(at_, 1, ")") != 0) {
                bad = true;
                return inner;
            }
            ++at_;
            if (!isSum(inner->op) || !(afterProductSign || productSignNext())) needlessBracket = true;
            return inner;
        }
        long long n = 0;
        const size_t from = at_;
        while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') n = n * 10 + (s_[at_++] - '0');
        if (at_ == from) bad = true;
        return leaf(n);
    }
};

// Every step of the way as written, worked from left to right, is 0 or more.
bool noStepBelowZero(const Tree& t) {
    if (!t->op) return true;
    const Exact v = valueOf(t);
    return v.den != 0 && v.num >= 0 && noStepBelowZero(t->left) && noStepBelowZero(t->right);
}

std::multiset<int> cardsIn(const Tree& t) {
    if (!t->op) return {static_cast<int>(t->number)};
    std::multiset<int> cards = cardsIn(t->left);
    for (int c : cardsIn(t->right)) cards.insert(c);
    return cards;
}

// What the game shows for one hand against the ways worked out here: every
// way once, each making 24 from the four cards, with no step below zero and
// no bracket more than the order of operations needs.
void checkHand(const std::array<int, 4>& hand) {
    const std::vector<std::string> shown = distinctTwentyFours(hand);
    const std::multiset<int> cards(hand.begin(), hand.end());
    std::set<std::string> read;
    for (const std::string& text : shown) {
        Reader reader(text);
        const Tree t = reader.read();
        ASSERT_FALSE(reader.bad) << text;
        EXPECT_FALSE(reader.needlessBracket) << text;
        const Exact v = valueOf(t);
        EXPECT_TRUE(v.den == 1 && v.num == 24) << text;
        EXPECT_EQ(cardsIn(t), cards) << text;
        EXPECT_TRUE(noStepBelowZero(t)) << text;
        EXPECT_TRUE(read.insert(canonical(t)).second) << text << " is shown twice";
    }
    EXPECT_EQ(read, expectedWays(hand)) << hand[0] << " " << hand[1] << " " << hand[2] << " " << hand[3];
}

TEST(TwentyFourDisplayTest, HandsWithKnownWays) {
    const struct {
        std::array<int, 4> hand;
        std::vector<std::string> ways;  // all of them, as shown
    } cases[] = {
        {{3, 3, 8, 8}, {"8÷(3－8÷3)"}},
        {{8, 3, 8, 3}, {"8÷(3－8÷3)"}},
        {{1, 1, 1, 8}, {"(1＋1＋1)×8"}},
        {{5, 5, 5, 1}, {"(5－1÷5)×5"}},
        // Found although card 0 is paired with card 2.
        {{1, 1, 2, 7}, {"(7＋1)×(2＋1)"}},
        {{1, 1, 1, 1}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(distinctTwentyFours(c.hand), c.ways);
        checkHand(c.hand);
    }
    // 3, 2, 7, 8: (7－3)×(8－2) is among them, in whatever order it is written.
    std::set<std::string> shown;
    for (const std::string& text : distinctTwentyFours({3, 2, 7, 8})) shown.insert(canonical(Reader(text).read()));
    const Tree expected = apply('*', apply('-', leaf(7), leaf(3)), apply('-', leaf(8), leaf(2)));
    EXPECT_EQ(shown.count(canonical(expected)), 1u);
    checkHand({3, 2, 7, 8});
}

TEST(TwentyFourDisplayTest, EveryHandShowsEachWayOnce) {
    for (int a = 1; a <= 10; ++a)
        for (int b = a; b <= 10; ++b)
            for (int c = b; c <= 10; ++c)
                for (int d = c; d <= 10; ++d) checkHand({a, b, c, d});
}

// The order of the cards on the table changes nothing.
TEST(TwentyFourDisplayTest, TheOrderOfTheCardsDoesNotMatter) {
    for (const auto& hand : {std::array<int, 4>{1, 2, 3, 4}, {4, 7, 2, 10}, {6, 6, 9, 1}}) {
        std::array<int, 4> order = hand;
        std::sort(order.begin(), order.end());
        const auto first = distinctTwentyFours(order);
        while (std::next_permutation(order.begin(), order.end())) EXPECT_EQ(distinctTwentyFours(order), first);
    }
}

}  // namespace
}  // namespace tally
