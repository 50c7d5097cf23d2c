// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/answer_times.h"

#include <sodium.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace tally {

std::vector<AnswerTime> answerTimes(const AnswerLog& log) {
    std::vector<AnswerTime> times;
    std::vector<std::pair<long long, std::size_t>> changedAt;  // last change, answer
    for (const AnswerLog::Answer& answer : log.answers()) {
        const long long last = log.lastChange(answer.fields);
        if (answer.answered && last >= 0) changedAt.emplace_back(last, times.size());
        times.push_back({answer.fields.empty() ? "" : answer.fields.front(), answer.topicKey, answer.question,
                         answer.right, std::nullopt, "", answer.typed});
    }
    std::stable_sort(changedAt.begin(), changedAt.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    long long previous = 0;
    for (const auto& [last, at] : changedAt) {
        times[at].ms = last - previous;
        previous = last;
    }
    return times;
}

std::string newAnswerId() {
    // randombytes_buf reads the system's source of randomness and ends the
    // program rather than give weak bytes, so an id is always unique enough.
    [[maybe_unused]] static const int started = sodium_init();
    std::array<std::uint8_t, 16> bytes{};
    randombytes_buf(bytes.data(), bytes.size());
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0f) | 0x40);  // version 4
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3f) | 0x80);  // the RFC 4122 variant
    static constexpr char kHex[] = "0123456789abcdef";
    std::string id;
    id.reserve(36);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) id += '-';
        id += kHex[bytes[i] >> 4];
        id += kHex[bytes[i] & 0x0f];
    }
    return id;
}

void giveAnswerIds(std::vector<AnswerTime>& times) {
    for (AnswerTime& answer : times) {
        if (answer.id.empty()) answer.id = newAnswerId();
    }
}

}  // namespace tally
