// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <string>
#include <vector>

#include "base/ports.h"
#include "families/family_table.h"
#include "progress/classroom_values.h"

namespace tally {

// A topic a teacher may hand out from the 布置练习 form: a skill of the 口算
// tab, or a 口算卷 the program comes with (a pupil's own computer has it too).
struct AssignableTopic {
    std::string key;      // "k3101", or "mix:NAME"
    std::string caption;  // what the pupil reads: the assignment's title
    std::string group;    // "三年级上学期", or "口算卷"
};
// Every skill grade by grade, term by term, then the ready 口算卷.
std::vector<AssignableTopic> assignableTopics();
// The group of topics a class is likely to practise: its grade (from its
// name, "三年级（2）班"; 一年级 when it says none) and the term of `today`.
std::string suggestedGroup(const std::string& className, Day today);
// The skills' captions by key, for the term view.
std::map<std::string, std::string> skillCaptions();

inline constexpr int kMostAssignedQuestions = 100;

// What the teacher filled in: a topic (any topic's key, or "mix:NAME"), how
// many questions, the due day, and who: the whole class, or only the pupils
// named (a group of none is refused).
struct AssignmentRequest {
    std::string topicKey;
    int count = 20;
    std::string due;  // "YYYY-MM-DD"
    bool onlyNamed = false;
    std::vector<std::string> pupilNames;
};
// Why it cannot be handed out, in Chinese; "" when it can. A topic the
// pupils' program could not open, a due day before `today` or a count the
// sheet cannot have are refused.
std::string assignmentProblem(const AssignmentRequest& request, Day today, const FamilyTable& families);
// The assignment to send: its title the topic's caption, its seed fresh.
Assignment assignmentOf(const AssignmentRequest& request, const FamilyTable& families);

}  // namespace tally
