// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "progress/school_server.h"

namespace tally {

// What a thread of its own needs to act for the pupil logged in: the
// server's settings, the class's join code, the pupil's name and PIN, and
// the session token when the login reached the server. Held in memory only,
// like the token.
struct PupilCredentials {
    std::string settings;
    std::string joinCode;
    std::string name;
    std::string pin;
    std::string token;
    long long pupilId = 0;
};

// The pupil's session on the server: the token held, else a fresh login's,
// kept in `who`. Empty when there is none; `turnedDown` then says whether
// the server refused the PIN (asking again would only lock the pupil out).
std::string sessionOf(SchoolServer& server, PupilCredentials& who, bool& turnedDown);

}  // namespace tally
