// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "progress/classroom_values.h"

namespace tally {

// Who answered, as a learning record store knows them: an account on a home
// page, under a name.
struct XapiActor {
    std::string name;         // what a person reads
    std::string homePage;     // the system the account is on
    std::string accountName;  // unique on that system
};

// The home page of the accounts of a family's computer, which has no server.
inline constexpr const char* kHomeAccounts = "urn:tallymoo:home";

// A child practising at home: the account is the child's name.
XapiActor homeActor(const std::string& childName);
// A pupil of a class on the school's server: "CLASS/PUPIL" on its home page.
XapiActor pupilActor(const std::string& serverHomePage, const std::string& className, const std::string& pupilName);

// A time in milliseconds as an ISO 8601 duration: "PT4.2S", "PT0.05S", "PT75S".
std::string isoDuration(long long ms);
// The activity of a question of a skill or topic: its key and its text, each
// escaped as an IRI's part.
std::string questionActivityId(const std::string& topicKey, const std::string& question);
// The skill or topic the question belongs to.
std::string skillActivityId(const std::string& topicKey);

// One xAPI statement of an answered question, on one line: the answer's id,
// the actor, the verb answered, the question (in its skill), its result
// (success, the typed answer, the duration where it is known) and the time
// of its sheet, a local "YYYY-MM-DD HH:MM:SS" written in `utcOffset` ("+08:00").
std::string xapiStatement(const ClassAnswer& answer, const XapiActor& actor, const std::string& utcOffset = "+08:00");
// The statements of the answers, a line each (JSON lines).
std::string xapiLines(const std::vector<ClassAnswer>& answers, const XapiActor& actor,
                      const std::string& utcOffset = "+08:00");

}  // namespace tally
