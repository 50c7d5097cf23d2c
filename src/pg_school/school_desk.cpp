// SPDX-License-Identifier: GPL-3.0-or-later
#include "pg_school/school_desk.h"

#include "pg_school/pg_call.h"
#include "progress/children.h"

namespace tally {

SchoolDesk::SchoolDesk(const std::filesystem::path& folder, const std::string& settings)
    : lab_(folder), passwordGiven_(settingsCarryPassword(settings)) {
    const bool kept = settings.empty() || lab_.keepServerSettings(settings);
    settings_ = kept ? lab_.connectionSettings() : settings;
    if (!settings_.empty()) server_ = std::make_unique<PgSchoolServer>(settings_);
}

std::string SchoolDesk::logInPupil(const std::string& className, const std::string& name, const std::string& pin) {
    if (!server_) return "这台电脑还没有学校服务器的设置（--school）。";
    std::string problem;
    pupil_ = lab_.logIn(*server_, className, name, pin, problem);
    className_ = className;
    pin_ = pin;
    // Away, the server's words would promise work this computer cannot let the pupil do.
    if (!pupil_ && problem == kServerUnreachable) {
        return "连不上学校的服务器。在这台电脑上登录过的同学，用原来的密码才能先登录；请等一会儿再试，或者问问老师。";
    }
    return problem;
}

Upload SchoolDesk::sync(ProgressRecord& record, long long childId) {
    if (!server_ || !pupil_) return Upload{0, record.unsentCount(childId), "先要有学生登录，才能交题。"};
    if (pupil_->token.empty()) {
        std::string problem;
        if (std::optional<LabPupil> online = lab_.logIn(*server_, className_, pupil_->pupil.name, pin_, problem);
            online && !online->token.empty()) {
            pupil_ = std::move(online);
        }
    }
    Upload done = lab_.send(*server_, record, childId, *pupil_);
    waitingSeen_ = done.waiting;
    return done;
}

bool SchoolDesk::sendNewSheets(ProgressRecord& record, long long childId) {
    if (!server_ || !pupil_) return false;
    const int waiting = record.unsentCount(childId);
    if (waiting <= waitingSeen_) {
        waitingSeen_ = waiting;
        return false;
    }
    sync(record, childId);
    return true;
}

PupilCredentials SchoolDesk::credentials() const {
    PupilCredentials who{settings_, "", "", pin_, "", 0};
    for (const SchoolClass& joined : lab_.classes()) {
        if (joined.name == className_) who.joinCode = joined.joinCode;
    }
    if (pupil_) {
        who.name = pupil_->pupil.name;
        who.token = pupil_->token;
        who.pupilId = pupil_->pupil.id;
    }
    return who;
}

void SchoolDesk::keepSession(const std::string& token) {
    if (pupil_ && pupil_->token.empty()) pupil_->token = token;
}

void SchoolDesk::keepAssignments(const std::vector<Assignment>& assignments) {
    if (!pupil_) return;
    pupil_->assignments = assignments;
    lab_.keepAssignments(*pupil_, assignments);
}

namespace {

// "三年级（2）班" is of grade 3; a name that says no grade, of grade 1.
int gradeOfClass(const std::string& className) {
    const std::size_t grade = className.find("年级");
    if (grade == std::string::npos) return 1;
    return gradeNamed(className.substr(0, grade + std::string("年级").size())).value_or(1);
}

}  // namespace

std::string keepPupilAsChild(ProgressRecord& record, const PupilLogin& login) {
    if (childNamed(record.children(), login.name)) return "";
    return record.addChild(login.name, gradeOfClass(login.className));
}

}  // namespace tally
