// SPDX-License-Identifier: GPL-3.0-or-later
#include "pg_school/answer_courier.h"

#include "pg_school/pg_call.h"

namespace tally {

AnswerCourier::~AnswerCourier() {
    if (thread_.joinable()) thread_.join();
}

bool AnswerCourier::send(std::vector<ClassAnswer> answers, Done done) {
    if (busy_.exchange(true)) return false;
    if (thread_.joinable()) thread_.join();
    thread_ = std::thread([this, answers = std::move(answers), done = std::move(done)]() mutable {
        done(deliver(std::move(answers)));
        busy_ = false;
    });
    return true;
}

AnswerCourier::Delivery AnswerCourier::deliver(std::vector<ClassAnswer> answers) {
    constexpr const char* kPinRefused = "学校的服务器不认这个密码了，题先留在这台电脑上，请问问老师。";
    if (refused_) return Delivery{{}, "", kPinRefused};
    const std::string token = sessionOf(server_, who_, refused_);
    if (token.empty()) return Delivery{{}, "", refused_ ? kPinRefused : kServerUnreachable};
    for (ClassAnswer& answer : answers) answer.pupilId = who_.pupilId;
    SchoolReply<std::vector<std::string>> taken = server_.upload(token, answers);
    if (!taken.value) return Delivery{{}, token, taken.problem};
    return Delivery{std::move(*taken.value), token, ""};
}

}  // namespace tally
