// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tally {
namespace {

constexpr int kSignificantDigits = 15;

bool allDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The decimal form of a positive value from its 15 significant digits.
std::string positiveDecimal(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, value);
    const std::string scientific = buffer;
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    if (exponent < 0) return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) return digits + std::string(wholeDigits - digits.size(), '0');
    return digits.substr(0, wholeDigits) + "." + digits.substr(wholeDigits);
}

}  // namespace

std::string numberText(double value) {
    if (!std::isfinite(value)) return "";
    if (value == 0) return "0";
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<std::int64_t>(value));
    }
    const std::string text = positiveDecimal(std::fabs(value));
    return value < 0 && text != "0" ? "-" + text : text;
}

int decimalPlaces(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

std::string roundDecimalText(const std::string& text, int places) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string unsignedText = negative ? text.substr(1) : text;
    const std::size_t point = unsignedText.find('.');
    const std::string whole = unsignedText.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : unsignedText.substr(point + 1);
    if (!allDigits(whole) || (point != std::string::npos && !allDigits(fraction))) return text;

    // Work on the digits as one whole number scaled by 10^places.
    const auto kept = static_cast<std::size_t>(places);
    std::string digits = whole + (fraction + std::string(kept, '0')).substr(0, kept);
    if (fraction.size() > kept && fraction[kept] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) digits.insert(digits.begin(), '1');
        else ++digits[i - 1];
    }
    std::string wholePart = digits.substr(0, digits.size() - kept);
    while (wholePart.size() > 1 && wholePart[0] == '0') wholePart.erase(0, 1);
    const std::string fractionPart = digits.substr(digits.size() - kept);
    std::string result = places > 0 ? wholePart + "." + fractionPart : wholePart;

    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return negative && !zero ? "-" + result : result;
}

}  // namespace tally
