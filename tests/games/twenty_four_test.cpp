#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "games/twenty_four_game.h"
#include "games/twenty_four_solver.h"
#include "support/harness.h"

namespace tally {
namespace {

// Exact fractions, so the checks below never depend on a tolerance.
struct Fraction {
    long long num = 0;
    long long den = 1;

    static Fraction of(long long n, long long d) {
        if (d < 0) n = -n, d = -d;
        const long long g = std::gcd(n < 0 ? -n : n, d);
        return {n / g, d / g};
    }
    bool operator==(const Fraction&) const = default;
};

using Results = std::vector<std::pair<Fraction, std::string>>;

// The six ways to combine two values, in the game's slot order; a division
// by zero gives nothing.
Results combine(Fraction x, Fraction y, const std::string& sx, const std::string& sy) {
    Results r;
    r.push_back({Fraction::of(x.num * y.den + y.num * x.den, x.den * y.den), "(" + sx + "+" + sy + ")"});
    r.push_back({Fraction::of(x.num * y.den - y.num * x.den, x.den * y.den), "(" + sx + "-" + sy + ")"});
    r.push_back({Fraction::of(y.num * x.den - x.num * y.den, x.den * y.den), "(" + sy + "-" + sx + ")"});
    r.push_back({Fraction::of(x.num * y.num, x.den * y.den), "(" + sx + "*" + sy + ")"});
    if (y.num != 0) r.push_back({Fraction::of(x.num * y.den, x.den * y.num), "(" + sx + "/" + sy + ")"});
    if (x.num != 0) r.push_back({Fraction::of(y.num * x.den, y.den * x.num), "(" + sy + "/" + sx + ")"});
    return r;
}

// The same six values without their texts, for the searches that only ask
// whether 24 can be made.
struct Values {
    std::array<Fraction, 6> value;
    size_t count = 0;
    const Fraction* begin() const { return value.data(); }
    const Fraction* end() const { return value.data() + count; }
};

Values combineValues(Fraction x, Fraction y) {
    Values r;
    r.value[r.count++] = Fraction::of(x.num * y.den + y.num * x.den, x.den * y.den);
    r.value[r.count++] = Fraction::of(x.num * y.den - y.num * x.den, x.den * y.den);
    r.value[r.count++] = Fraction::of(y.num * x.den - x.num * y.den, x.den * y.den);
    r.value[r.count++] = Fraction::of(x.num * y.num, x.den * y.den);
    if (y.num != 0) r.value[r.count++] = Fraction::of(x.num * y.den, x.den * y.num);
    if (x.num != 0) r.value[r.count++] = Fraction::of(y.num * x.den, y.den * x.num);
    return r;
}

const Fraction kTwentyFour{24, 1};

Fraction card(int value) { return {value, 1}; }
std::string text(int value) { return std::to_string(value); }

// Every expression tree over the numbers: take any two, combine, go on.
bool anyWay(std::vector<Fraction> values) {
    if (values.size() == 1) return values[0] == kTwentyFour;
    for (size_t i = 0; i < values.size(); ++i) {
        for (size_t j = i + 1; j < values.size(); ++j) {
            std::vector<Fraction> rest;
            for (size_t k = 0; k < values.size(); ++k) {
                if (k != i && k != j) rest.push_back(values[k]);
            }
            for (const Fraction& value : combineValues(values[i], values[j])) {
                rest.push_back(value);
                if (anyWay(rest)) return true;
                rest.pop_back();
            }
        }
    }
    return false;
}

// One running value that takes the remaining cards one at a time.
bool chainFrom(Fraction value, std::vector<int> rest) {
    if (rest.empty()) return value == kTwentyFour;
    for (size_t i = 0; i < rest.size(); ++i) {
        std::vector<int> others = rest;
        others.erase(others.begin() + static_cast<long>(i));
        for (const Fraction& next : combineValues(value, card(rest[i]))) {
            if (chainFrom(next, others)) return true;
        }
    }
    return false;
}

bool chainWaySorted(const std::array<int, 4>& cards) {
    const std::vector<int> all(cards.begin(), cards.end());
    return chainFrom(card(all[0]), {all[1], all[2], all[3]}) || chainFrom(card(all[1]), {all[0], all[2], all[3]}) ||
           chainFrom(card(all[2]), {all[0], all[1], all[3]}) || chainFrom(card(all[3]), {all[0], all[1], all[2]});
}

// A chain can take the cards in any order, so one search per set of cards.
bool chainWay(std::array<int, 4> cards) {
    static std::map<std::array<int, 4>, bool> known;
    std::sort(cards.begin(), cards.end());
    auto it = known.find(cards);
    if (it == known.end()) it = known.emplace(cards, chainWaySorted(cards)).first;
    return it->second;
}

bool pairsWay(int a, int b, int c, int d) {
    for (const Fraction& left : combineValues(card(a), card(b))) {
        for (const Fraction& right : combineValues(card(c), card(d))) {
            for (const Fraction& value : combineValues(left, right)) {
                if (value == kTwentyFour) return true;
            }
        }
    }
    return false;
}

// The solutions the game must list, in its order of search, worked out with
// exact fractions: three steps over the twelve card orders, then the pairs
// of cards 0,1 and 2,3.
std::vector<std::string> expectedSolutions(const std::array<int, 4>& c) {
    const int orders[12][4] = {{0, 1, 2, 3}, {0, 1, 3, 2}, {0, 2, 1, 3}, {0, 2, 3, 1}, {0, 3, 1, 2}, {0, 3, 2, 1},
                               {1, 2, 3, 0}, {1, 2, 0, 3}, {1, 3, 0, 2}, {1, 3, 2, 0}, {2, 3, 1, 0}, {2, 3, 0, 1}};
    std::vector<std::string> found;
    auto keep = [&found](const Fraction& value, const std::string& t) {
        if (value == kTwentyFour && std::find(found.begin(), found.end(), t) == found.end()) found.push_back(t);
    };
    for (const auto& o : orders) {
        for (const auto& [v1, t1] : combine(card(c[o[0]]), card(c[o[1]]), text(c[o[0]]), text(c[o[1]]))) {
            for (const auto& [v2, t2] : combine(v1, card(c[o[2]]), t1, text(c[o[2]]))) {
                for (const auto& [v3, t3] : combine(v2, card(c[o[3]]), t2, text(c[o[3]]))) keep(v3, t3);
            }
        }
    }
    for (const auto& [l, lt] : combine(card(c[0]), card(c[1]), text(c[0]), text(c[1]))) {
        for (const auto& [r, rt] : combine(card(c[2]), card(c[3]), text(c[2]), text(c[3]))) {
            for (const auto& [v, t] : combine(l, r, lt, rt)) keep(v, t);
        }
    }
    return found;
}

std::vector<std::string> solve(const std::array<int, 4>& cards) {
    TwentyFourSolver solver;
    std::vector<std::string> solutions{"left over from the last deal"};
    solver.initnextGG(cards, solutions);
    return solutions;
}

template <typename Visit>
void forEachOrderedDeal(Visit visit) {
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            for (int c = 1; c <= 10; ++c)
                for (int d = 1; d <= 10; ++d) visit(std::array<int, 4>{a, b, c, d});
}

// The random values that make the deal draw these cards and this suit.
void scriptDeal(test::ScriptedRandom& random, const std::array<int, 4>& cards, int suit) {
    for (int value : cards) random.push((value - 1) / 10.0 + 0.05);
    random.push((suit - 1) / 4.0 + 0.05);
}

TEST(TwentyFourSolverTest, ExamplesOfTheGame) {
    const auto plain = solve({1, 2, 3, 4});
    ASSERT_FALSE(plain.empty());
    EXPECT_EQ(plain.front(), "(((1+2)+3)*4)");

    // Equal cards give the same texts from several orders; each is kept once.
    for (const auto& cards : {std::array<int, 4>{3, 3, 8, 8}, {8, 3, 8, 3}, {8, 8, 3, 3}, {3, 8, 3, 8}}) {
        EXPECT_EQ(solve(cards), std::vector<std::string>{"(8/(3-(8/3)))"});
    }
    EXPECT_TRUE(solve({1, 1, 1, 1}).empty());
}

TEST(TwentyFourSolverTest, ListsTheSolutionsOfEveryHandInTheOrderOfSearch) {
    for (int a = 1; a <= 10; ++a)
        for (int b = a; b <= 10; ++b)
            for (int c = b; c <= 10; ++c)
                for (int d = c; d <= 10; ++d) {
                    const std::array<int, 4> cards{a, b, c, d};
                    ASSERT_EQ(solve(cards), expectedSolutions(cards)) << a << b << c << d;
                }
    // Cards out of order, where the pairs shape sees other pairs.
    ASSERT_EQ(solve({7, 2, 9, 4}), expectedSolutions({7, 2, 9, 4}));
    ASSERT_EQ(solve({10, 1, 6, 5}), expectedSolutions({10, 1, 6, 5}));
}

TEST(TwentyFourSolverTest, SolvesExactlyTheHandsWithAChainOrTheFirstTwoPairs) {
    int solvable = 0;
    forEachOrderedDeal([&](const std::array<int, 4>& c) {
        const bool expected = chainWay(c) || pairsWay(c[0], c[1], c[2], c[3]);
        ASSERT_EQ(!solve(c).empty(), expected) << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
        solvable += expected;
    });
    EXPECT_GT(solvable, 5000);
}

// A hand whose only way is to pair card 0 with card 2 (or 3) is not seen by
// the game: the deal throws it away and deals again.
TEST(TwentyFourSolverTest, DealRedealsAHandSolvableOnlyByCrossedPairs) {
    std::optional<std::array<int, 4>> crossed;
    forEachOrderedDeal([&](const std::array<int, 4>& c) {
        if (crossed || chainWay(c) || pairsWay(c[0], c[1], c[2], c[3])) return;
        if (anyWay({card(c[0]), card(c[1]), card(c[2]), card(c[3])})) crossed = c;
    });
    ASSERT_TRUE(crossed.has_value());
    const auto& c = *crossed;
    EXPECT_TRUE(pairsWay(c[0], c[2], c[1], c[3]) || pairsWay(c[0], c[3], c[1], c[2]));
    EXPECT_TRUE(solve(c).empty());

    test::ScriptedRandom random;
    scriptDeal(random, c, 2);
    scriptDeal(random, {1, 1, 1, 1}, 1);
    scriptDeal(random, {1, 2, 3, 4}, 4);
    TwentyFourState state;
    dealTwentyFour(random, state);
    EXPECT_EQ(state.cards, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(state.suit, 4);
    EXPECT_EQ(state.solutions, solve({1, 2, 3, 4}));
}

TEST(TwentyFourSolverTest, EveryDealIsSolvable) {
    test::ScriptedRandom random(7);
    TwentyFourState state;
    for (int deal = 0; deal < 300; ++deal) {
        dealTwentyFour(random, state);
        ASSERT_FALSE(state.solutions.empty());
        for (int value : state.cards) ASSERT_TRUE(value >= 1 && value <= 10);
        ASSERT_TRUE(state.suit >= 1 && state.suit <= 4);
    }
}

}  // namespace
}  // namespace tally
