// SPDX-License-Identifier: GPL-3.0-or-later
// 试商 with a two-digit divisor: the divisor seen as a whole ten (四舍五入), a
// quotient tried on each part of the dividend, mended when too big or too
// small. The numbers of the lines:
//   看作        {divisor, whole ten}
//   试商        {part, whole ten, quotient tried}
//   商大了      {divisor, quotient, product, part}
//   商小了/合适 {divisor, quotient, product, part, remainder}
//   商0         {part, divisor}
//   落下        {remainder, digit, next part}
#include <algorithm>
#include <string>
#include <vector>

#include "skills/steps_builders.h"

namespace tally {

namespace {

std::string num(long long n) { return std::to_string(n); }

std::vector<int> digitsOf(long long n) {
    std::vector<int> digits;
    for (const char c : std::to_string(n)) digits.push_back(c - '0');
    return digits;
}

// The quotient on one part of the dividend, tried and mended, as lines.
long long tryOn(long long part, long long divisor, long long wholeTen, std::vector<StepLine>& lines) {
    long long quotient = std::clamp(part / wholeTen, 1LL, 9LL);
    lines.push_back({num(part) + "里面大约有几个" + num(wholeTen) + "？试商" + num(quotient), {part, wholeTen, quotient}, ""});
    for (;;) {
        const long long product = divisor * quotient;
        const std::string times = equationText(divisor, "×", quotient, product);
        if (product > part) {
            lines.push_back({times + "，" + num(product) + "比" + num(part) + "大，商大了，改商" + num(quotient - 1),
                             {divisor, quotient, product, part}, ""});
            --quotient;
            continue;
        }
        const long long remainder = part - product;
        const std::string left = times + "，" + equationText(part, "－", product, remainder) + "，";
        if (remainder >= divisor) {
            lines.push_back({left + "余数" + num(remainder) + "不比除数" + num(divisor) + "小，商小了，改商" +
                                 num(quotient + 1),
                             {divisor, quotient, product, part, remainder}, ""});
            ++quotient;
            continue;
        }
        lines.push_back({left + "余数" + num(remainder) + "比除数" + num(divisor) + "小，商" + num(quotient) + "合适",
                         {divisor, quotient, product, part, remainder}, ""});
        return quotient;
    }
}

}  // namespace

QuestionSteps trialQuotientSteps(long long dividend, long long divisor) {
    QuestionSteps steps;
    steps.kind = StepsKind::trialQuotient;
    steps.title = "试商";
    const long long wholeTen = (divisor + 5) / 10 * 10;
    if (wholeTen != divisor) {
        steps.lines.push_back({"把" + num(divisor) + "看作" + num(wholeTen) + "来试商", {divisor, wholeTen},
                               divisor % 10 < 5 ? "四舍" : "五入"});
    }
    steps.lines.push_back({"从被除数的高位除起，前两位不够除，就看前三位；除到哪一位，商就写在哪一位上面", {}, ""});
    const std::vector<int> digits = digitsOf(dividend);
    std::size_t next = 0;
    long long part = 0;
    while (next < digits.size() && part < divisor) part = part * 10 + digits[next++];
    long long quotient = 0;
    for (;;) {
        long long digit = 0;
        if (part < divisor) steps.lines.push_back({num(part) + "比" + num(divisor) + "小，这一位商0", {part, divisor}, ""});
        else digit = tryOn(part, divisor, wholeTen, steps.lines);
        quotient = quotient * 10 + digit;
        const long long remainder = part - digit * divisor;
        if (next == digits.size()) break;
        const long long down = digits[next++];
        part = remainder * 10 + down;
        steps.lines.push_back({"落下" + num(down) + "，和余数" + num(remainder) + "合起来是" + num(part),
                               {remainder, down, part}, ""});
    }
    const long long remainder = dividend - quotient * divisor;
    std::string last = "所以" + num(dividend) + "÷" + num(divisor) + "＝" + num(quotient);
    if (remainder > 0) last += "……" + num(remainder);
    steps.lines.push_back({last, {dividend, divisor, quotient, remainder}, ""});
    return steps;
}

}  // namespace tally
