// SPDX-License-Identifier: GPL-3.0-or-later
#include "pg_school/pupil_credentials.h"

namespace tally {

std::string sessionOf(SchoolServer& server, PupilCredentials& who, bool& turnedDown) {
    turnedDown = false;
    if (!who.token.empty()) return who.token;
    const SchoolReply<PupilSession> session = server.logInPupil(who.joinCode, who.name, who.pin);
    if (!session.value) {
        turnedDown = !session.unreachable;
        return "";
    }
    who.token = session.value->token;
    who.pupilId = session.value->pupilId;
    return who.token;
}

}  // namespace tally
