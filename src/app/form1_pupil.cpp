// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil logged in on a school's lab computer: 下发的练习 is their first page
// and the way back from every assignment, with their own marks read from
// their own record. It shows how many were right, never an answer, so what a
// child alone may see stays as the family program decides it.
#include <algorithm>

#include "app/form1.h"
#include "classroom/pupil_assignments_page.h"
#include "practice/practice_rows.h"

namespace tally {
namespace {

constexpr const char* kNewAssignmentNote = "老师下发了新的练习。";

bool anyNew(const std::vector<Assignment>& before, const std::vector<Assignment>& now) {
    return std::any_of(now.begin(), now.end(), [&](const Assignment& task) {
        return std::none_of(before.begin(), before.end(), [&](const Assignment& old) { return old.id == task.id; });
    });
}

}  // namespace

void Form1::setPupil(const Pupil& pupil, std::vector<Assignment> assignments) {
    pupil_ = pupil;
    pupilAssignments_ = std::move(assignments);
}

void Form1::showPupilAssignments() {
    gate_.run([this] {
        if (!pupil_ || !mayLeavePage()) return;
        leavePage();
        writePupilAssignments();
    });
}

void Form1::writePupilAssignments() {
    std::vector<ClassAnswer> own = record_ ? record_->assignmentAnswers(owner()) : std::vector<ClassAnswer>{};
    // The record keeps the pupil's answers without the server's id of the pupil.
    for (ClassAnswer& answer : own) answer.pupilId = pupil_->id;
    writeBody(pupilAssignmentsHtml(*pupil_, pupilAssignments_, own, dayText(today())));
    pupilPageGeneration_ = ports_.page.generation();
    ports_.ui.bringToFront(Pane::WebBrowser1);
    pupilNote_.clear();
    showStatus();
}

void Form1::assignmentsChanged(std::vector<Assignment> assignments) {
    // The list is the handler's own: it may wait for an event under way.
    gate_.run([this, now = std::move(assignments)] {
        if (!pupil_ || now == pupilAssignments_) return;
        const bool arrived = anyNew(pupilAssignments_, now);
        pupilAssignments_ = now;
        if (pupilAssignmentsOnPage()) return writePupilAssignments();
        if (!arrived) return;
        pupilNote_ = kNewAssignmentNote;
        showStatus();
    });
}

std::string Form1::followLink(const std::string& fileName) {
    const std::optional<long long> id = linkedAssignment(fileName);
    if (!id) return "这个链接打不开。";
    const auto task = std::find_if(pupilAssignments_.begin(), pupilAssignments_.end(),
                                   [&](const Assignment& one) { return one.id == *id; });
    if (!pupil_ || task == pupilAssignments_.end()) return "没有这份练习。";
    const Assignment chosen = *task;
    return openAssignment(chosen);
}

}  // namespace tally
