// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_estimate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "practice/topic_sheets.h"

namespace tally {
namespace {

// The seconds per question of each topic's timed sheets, the daily practice's included.
std::map<std::string, std::vector<double>> pacesByTopic(const std::vector<SheetRow>& sheets) {
    std::map<std::string, std::vector<double>> paces;
    for (const SheetRow& sheet : sheets) {
        if (sheet.questions > 0 && sheet.seconds > 0) paces[sheet.topicKey].push_back(secondsPerQuestion(sheet));
    }
    return paces;
}

}  // namespace

int gradeSecondsPerQuestion(int grade) {
    constexpr std::array<int, 6> kSeconds = {15, 20, 25, 30, 40, 45};
    return kSeconds[static_cast<std::size_t>(std::clamp(grade, 1, 6) - 1)];
}

int estimatedMinutes(const std::vector<std::string>& questionTopics, const std::vector<SheetRow>& sheets, int grade) {
    const std::map<std::string, std::vector<double>> paces = pacesByTopic(sheets);
    const auto practice = paces.find(kPracticeKey);
    const double usual = practice != paces.end() ? medianSeconds(practice->second) : gradeSecondsPerQuestion(grade);
    std::map<std::string, double> usualOf;
    double seconds = 0;
    for (const std::string& topic : questionTopics) {
        auto known = usualOf.find(topic);
        if (known == usualOf.end()) {
            const auto own = paces.find(topic);
            known = usualOf.emplace(topic, own != paces.end() ? medianSeconds(own->second) : usual).first;
        }
        seconds += known->second;
    }
    return std::max(1, static_cast<int>(std::ceil(seconds / 60.0)));
}

}  // namespace tally
