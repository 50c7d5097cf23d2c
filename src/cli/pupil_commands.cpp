// SPDX-License-Identifier: GPL-3.0-or-later
// The headless commands of a pupil logged in on a lab computer: 下发的练习,
// its links, and waiting for an assignment the teacher hands out meanwhile.
#include <algorithm>
#include <chrono>
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/printable.h"
#include "pg_school/school_desk.h"

namespace tally {
namespace {

constexpr long long kLongestWatch = 600;

bool pupilIn(const Form1& form, std::ostream& out) {
    if (form.pupil()) return true;
    out << "error: " << printable("先要有学生登录，才能看下发的练习。") << "\n";
    return false;
}

}  // namespace

void Commands::assigned(const std::string&, std::ostream& out) {
    if (pupilIn(*form_, out)) form_->showPupilAssignments();
}

void Commands::link(const std::string& args, std::ostream& out) {
    if (const std::string problem = form_->followLink(args); !problem.empty()) out << "error: " << printable(problem) << "\n";
}

void Commands::watch(const std::string& args, std::ostream& out) {
    const long long seconds = args.empty() || args.find_first_not_of("0123456789") != std::string::npos || args.size() > 4
                                  ? -1
                                  : std::stoll(args);
    if (seconds < 0 || seconds > kLongestWatch) {
        out << "error: watch SECONDS (0.." << kLongestWatch << ")\n";
        return;
    }
    if (!pupilIn(*form_, out) || !school_) return;
    const std::vector<Assignment> before = form_->pupilAssignments();
    if (const auto now = school_->changedAssignments(std::chrono::seconds(seconds))) form_->assignmentsChanged(*now);
    for (const Assignment& task : form_->pupilAssignments()) {
        if (std::any_of(before.begin(), before.end(), [&](const Assignment& old) { return old.id == task.id; })) continue;
        out << task.id << "\t" << printable(task.topicKey) << "\t" << task.questionCount << "\t" << task.due << "\t"
            << printable(task.title) << "\n";
    }
    out << ".\n";
}

}  // namespace tally
