// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/fluency_norm.h"

namespace tally {
namespace {

constexpr int kMostPerMinute = 60;

}  // namespace

std::string fluencyNormProblem(const FluencyNorm& norm) {
    if (norm.grade < 1 || norm.grade > 6) return "年级要在一到六年级之间。";
    if (norm.skillKey.empty()) return "要写明是哪项口算。";
    if (norm.pass < 1 || norm.excellent > kMostPerMinute) {
        return "每分钟答对的题数要在1到" + std::to_string(kMostPerMinute) + "之间。";
    }
    if (norm.pass > norm.good || norm.good > norm.excellent) return "要求要一级比一级高：达标≤良好≤优秀。";
    return "";
}

}  // namespace tally
