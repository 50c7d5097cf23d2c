// SPDX-License-Identifier: GPL-3.0-or-later
#include "pg_school/assignment_watch.h"

namespace tally {
namespace {

constexpr const char* kChannel = "tallymoo_assignment";
// A cut cable leaves the socket quiet; the keepalives find it out within
// seconds, and the watch falls back to reading.
constexpr const char* kListenSettings =
    "connect_timeout=3 sslmode=prefer keepalives=1 keepalives_idle=5 keepalives_interval=2 keepalives_count=2 ";
// How long one wait for the server's word lasts, so a stop is quick.
constexpr long kWaitMicroseconds = 200'000;

}  // namespace

class AssignmentWatch::Heard : public pqxx::notification_receiver {
public:
    explicit Heard(pqxx::connection_base& connection) : pqxx::notification_receiver(connection, kChannel) {}
    void operator()(const std::string&, int) override { heard = true; }
    bool heard = false;
};

AssignmentWatch::AssignmentWatch(PupilCredentials who, std::vector<Assignment> known, Changed changed)
    : who_(std::move(who)), known_(std::move(known)), changed_(std::move(changed)), server_(who_.settings),
      thread_([this] { run(); }) {}

AssignmentWatch::~AssignmentWatch() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool AssignmentWatch::pause(std::chrono::milliseconds time) {
    std::unique_lock lock(mutex_);
    return !wake_.wait_for(lock, time, [this] { return stopping_; });
}

void AssignmentWatch::run() {
    while (pause(std::chrono::milliseconds(0))) {
        if (!listening_) {
            // Listening first: an assignment made between the read and the
            // listening would otherwise wait for the next one.
            const bool listens = listen();
            if (!check()) return;
            if (!listens && !pause(kPollEvery)) return;
            continue;
        }
        try {
            listening_->await_notification(0, kWaitMicroseconds);
        } catch (const std::exception&) {
            stopListening();
            continue;
        }
        if (heard_->heard) {
            heard_->heard = false;
            if (!check()) return;
        }
    }
}

bool AssignmentWatch::listen() {
    try {
        listening_ = std::make_unique<pqxx::connection>(kListenSettings + who_.settings);
        heard_ = std::make_unique<Heard>(*listening_);
        return true;
    } catch (const std::exception&) {
        stopListening();
        return false;
    }
}

void AssignmentWatch::stopListening() {
    heard_.reset();
    listening_.reset();
}

bool AssignmentWatch::check() {
    bool turnedDown = false;
    const std::string token = sessionOf(server_, who_, turnedDown);
    if (token.empty()) return !turnedDown;
    const SchoolReply<std::vector<Assignment>> now = server_.pupilAssignments(token);
    if (!now.value) {
        if (now.unreachable) stopListening();
        return true;
    }
    if (*now.value == known_) return true;
    known_ = *now.value;
    changed_(known_);
    return true;
}

}  // namespace tally
