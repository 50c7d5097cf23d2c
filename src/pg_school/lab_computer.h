// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "progress/classroom_values.h"
#include "progress/progress_record.h"
#include "progress/school_server.h"

namespace tally {

// A pupil who logged in on this computer, as it keeps them: the PIN only as a
// salted hash (so the pupil logs in while the server is away) and the
// assignments pulled at the last login. The server's session token is held
// in memory only, while the pupil is logged in: the pupils of a lab share its
// computer's account, and one pupil's token would let another send as them.
// A pupil logged in while the server was away has none until logged in again.
struct LabPupil {
    Pupil pupil;
    std::string pinHash;
    std::string token;
    std::vector<Assignment> assignments;
};

// What an upload did: the answers the server took, those still waiting, and
// why not all went (empty when they did); and how many of the pupil's answers
// the server refused by themselves, set aside in the record.
struct Upload {
    int sent = 0;
    int waiting = 0;
    std::string problem;
    int refused = 0;
};

// Whether connection settings carry a password (which a process list shows
// every user of the computer while the program runs).
bool settingsCarryPassword(const std::string& settings);

// A lab computer's own part of the classroom, in a folder of the user's data
// location: the school's connection settings, the classes joined with their
// join codes, the pupils who logged in here and each pupil's own record file
// (a record of one child, the pupil, whose answers of assignments are the
// outbox). Kept in one file readable by its user only.
class LabComputer {
public:
    explicit LabComputer(std::filesystem::path folder);

    const std::string& serverSettings() const { return serverSettings_; }
    // Keeps the settings a school gave; a password in them is kept in the
    // password file instead, never with the settings. False when they could
    // not be written.
    bool keepServerSettings(const std::string& settings);
    // Keeps the lab's password in the password file (readable by this user
    // alone), which the connection reads; false when it could not be written.
    bool keepServerPassword(const std::string& password);
    // The settings the connection is made with: those kept and the password
    // file, which libpq reads when it connects.
    std::string connectionSettings() const;
    const std::vector<SchoolClass>& classes() const { return classes_; }

    // Joins the class of the join code; "" when joined, otherwise why not.
    std::string join(SchoolServer& server, const std::string& joinCode);
    // Logs the pupil of a joined class in: at the server, which gives a fresh
    // session and the assignments; when it cannot be reached, here, from the
    // PIN's hash and the assignments kept. Nothing, and `problem` says why,
    // when neither lets the pupil in.
    std::optional<LabPupil> logIn(SchoolServer& server, const std::string& className, const std::string& name,
                                  const std::string& pin, std::string& problem);
    // The pupil's assignments as the server has them now, kept for the next
    // login; those kept before when it cannot be reached.
    std::vector<Assignment> assignmentsNow(SchoolServer& server, const LabPupil& pupil);
    // Keeps the pupil's assignments as another way of asking found them
    // (the watch for new ones), for the next login; false when not written.
    bool keepAssignments(const LabPupil& pupil, const std::vector<Assignment>& assignments);
    // Sends what the pupil's record has not yet given the server, a batch at
    // a time, and notes what the server took; nothing without a session. A
    // batch the server refuses as given goes again one answer at a time, and
    // an answer refused by itself is set aside, so it holds up none after it.
    Upload send(SchoolServer& server, ProgressRecord& record, long long childId, const LabPupil& pupil);
    // The pupil's own record file.
    std::filesystem::path recordOf(const Pupil& pupil) const;

private:
    bool save() const;
    void load();
    LabPupil* known(long long classId, const std::string& name);

    std::filesystem::path folder_;
    std::string serverSettings_;
    std::vector<SchoolClass> classes_;
    std::vector<LabPupil> pupils_;
};

}  // namespace tally
