// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/teacher_desk.h"

#include <algorithm>
#include <utility>

#include "classroom/assignment_results_page.h"
#include "classroom/class_links.h"
#include "classroom/class_page_parts.h"
#include "classroom/skill_shares_page.h"
#include "classroom/teacher_pages.h"
#include "practice/lesson_week.h"
#include "practice/practice_rows.h"
#include "progress/children.h"

namespace tally {
namespace {

constexpr int kMostMissedShown = 10;
constexpr int kLongestClassName = 40;  // characters, as the server keeps them

std::string classLinks(long long classId) {
    return linksBar({{{ClassLink::To::Class, classId}, "回到这个班"}, {{ClassLink::To::Print, 0}, "打印这一页"}});
}

std::string classNameProblem(const std::string& name) {
    if (name.empty()) return "班级的名字不能空着。";
    const auto length = visibleLength(name);
    if (!length) return "班级的名字里有看不见的字符或不能用的字符。";
    if (*length > static_cast<std::size_t>(kLongestClassName)) {
        return "班级的名字最多" + std::to_string(kLongestClassName) + "个字。";
    }
    return "";
}

}  // namespace

TermPeriod termSoFar(Day today) {
    const CivilDate date = civilDate(today);
    const int schoolYear = date.month >= 9 ? date.year : date.year - 1;
    return TermPeriod{dayText(termDates(termOfDay(today), schoolYear).start), dayText(today)};
}

TeacherDesk::TeacherDesk(SchoolServer& server, std::map<std::string, std::string> captions)
    : server_(server), captions_(std::move(captions)) {}

std::string TeacherDesk::logIn(const std::string& role, const std::string& password) {
    const SchoolReply<bool> reply = server_.logInTeacher(role, password);
    loggedIn_ = reply.value.has_value();
    return loggedIn_ ? "" : reply.problem;
}

std::string TeacherDesk::classesPage() {
    const auto classes = server_.teacherClasses();
    return classes.value ? classesHtml(*classes.value) : classProblemHtml(classes.problem);
}

std::optional<TaughtClass> TeacherDesk::taughtClass(long long classId, std::string& problem) {
    const auto classes = server_.teacherClasses();
    if (!classes.value) {
        problem = classes.problem;
        return std::nullopt;
    }
    const auto found = std::find_if(classes.value->begin(), classes.value->end(),
                                    [&](const TaughtClass& taught) { return taught.schoolClass.id == classId; });
    if (found != classes.value->end()) return *found;
    problem = "没有这个班级，或者这不是您的班级。";
    return std::nullopt;
}

SchoolReply<std::vector<Pupil>> TeacherDesk::pupilsOf(const SchoolClass& shown) { return server_.pupils(shown.name); }

std::string TeacherDesk::classPage(long long classId) {
    std::string problem;
    const std::optional<TaughtClass> shown = taughtClass(classId, problem);
    if (!shown) return classProblemHtml(problem);
    const auto pupils = pupilsOf(shown->schoolClass);
    const auto tasks = server_.classAssignments(classId);
    if (!pupils.value || !tasks.value) return classProblemHtml(pupils.value ? tasks.problem : pupils.problem);
    return classHtml(*shown, *pupils.value, *tasks.value);
}

std::string TeacherDesk::resultsPage(long long assignmentId) {
    const auto tasks = server_.teacherAssignments();
    if (!tasks.value) return classProblemHtml(tasks.problem);
    const auto task = std::find_if(tasks.value->begin(), tasks.value->end(),
                                   [&](const Assignment& one) { return one.id == assignmentId; });
    if (task == tasks.value->end()) return classProblemHtml("没有这份练习，或者这不是您布置的练习。");
    const auto table = server_.results(assignmentId);
    const auto missed = server_.missedOften(assignmentId, kMostMissedShown);
    if (!table.value || !missed.value) return classProblemHtml(table.value ? missed.problem : table.problem);
    return assignmentResultsHtml(*task, *table.value, *missed.value, classLinks(task->classId));
}

std::string TeacherDesk::termPage(long long classId, Day today) {
    std::string problem;
    const std::optional<TaughtClass> shown = taughtClass(classId, problem);
    if (!shown) return classProblemHtml(problem);
    const TermPeriod period = termSoFar(today);
    const auto pupils = pupilsOf(shown->schoolClass);
    const auto shares = server_.termShares(shown->schoolClass.name, period.fromDay, period.toDay);
    if (!pupils.value || !shares.value) return classProblemHtml(pupils.value ? shares.problem : pupils.problem);
    return skillSharesHtml(shown->schoolClass.name, *pupils.value, *shares.value, period, captions_,
                           classLinks(classId));
}

std::string TeacherDesk::addClass(const std::string& name) {
    const std::string kept = normalName(name);
    if (std::string problem = classNameProblem(kept); !problem.empty()) return problem;
    const auto made = server_.addClass(kept);
    return made.value ? "" : made.problem;
}

PupilsAdded TeacherDesk::addPupils(const SchoolClass& shown, const std::vector<NewPupil>& pupils,
                                   std::vector<RefusedName> refused) {
    PupilsAdded done;
    done.refused = std::move(refused);
    bool away = false;
    for (const NewPupil& pupil : pupils) {
        if (away) {
            done.refused.push_back({pupil.line, pupil.name, "连不上学校的服务器，没有添加，请等一会儿再添加。"});
            continue;
        }
        const auto added = server_.addPupil(shown.name, pupil.name, pupil.pin);
        away = added.unreachable;
        if (added.value) {
            done.added.push_back({pupil.name, pupil.pin});
        } else {
            done.refused.push_back({pupil.line, pupil.name, added.problem});
        }
    }
    std::stable_sort(done.refused.begin(), done.refused.end(),
              [](const RefusedName& a, const RefusedName& b) { return a.line < b.line; });
    done.page = pinListHtml(shown, done.added, done.refused);
    return done;
}

PupilsAdded TeacherDesk::addPupil(const SchoolClass& shown, const std::string& name, const std::string& pin) {
    const std::string kept = normalName(name);
    const auto pupils = pupilsOf(shown);
    std::vector<std::string> names;
    for (const Pupil& pupil : pupils.value.value_or(std::vector<Pupil>{})) names.push_back(pupil.name);
    std::string why = pupils.value ? pupilNameProblem(kept, names) : pupils.problem;
    if (why.empty() && !pin.empty()) why = pinProblem(pin);
    if (!why.empty()) return addPupils(shown, {}, {{0, kept, why}});
    return addPupils(shown, {{0, kept, pin.empty() ? freshPin() : pin}});
}

PupilsAdded TeacherDesk::importPupils(const SchoolClass& shown, const std::string& bytes) {
    const auto pupils = pupilsOf(shown);
    if (!pupils.value) {
        PupilsAdded none;
        none.refused.push_back({0, "", pupils.problem});
        none.page = pinListHtml(shown, none.added, none.refused);
        return none;
    }
    std::vector<std::string> names;
    for (const Pupil& pupil : *pupils.value) names.push_back(pupil.name);
    PupilList list = readPupilList(bytes, names);
    return addPupils(shown, list.pupils, std::move(list.refused));
}

}  // namespace tally
