// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/kept_today.h"

#include "sheets/redrill_sheet.h"

namespace tally {

KeptPractice keptToday(const TodayPractice& practice, const Page& sheet) {
    KeptPractice kept;
    kept.day = dayText(practice.today);
    for (std::size_t i = 0; i < practice.questions.size(); ++i) {
        const TodayQuestion& asked = practice.questions[i];
        kept.questions.push_back({static_cast<int>(asked.source), asked.question});
        for (const std::string& name : mixedSheetFields(static_cast<int>(i) + 1)) {
            if (const std::string value = sheet.value(name); !value.empty()) kept.typed.emplace_back(name, value);
        }
    }
    return kept;
}

std::optional<TodayPractice> resumedToday(const KeptPractice& kept, Day today) {
    if (kept.questions.empty() || parseDay(kept.day) != today) return std::nullopt;
    TodayPractice practice;
    practice.today = today;
    for (const KeptQuestion& each : kept.questions) {
        practice.questions.push_back({static_cast<PlanSource>(each.source), each.question});
    }
    practice.dueCount = countFrom(practice.questions, PlanSource::Review);
    practice.slowCount = countFrom(practice.questions, PlanSource::Slow);
    return practice;
}

void restoreTyped(const KeptPractice& kept, Page& sheet) {
    for (const auto& [name, value] : kept.typed) sheet.setValue(name, value);
}

}  // namespace tally
