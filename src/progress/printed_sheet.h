// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace tally {

// A sheet printed on paper, kept under the code printed on it, so that its
// marks can come back into the record: what was drawn, for whom, when, and the
// page as it was printed (its questions and their answers), which gives back
// the same questions whatever version of the program reads it.
struct PrintedSheet {
    std::string code;           // what the sheet carries, e.g. "K7QM3FXA"
    long long childId = 0;      // kEarlierRecords for no child
    std::string printedDay;     // "YYYY-MM-DD"
    std::string what;           // a topic's key, "mix:NAME", "practice" or "redrill"
    std::string title;          // the sheet's title as printed
    std::string gradingKey;     // the key its family marks it by
    std::optional<long long> seed{};  // where the draw's seed is known
    int questionCount = 0;
    std::string drillForm;
    int generatorVersion = 0;   // the version of the question generators that drew it
    std::string page;           // the sheet's page as the model held it, answers in their tags

    bool operator==(const PrintedSheet&) const = default;
};

}  // namespace tally
