// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "pg_school/pg_school_server.h"
#include "pg_school/pupil_credentials.h"

namespace tally {

// Carries a pupil's answers to the server on a thread of its own, so a
// window waits for no server that is away. The record stays with its own
// thread: the answers are read there before, and what the server took is
// noted there after.
class AnswerCourier {
public:
    // What a delivery did: the ids the server holds now, the session it ran
    // under (a fresh one when the pupil had none) and why not all went.
    struct Delivery {
        std::vector<std::string> taken;
        std::string token;
        std::string problem;
    };
    // Called on the courier's thread when a delivery is over.
    using Done = std::function<void(Delivery)>;

    explicit AnswerCourier(PupilCredentials who) : who_(std::move(who)), server_(who_.settings) {}
    // Waits for a delivery under way.
    ~AnswerCourier();
    AnswerCourier(const AnswerCourier&) = delete;
    AnswerCourier& operator=(const AnswerCourier&) = delete;

    // Starts carrying the answers; false while a delivery is under way.
    bool send(std::vector<ClassAnswer> answers, Done done);
    bool busy() const { return busy_; }

private:
    Delivery deliver(std::vector<ClassAnswer> answers);

    PupilCredentials who_;
    PgSchoolServer server_;
    std::atomic<bool> busy_ = false;
    // The server refused the PIN once: asking again would lock the pupil out.
    bool refused_ = false;
    std::thread thread_;
};

}  // namespace tally
