// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tally {

// The values a school's classroom is made of, as the server and the lab's
// computers pass them. Ids are the server's.
struct SchoolClass {
    long long id = 0;
    std::string name;      // "三年级（2）班"
    std::string joinCode;  // what a lab computer joins the class with

    bool operator==(const SchoolClass&) const = default;
};

struct Pupil {
    long long id = 0;
    long long classId = 0;
    std::string name;

    bool operator==(const Pupil&) const = default;
};

// Practice handed out to a class, or to some of its pupils.
struct Assignment {
    long long id = 0;
    long long classId = 0;
    std::string topicKey;    // a skill's or a topic's key, or "mix:NAME"
    std::string title;       // as the pupil reads it
    int questionCount = 0;
    std::string due;         // "YYYY-MM-DD"
    long long seed = 0;      // every pupil gets the same questions
    std::vector<long long> pupils{};  // empty: the whole class

    bool operator==(const Assignment&) const = default;
};

// One answered question, as a lab computer sends it and the teacher reads it.
struct ClassAnswer {
    std::string id;          // the UUID made when it was marked
    long long assignmentId = 0;
    long long pupilId = 0;
    int position = 0;        // its place on the sheet, from 0
    std::string topicKey;
    std::string question;
    std::string typed;
    std::string correct;
    bool right = false;
    std::optional<long long> ms{};
    std::string errorKind;   // ErrorKind's stored name, "" for none
    std::string answeredAt;  // "YYYY-MM-DD HH:MM:SS"

    bool operator==(const ClassAnswer&) const = default;
};

}  // namespace tally
