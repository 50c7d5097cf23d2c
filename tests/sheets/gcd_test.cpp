#include <gtest/gtest.h>

#include "sheets/gcd.h"

namespace tally {
namespace {

// The product of the prime powers both numbers share, by trial division.
long sharedPrimePowers(long a, long b) {
    long product = 1;
    for (long p = 2; p <= a && p <= b; ++p) {
        while (a % p == 0 && b % p == 0) {
            product *= p;
            a /= p;
            b /= p;
        }
    }
    return product;
}

TEST(Gcd, AgreesWithPrimeFactorisation) {
    for (long a = 1; a <= 300; ++a) {
        for (long b = 1; b <= 300; b += 7) ASSERT_EQ(gcd(a, b), sharedPrimePowers(a, b)) << a << "," << b;
    }
}

TEST(Gcd, ZeroNegativeNumbersAndTheRemainderText) {
    const long cases[][3] = {{0, 0, 0}, {0, 12, 12}, {12, 0, 12}, {-4, 6, 2}, {4, -6, 2}, {-9, -12, 3}};
    for (const auto& c : cases) EXPECT_EQ(gcd(c[0], c[1]), c[2]) << c[0] << "," << c[1];
    EXPECT_EQ(remainderText(17, 5), "2");
    EXPECT_EQ(remainderText(15, 5), "0");
    EXPECT_EQ(remainderText(7, 0), "");
}

}  // namespace
}  // namespace tally
