// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "progress/classroom_values.h"

namespace tally {

// What the school's server gave back: the value, or why not, in Chinese for
// the one who asked. `unreachable` says the server could not be reached at
// all (the lab computer then goes on from what it keeps); `refusedAsGiven`
// that the server refused what it was given, as it was (an answer it cannot
// file), not who asked nor for now, so sending it again changes nothing.
template <typename Value>
struct SchoolReply {
    std::optional<Value> value{};
    std::string problem{};
    bool unreachable = false;
    bool refusedAsGiven = false;

    static SchoolReply refused(std::string why, bool unreachable = false) { return {std::nullopt, std::move(why), unreachable}; }
};

// A pupil logged in on a lab computer: the server's session token, which the
// computer names on every later call of that pupil's.
struct PupilSession {
    long long pupilId = 0;
    long long classId = 0;
    std::string token;
};

// A pupil's line of an assignment's results: each question's newest answer
// by its place on the sheet; none when the pupil has not done it.
struct PupilResults {
    Pupil pupil;
    std::vector<ClassAnswer> answers;
};

// A question of an assignment and how often it was missed, with the kinds of
// error its misses were marked with, the most frequent first.
struct MissedOften {
    int position = 0;
    std::string question;
    std::string correct;
    int wrong = 0;
    int answered = 0;
    std::vector<std::pair<std::string, int>> errorKinds;
};

// A class of the teacher logged in, with how many pupils it has.
struct TaughtClass {
    SchoolClass schoolClass;
    int pupils = 0;
};

// An assignment of a class with how many of the pupils it is for have
// answered any of its questions; `assignment.pupils` names its group.
struct AssignmentProgress {
    Assignment assignment;
    int done = 0;
    int assigned = 0;
};

// A pupil's share right of one skill's answers over some days.
struct SkillShare {
    std::string pupil;
    std::string topicKey;
    long long answered = 0;
    long long right = 0;
};

// The classroom's operations on the school's server: a lab computer's (a
// class joined, a pupil's login, their assignments and the upload of their
// answers) and a teacher's, once logged in.
class SchoolServer {
public:
    virtual ~SchoolServer() = default;

    virtual SchoolReply<SchoolClass> joinClass(const std::string& joinCode) = 0;
    virtual SchoolReply<PupilSession> logInPupil(const std::string& joinCode, const std::string& name,
                                                 const std::string& pin) = 0;
    virtual SchoolReply<std::vector<Assignment>> pupilAssignments(const std::string& token) = 0;
    // Sends the answers, all or none; gives the ids of those the server now
    // holds, the ones it had already included, so they leave the outbox.
    // Refused as given when one of them cannot be filed.
    virtual SchoolReply<std::vector<std::string>> upload(const std::string& token,
                                                         const std::vector<ClassAnswer>& answers) = 0;

    virtual SchoolReply<bool> logInTeacher(const std::string& role, const std::string& password) = 0;
    // The teacher's own classes, by name.
    virtual SchoolReply<std::vector<TaughtClass>> teacherClasses() = 0;
    virtual SchoolReply<SchoolClass> addClass(const std::string& name) = 0;
    virtual SchoolReply<long long> addPupil(const std::string& className, const std::string& name,
                                            const std::string& pin) = 0;
    virtual SchoolReply<std::vector<Pupil>> pupils(const std::string& className) = 0;
    // The assignment's id; its class is named by `className`, its pupils by name.
    virtual SchoolReply<long long> assign(const std::string& className, const Assignment& assignment,
                                          const std::vector<std::string>& pupilNames) = 0;
    virtual SchoolReply<std::vector<Assignment>> teacherAssignments() = 0;
    // The class's assignments, the latest due first, each with its group and how far it is done.
    virtual SchoolReply<std::vector<AssignmentProgress>> classAssignments(long long classId) = 0;
    // Every pupil the assignment is for, by name.
    virtual SchoolReply<std::vector<PupilResults>> results(long long assignmentId) = 0;
    virtual SchoolReply<std::vector<MissedOften>> missedOften(long long assignmentId, int limit) = 0;
    // Each pupil's share right of each skill from `fromDay` to `toDay` ("YYYY-MM-DD").
    virtual SchoolReply<std::vector<SkillShare>> termShares(const std::string& className, const std::string& fromDay,
                                                            const std::string& toDay) = 0;
};

}  // namespace tally
