// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/paper_code.h"

#include <sodium.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <numeric>

namespace tally {
namespace {

// Thirty-two symbols, five bits each: no I, L, O or U, which read like 1, 0 or V.
constexpr std::string_view kSymbols = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

// The furthest a typed code may be from a printed one to be offered in its place.
constexpr int kNearest = 3;

std::uint64_t hashOf(std::string_view page, long long childId, std::string_view printedDay, int attempt) {
    static const bool ready = sodium_init() >= 0;
    static_cast<void>(ready);
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, sizeof(std::uint64_t));
    const std::string head = std::to_string(childId) + "\n" + std::string(printedDay) + "\n" + std::to_string(attempt) + "\n";
    crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(head.data()), head.size());
    crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(page.data()), page.size());
    std::array<unsigned char, sizeof(std::uint64_t)> out{};
    crypto_generichash_final(&state, out.data(), out.size());
    return std::accumulate(out.begin(), out.end(), std::uint64_t{0},
                           [](std::uint64_t sum, unsigned char byte) { return (sum << 8) | byte; });
}

char readSymbol(char typed) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
    if (upper == 'O') return '0';
    if (upper == 'I' || upper == 'L') return '1';
    return kSymbols.find(upper) == std::string_view::npos ? '\0' : upper;
}

}  // namespace

std::string paperCodeOf(std::string_view page, long long childId, std::string_view printedDay, int attempt) {
    std::uint64_t bits = hashOf(page, childId, printedDay, attempt);
    std::string code;
    for (std::size_t i = 0; i < kPaperCodeLength; ++i, bits >>= 5) code += kSymbols[bits & 31];
    return code;
}

std::string shownPaperCode(std::string_view code) {
    if (code.size() != kPaperCodeLength) return std::string(code);
    return std::string(code.substr(0, 4)) + " " + std::string(code.substr(4));
}

std::optional<std::string> readPaperCode(std::string_view typed) {
    std::string code;
    for (char c : typed) {
        if (c == ' ' || c == '-' || c == '\t') continue;
        const char symbol = readSymbol(c);
        if (symbol == '\0') return std::nullopt;
        code += symbol;
    }
    if (code.size() != kPaperCodeLength) return std::nullopt;
    return code;
}

int codeDistance(std::string_view a, std::string_view b) {
    std::vector<int> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::vector<std::string> nearestCodes(std::string_view typed, const std::vector<std::string>& known) {
    std::string read;
    for (char c : typed) {
        if (const char symbol = readSymbol(c); symbol != '\0') read += symbol;
    }
    std::vector<std::pair<int, std::string>> near;
    for (const std::string& code : known) {
        if (const int distance = codeDistance(read, code); distance <= kNearest) near.emplace_back(distance, code);
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> codes;
    for (const auto& [distance, code] : near) {
        if (codes.size() < 3 && std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    }
    return codes;
}

}  // namespace tally
