// SPDX-License-Identifier: GPL-3.0-or-later
// The school's link on threads of its own: the outbox carried to the server
// and the watch for new assignments. The record and the lab's file stay on
// the caller's thread; the threads hand their results over under a mutex.
#include "pg_school/school_desk.h"

namespace tally {
namespace {

// As the lab's own send: a batch the server takes in one short transaction.
constexpr int kBatch = 200;

}  // namespace

bool SchoolDesk::startSending(ProgressRecord& record, long long childId, bool newOnly) {
    if (!server_ || !pupil_ || (courier_ && courier_->busy())) return false;
    // What the last send did is noted first, so no batch goes twice.
    {
        std::lock_guard lock(handedMutex_);
        if (delivered_) return false;
    }
    const int waiting = record.unsentCount(childId);
    if (newOnly && waiting <= waitingSeen_) {
        waitingSeen_ = waiting;
        return false;
    }
    waitingSeen_ = waiting;
    std::vector<ClassAnswer> batch = record.unsentAnswers(childId, kBatch);
    if (batch.empty()) return false;
    if (!courier_) courier_ = std::make_unique<AnswerCourier>(credentials());
    return courier_->send(std::move(batch), [this](AnswerCourier::Delivery delivery) {
        std::lock_guard lock(handedMutex_);
        delivered_ = std::move(delivery);
        handed_.notify_all();
    });
}

std::optional<Upload> SchoolDesk::sendDone(ProgressRecord& record, long long childId) {
    std::optional<AnswerCourier::Delivery> delivery;
    {
        std::lock_guard lock(handedMutex_);
        delivery.swap(delivered_);
    }
    if (!delivery) return std::nullopt;
    if (!delivery->token.empty()) keepSession(delivery->token);
    Upload done{0, 0, delivery->problem};
    if (!delivery->taken.empty()) {
        if (record.markSent(delivery->taken)) {
            done.sent = static_cast<int>(delivery->taken.size());
        } else {
            done.problem = "这台电脑记不下哪些题已经交了；下次再交时，老师那里也只会有一份。";
        }
    }
    done.waiting = record.unsentCount(childId);
    waitingSeen_ = done.waiting;
    return done;
}

void SchoolDesk::watchAssignments() {
    if (!pupil_ || settings_.empty() || watch_) return;
    watch_ = std::make_unique<AssignmentWatch>(credentials(), pupil_->assignments,
                                               [this](const std::vector<Assignment>& now) {
                                                   std::lock_guard lock(handedMutex_);
                                                   changed_ = now;
                                                   handed_.notify_all();
                                               });
}

std::optional<std::vector<Assignment>> SchoolDesk::changedAssignments(std::chrono::milliseconds wait) {
    std::optional<std::vector<Assignment>> now;
    {
        std::unique_lock lock(handedMutex_);
        handed_.wait_for(lock, wait, [this] { return changed_.has_value(); });
        now.swap(changed_);
    }
    if (now) keepAssignments(*now);
    return now;
}

}  // namespace tally
