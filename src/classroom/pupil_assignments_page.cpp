// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/pupil_assignments_page.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "classroom/assignment_results_page.h"
#include "classroom/class_page_parts.h"
#include "practice/html_parts.h"

namespace tally {
namespace {

constexpr const char* kLinkEnd = ".tallymoo";

constexpr const char* kStyle = R"(
table.assignments td, table.assignments th { padding: 4px 8px; font-size: 17px; }
table.assignments td:nth-child(2), table.assignments td:nth-child(3) { white-space: nowrap; }
table.assignments td.late { color: #b03a2e; }
a.open { display: inline-block; white-space: nowrap; padding: 3px 16px; border-radius: 10px; background: #2e6b4f; color: #ffffff;
  text-decoration: none; }
@media print { a.open { display: none; } }
)";

bool givenTo(const Assignment& assignment, const Pupil& pupil) {
    return assignment.classId == pupil.classId &&
           (assignment.pupils.empty() ||
            std::find(assignment.pupils.begin(), assignment.pupils.end(), pupil.id) != assignment.pupils.end());
}

std::string stateCell(const Assignment& assignment, const std::vector<ClassAnswer>& counted, const std::string& today) {
    if (counted.empty()) {
        if (!assignment.due.empty() && assignment.due < today) return element("td", "过了日期，还没有做", "class=late");
        return element("td", "还没有做");
    }
    const auto right = std::count_if(counted.begin(), counted.end(), [](const ClassAnswer& a) { return a.right; });
    return element("td", "做完了，做对了" + std::to_string(right) + "道（共" + std::to_string(counted.size()) + "道）");
}

std::string assignmentRow(const Assignment& assignment, const std::vector<ClassAnswer>& counted, const std::string& today) {
    const std::string open = element("a", counted.empty() ? "开始做" : "再做一次",
                                     "class=open " + htmlAttr("href", assignmentLink(assignment.id)));
    return element("tr", element("td", escaped(assignment.title)) +
                             element("td", std::to_string(assignment.questionCount) + "道") +
                             element("td", escaped(dayWords(assignment.due)) + "前") + stateCell(assignment, counted, today) +
                             element("td", open));
}

}  // namespace

std::string assignmentLink(long long assignmentId) { return kAssignmentLink + std::to_string(assignmentId) + kLinkEnd; }

std::optional<long long> linkedAssignment(const std::string& fileName) {
    const std::string start = kAssignmentLink;
    const std::string end = kLinkEnd;
    if (fileName.size() <= start.size() + end.size() || fileName.compare(0, start.size(), start) != 0 ||
        fileName.compare(fileName.size() - end.size(), end.size(), end) != 0) {
        return std::nullopt;
    }
    long long id = 0;
    const char* first = fileName.data() + start.size();
    const char* last = fileName.data() + fileName.size() - end.size();
    const auto [stop, error] = std::from_chars(first, last, id);
    if (error != std::errc() || stop != last) return std::nullopt;
    return id;
}

std::string pupilAssignmentsHtml(const Pupil& pupil, const std::vector<Assignment>& assignments,
                                 const std::vector<ClassAnswer>& answers, const std::string& today) {
    struct Given {
        const Assignment* assignment;
        std::vector<ClassAnswer> counted;
    };
    std::vector<Given> given;
    std::vector<ClassAnswer> own;
    std::copy_if(answers.begin(), answers.end(), std::back_inserter(own),
                 [&](const ClassAnswer& a) { return a.pupilId == pupil.id; });
    for (const Assignment& assignment : assignments) {
        if (givenTo(assignment, pupil)) given.push_back({&assignment, countedAnswers(assignment, own)});
    }
    std::stable_sort(given.begin(), given.end(), [](const Given& a, const Given& b) {
        if (a.counted.empty() != b.counted.empty()) return a.counted.empty();
        return a.assignment->due < b.assignment->due;
    });
    std::string body = element("h1", "下发的练习");
    if (given.empty()) {
        body += element("p", "老师还没有下发练习。");
    } else {
        std::string rows = textRow({"练习", "题数", "交的日期", "做了没有", ""}, "th");
        for (const Given& each : given) rows += assignmentRow(*each.assignment, each.counted, today);
        body += element("table", rows, "class=assignments");
    }
    return classPageHtml("下发的练习", kStyle, body);
}

}  // namespace tally
