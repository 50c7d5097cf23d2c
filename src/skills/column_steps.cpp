// SPDX-License-Identifier: GPL-3.0-or-later
// 竖式 of whole numbers, a line a place, with the carries and the 退位点 where
// they are written. The numbers of a place's line:
//   ＋ {place, digit of a (-1 when a has none), digit of b (-1), carried in, written, carried out}
//   － {place, digit of a, digit of b (-1), lent before (1 or 0), borrowed now (1 or 0), written}
//   × by one digit {place, digit, multiplier, carried in, written, carried out};
//   × by more digits, a line for each digit {place, top, digit, partial product}
//   (a 0 digit {place, 0}), then the partial products shifted and their sum.
#include <algorithm>
#include <utility>

#include "skills/steps_builders.h"

namespace tally {

namespace {

int digitCount(long long n) {
    int count = 1;
    for (; n >= 10; n /= 10) ++count;
    return count;
}

long long digitOf(long long n, int place) {
    for (int i = 0; i < place; ++i) n /= 10;
    return n % 10;
}

long long tenTo(int power) {
    long long value = 1;
    for (int i = 0; i < power; ++i) value *= 10;
    return value;
}

std::string num(long long n) { return std::to_string(n); }

QuestionSteps columnSteps(std::string firstLine) {
    QuestionSteps steps;
    steps.kind = StepsKind::column;
    steps.title = "竖式计算";
    steps.lines.push_back({std::move(firstLine), {}, ""});
    return steps;
}

std::vector<ColumnRow> termRows(long long a, const char* sign, long long b) {
    return {ColumnRow{"", a, 0, false, {}}, ColumnRow{sign, b, 0, false, {}}};
}

// What a column of an addition adds: its digits, then the carry.
std::string additionWords(long long da, long long db, long long carry, long long sum) {
    if (da < 0 && db < 0) return "写上进上来的1";
    std::string words;
    if (da >= 0 && db >= 0) words = equationText(da, "＋", db, da + db);
    else words = num(std::max(da, db));
    if (carry > 0) words += (da >= 0 && db >= 0 ? "，加上进上来的1得" : "加上进上来的1得") + num(sum);
    else if (da < 0 || db < 0) words = "照写" + words;
    return words;
}

}  // namespace

QuestionSteps additionColumn(long long a, long long b) {
    QuestionSteps steps = columnSteps("相同数位对齐，从个位加起，哪一位满十就向前一位进1。");
    steps.column = termRows(a, "＋", b);
    ColumnRow result{"", a + b, 0, true, {}};
    long long carry = 0;
    for (int place = 0; place < digitCount(a) || place < digitCount(b) || carry > 0; ++place) {
        const long long da = place < digitCount(a) ? digitOf(a, place) : -1;
        const long long db = place < digitCount(b) ? digitOf(b, place) : -1;
        const long long sum = std::max(da, 0LL) + std::max(db, 0LL) + carry;
        std::string text = placeName(place) + "：" + additionWords(da, db, carry, sum);
        if (da >= 0 || db >= 0) text += "，写" + num(sum % 10);
        if (sum >= 10) {
            text += "，向" + placeName(place + 1) + "进1";
            result.marks[place + 1] = "1";
        }
        steps.lines.push_back({text, {place, da, db, carry, sum % 10, sum / 10}, ""});
        carry = sum / 10;
    }
    steps.column.push_back(result);
    steps.lines.push_back(soLine(a, "＋", b, a + b));
    return steps;
}

namespace {

// What a column of a subtraction takes away, having lent or not.
std::string subtractionWords(long long da, long long db, bool lent, bool borrows, int place) {
    const long long have = da - (lent ? 1 : 0);
    const long long take = std::max(db, 0LL);
    const long long value = have + (borrows ? 10 : 0);
    const std::string next = placeName(place + 1);
    const std::string taken = db >= 0 ? equationText(value, "－", db, value - db) : num(value);
    if (!lent && !borrows) return db >= 0 ? taken : "照写" + num(da);
    if (!lent) return num(da) + "－" + num(db) + "不够减，从" + next + "退1，" + taken;
    if (da == 0 && borrows) {
        return "是0，从" + next + "退1当10，退给" + placeName(place - 1) + "1后还剩9，" + taken;
    }
    std::string words = "被退走1，还剩" + num(have) + "，";
    if (borrows) words += num(have) + "－" + num(take) + "不够减，再从" + next + "退1，";
    return words + taken;
}

}  // namespace

QuestionSteps subtractionColumn(long long a, long long b) {
    QuestionSteps steps = columnSteps("相同数位对齐，从个位减起，哪一位不够减就从前一位退1，在本位上加10再减。");
    steps.column = termRows(a, "－", b);
    const long long difference = a - b;
    bool lent = false;
    for (int place = 0; place < digitCount(a); ++place) {
        const long long da = digitOf(a, place);
        const long long db = place < digitCount(b) ? digitOf(b, place) : -1;
        const bool borrows = da - (lent ? 1 : 0) < std::max(db, 0LL);
        const long long written = da - (lent ? 1 : 0) + (borrows ? 10 : 0) - std::max(db, 0LL);
        const bool leading = place >= digitCount(difference) && place > 0;
        const std::string text = placeName(place) + "：" + subtractionWords(da, db, lent, borrows, place) +
                                 (leading ? "，0不用写" : "，写" + num(written));
        steps.lines.push_back({text, {place, da, db, lent ? 1 : 0, borrows ? 1 : 0, written}, ""});
        if (borrows) steps.column[0].marks[place + 1] = "·";
        lent = borrows;
    }
    steps.column.push_back(ColumnRow{"", difference, 0, true, {}});
    steps.lines.push_back(soLine(a, "－", b, difference));
    return steps;
}

namespace {

void byOneDigit(QuestionSteps& steps, long long top, long long digit) {
    ColumnRow result{"", top * digit, 0, true, {}};
    long long carry = 0;
    const int places = digitCount(top);
    for (int place = 0; place < places; ++place) {
        const long long d = digitOf(top, place);
        const long long product = d * digit + carry;
        const bool last = place == places - 1;
        std::string text = placeName(place) + "：" + equationText(d, "×", digit, d * digit);
        if (carry > 0) text += "，加上进上来的" + num(carry) + "得" + num(product);
        text += "，写" + num(last ? product : product % 10);
        if (!last && product >= 10) {
            text += "，向" + placeName(place + 1) + "进" + num(product / 10);
            result.marks[place + 1] = num(product / 10);
        }
        steps.lines.push_back({text, {place, d, digit, carry, product % 10, product / 10}, ""});
        carry = product / 10;
    }
    steps.column.push_back(result);
}

// The carries of adding the shifted partial products, into each place.
std::map<int, std::string> sumCarries(const std::vector<long long>& shifted) {
    std::map<int, std::string> marks;
    long long carry = 0;
    const int places = digitCount(*std::max_element(shifted.begin(), shifted.end()));
    for (int place = 0; place < places; ++place) {
        long long column = carry;
        for (const long long value : shifted) column += digitOf(value, place);
        carry = column / 10;
        if (carry > 0) marks[place + 1] = num(carry);
    }
    return marks;
}

void byEachDigit(QuestionSteps& steps, long long top, long long bottom) {
    std::vector<long long> shifted;
    for (int place = 0; place < digitCount(bottom); ++place) {
        const long long digit = digitOf(bottom, place);
        if (digit == 0) {
            steps.lines.push_back({placeName(place) + "上是0，这一位不用乘", {place, 0}, ""});
            continue;
        }
        const long long partial = top * digit;
        const std::string note = place == 0 ? "" : "表示" + num(partial) + "个" + placeName(place).substr(0, 3);
        steps.lines.push_back({"用" + placeName(place) + "上的" + num(digit) + "去乘：" +
                                   equationText(top, "×", digit, partial) + "，积的末位和" + placeName(place) + "对齐",
                               {place, top, digit, partial}, note});
        steps.column.push_back(ColumnRow{"", partial, place, shifted.empty(), {}});
        shifted.push_back(partial * tenTo(place));
    }
    const long long product = top * bottom;
    if (shifted.size() == 1) {
        steps.column.back().ruleAbove = true;
        steps.column.back().number = product;
        steps.column.back().shift = 0;
        steps.lines.push_back({"末尾的0照写，得" + num(product), {product}, ""});
        return;
    }
    std::string sum;
    for (const long long value : shifted) sum += (sum.empty() ? "" : "＋") + num(value);
    std::vector<long long> numbers = shifted;
    numbers.push_back(product);
    steps.lines.push_back({"把乘得的积加起来：" + sum + "＝" + num(product), numbers, ""});
    steps.column.push_back(ColumnRow{"", product, 0, true, sumCarries(shifted)});
}

}  // namespace

QuestionSteps multiplicationColumn(long long a, long long b) {
    // The factor with more digits is written on top.
    const long long top = digitCount(b) > digitCount(a) ? b : a;
    const long long bottom = top == a ? b : a;
    QuestionSteps steps = columnSteps(bottom < 10 ? "相同数位对齐，用" + num(bottom) + "从个位起依次去乘" + num(top) +
                                                        "的每一位，乘到哪一位满几十就向前一位进几。"
                                                  : "相同数位对齐，先用第二个因数每一位上的数去乘" + num(top) +
                                                        "，再把乘得的积加起来。");
    steps.column = termRows(top, "×", bottom);
    if (bottom < 10) byOneDigit(steps, top, bottom);
    else byEachDigit(steps, top, bottom);
    steps.lines.push_back(soLine(a, "×", b, a * b));
    return steps;
}

}  // namespace tally
