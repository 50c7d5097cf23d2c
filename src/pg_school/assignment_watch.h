// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <pqxx/pqxx>
#include <thread>
#include <vector>

#include "pg_school/pg_school_server.h"
#include "pg_school/pupil_credentials.h"

namespace tally {

// Watches, on a thread of its own, for the assignments of the pupil logged
// in to change: it listens for the server's word that a teacher assigned
// something over a connection of its own, and reads the pupil's assignments
// again when it comes; while that connection cannot be had it reads them
// every few seconds instead. A PIN the server refuses ends the watch, so it
// never locks the pupil out.
class AssignmentWatch {
public:
    // The whole list, each time it differs from the one before; called on
    // the watch's thread.
    using Changed = std::function<void(const std::vector<Assignment>&)>;
    static constexpr std::chrono::seconds kPollEvery{5};

    // Starts at once; `known` are the assignments in hand.
    AssignmentWatch(PupilCredentials who, std::vector<Assignment> known, Changed changed);
    // Stops the thread and waits for it (a read under way ends first).
    ~AssignmentWatch();
    AssignmentWatch(const AssignmentWatch&) = delete;
    AssignmentWatch& operator=(const AssignmentWatch&) = delete;

private:
    class Heard;
    void run();
    // Opens the listening connection; false when the server cannot be had.
    bool listen();
    void stopListening();
    // Reads the assignments and tells of a change; false once the PIN was refused.
    bool check();
    // Waits, or less when stopped; false when stopped.
    bool pause(std::chrono::milliseconds time);

    PupilCredentials who_;
    std::vector<Assignment> known_;
    Changed changed_;
    PgSchoolServer server_;
    std::unique_ptr<pqxx::connection> listening_;
    std::unique_ptr<Heard> heard_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace tally
