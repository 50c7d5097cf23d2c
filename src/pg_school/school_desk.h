// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "pg_school/answer_courier.h"
#include "pg_school/assignment_watch.h"
#include "pg_school/lab_computer.h"
#include "pg_school/pg_school_server.h"
#include "progress/progress_record.h"

namespace tally {

// A front end's link to the school: the lab computer's keeping, the server
// (from the settings given, else those kept) and the pupil logged in, whose
// record is the session's.
class SchoolDesk {
public:
    // `settings` given on the command line are kept for the next start, a
    // password in them in the lab's password file.
    SchoolDesk(const std::filesystem::path& folder, const std::string& settings);
    // Whether the settings given carried a password (the front end warns:
    // the process list shows it).
    bool passwordGiven() const { return passwordGiven_; }

    LabComputer& lab() { return lab_; }
    // Nothing without settings, given or kept.
    SchoolServer* server() { return server_.get(); }
    const std::optional<LabPupil>& pupil() const { return pupil_; }

    // Logs the pupil in; "" when in, otherwise why not.
    std::string logInPupil(const std::string& className, const std::string& name, const std::string& pin);
    // The pupil's record file and child, for the session to open.
    std::filesystem::path pupilRecord() const { return lab_.recordOf(pupil_->pupil); }
    // Sends the pupil's outbox of the record now.
    Upload sync(ProgressRecord& record, long long childId);
    // Sends it when a sheet joined it since the last try, so a stored sheet
    // goes at once and a server that is away costs one short wait per sheet.
    // True when it tried.
    bool sendNewSheets(ProgressRecord& record, long long childId);

    // What a thread of its own needs to act for the pupil logged in.
    PupilCredentials credentials() const;
    // A session another thread opened for the pupil who had none.
    void keepSession(const std::string& token);
    // The pupil's assignments as the watch found them, kept for the next login.
    void keepAssignments(const std::vector<Assignment>& assignments);

    // --- on threads of their own, for a window that must never wait -------
    // Starts sending the outbox (a batch) unless a send is under way; with
    // `newOnly`, only when a sheet joined it since the last try. True when
    // it started.
    bool startSending(ProgressRecord& record, long long childId, bool newOnly);
    // What the send started last did, once it is over; the ids the server
    // took are noted in the record here. Nothing while none is over.
    std::optional<Upload> sendDone(ProgressRecord& record, long long childId);
    // Starts watching the pupil's assignments (nothing without a pupil).
    void watchAssignments();
    // The pupil's assignments when the watch found them changed since the
    // last call, kept for the next login; waits up to `wait` for a change.
    std::optional<std::vector<Assignment>> changedAssignments(std::chrono::milliseconds wait = {});

private:
    LabComputer lab_;
    bool passwordGiven_ = false;
    std::string settings_;
    std::unique_ptr<PgSchoolServer> server_;
    std::optional<LabPupil> pupil_;
    // The login, to log in at the server once it can be reached again.
    std::string className_;
    std::string pin_;
    int waitingSeen_ = 0;
    // What the threads hand over, under the mutex.
    std::mutex handedMutex_;
    std::condition_variable handed_;
    std::optional<AnswerCourier::Delivery> delivered_;
    std::optional<std::vector<Assignment>> changed_;
    // Last, so they stop before what they hand over to goes.
    std::unique_ptr<AnswerCourier> courier_;
    std::unique_ptr<AssignmentWatch> watch_;
};

// A pupil's login: class, name and PIN.
struct PupilLogin {
    std::string className;
    std::string name;
    std::string pin;
};

// Makes the pupil the one child of their own record on the first login, of
// the grade the class's name says; "" when the pupil is its child.
std::string keepPupilAsChild(ProgressRecord& record, const PupilLogin& login);

}  // namespace tally
