// SPDX-License-Identifier: GPL-3.0-or-later
// 约分: numerator and denominator divided by their greatest common factor at
// once, and, where that factor is not prime, by a common prime at a time. The
// numbers of the lines:
//   最大公因数  {numerator, denominator, factor}
//   同时除以    {numerator, denominator, factor, new numerator, new denominator}
//   最简分数    {numerator, denominator}
#include <numeric>

#include "skills/steps_builders.h"

namespace tally {

namespace {

std::string num(long long n) { return std::to_string(n); }

std::string fractionText(long long numerator, long long denominator) {
    return denominator == 1 ? num(numerator) : num(numerator) + "/" + num(denominator);
}

long long smallestPrimeFactor(long long n) {
    for (long long p = 2; p * p <= n; ++p) {
        if (n % p == 0) return p;
    }
    return n;
}

StepLine divisionLine(long long numerator, long long denominator, long long factor, std::string note = "") {
    const long long up = numerator / factor;
    const long long down = denominator / factor;
    return {fractionText(numerator, denominator) + "＝" + fractionText(up, down),
            {numerator, denominator, factor, up, down},
            note.empty() ? "分子、分母同时除以" + num(factor) : std::move(note)};
}

}  // namespace

QuestionSteps reduceSteps(long long numerator, long long denominator, const std::optional<StepLine>& sum) {
    QuestionSteps steps;
    steps.kind = StepsKind::reduce;
    steps.title = "约分";
    if (sum) steps.lines.push_back(*sum);
    const long long factor = std::gcd(numerator, denominator);
    steps.lines.push_back({num(numerator) + "和" + num(denominator) + "的最大公因数是" + num(factor),
                           {numerator, denominator, factor}, ""});
    steps.lines.push_back(divisionLine(numerator, denominator, factor));
    const long long up = numerator / factor;
    const long long down = denominator / factor;
    if (down == 1) {
        steps.lines.push_back({"分母是1，结果就是整数" + num(up), {up, down}, ""});
    } else {
        steps.lines.push_back({fractionText(up, down) + "的分子和分母只有公因数1，是最简分数", {up, down}, ""});
    }
    if (smallestPrimeFactor(factor) == factor) return steps;
    steps.lines.push_back({"也可以一步一步约：", {}, ""});
    for (long long n = numerator, d = denominator; std::gcd(n, d) > 1;) {
        const long long p = smallestPrimeFactor(std::gcd(n, d));
        steps.lines.push_back(divisionLine(n, d, p));
        n /= p;
        d /= p;
    }
    return steps;
}

}  // namespace tally
