// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <pqxx/pqxx>
#include <string>

#include "progress/school_server.h"

namespace tally {

// The school's server in PostgreSQL (the schema tallymoo-school-setup loads),
// through libpqxx. The lab's connection is made from the settings given; a
// teacher's from the same settings with the teacher's role and password.
// Each call is one transaction; a pupil's calls set the pupil's session on
// it alone. The connection gives up after a few seconds, so a server that is
// away holds nobody up for long.
class PgSchoolServer : public SchoolServer {
public:
    explicit PgSchoolServer(const std::string& settings);

    SchoolReply<SchoolClass> joinClass(const std::string& joinCode) override;
    SchoolReply<PupilSession> logInPupil(const std::string& joinCode, const std::string& name,
                                         const std::string& pin) override;
    SchoolReply<std::vector<Assignment>> pupilAssignments(const std::string& token) override;
    SchoolReply<std::vector<std::string>> upload(const std::string& token,
                                                 const std::vector<ClassAnswer>& answers) override;

    SchoolReply<bool> logInTeacher(const std::string& role, const std::string& password) override;
    SchoolReply<std::vector<TaughtClass>> teacherClasses() override;
    SchoolReply<SchoolClass> addClass(const std::string& name) override;
    SchoolReply<long long> addPupil(const std::string& className, const std::string& name,
                                    const std::string& pin) override;
    SchoolReply<std::vector<Pupil>> pupils(const std::string& className) override;
    SchoolReply<long long> assign(const std::string& className, const Assignment& assignment,
                                  const std::vector<std::string>& pupilNames) override;
    SchoolReply<std::vector<Assignment>> teacherAssignments() override;
    SchoolReply<std::vector<AssignmentProgress>> classAssignments(long long classId) override;
    SchoolReply<std::vector<PupilResults>> results(long long assignmentId) override;
    SchoolReply<std::vector<MissedOften>> missedOften(long long assignmentId, int limit) override;
    SchoolReply<std::vector<SkillShare>> termShares(const std::string& className, const std::string& fromDay,
                                                    const std::string& toDay) override;

private:
    // A teacher's call: refused until a teacher logged in.
    template <typename Value, typename Body>
    SchoolReply<Value> asTeacher(Body&& body);

    std::string labSettings_;
    std::string teacherSettings_;
    std::unique_ptr<pqxx::connection> lab_;
    std::unique_ptr<pqxx::connection> teacher_;
};

// An assignment as the server's rows give it (id, class_id, topic_key,
// title, question_count, due, seed).
Assignment assignmentOf(const pqxx::row& row);

}  // namespace tally
