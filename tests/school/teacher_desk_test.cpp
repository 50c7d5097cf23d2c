// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's 班级 view against the test server: whose classes a teacher
// sees, who a group's assignment reaches, and a list of names imported.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "classroom/teacher_desk.h"
#include "pg_school/pg_school_server.h"
#include "school/school_settings.h"

namespace tally::test {
namespace {

std::vector<TaughtClass> classesOf(SchoolServer& teacher) {
    return teacher.teacherClasses().value.value_or(std::vector<TaughtClass>{});
}

std::vector<std::string> classNames(SchoolServer& teacher) {
    std::vector<std::string> names;
    for (const TaughtClass& taught : classesOf(teacher)) names.push_back(taught.schoolClass.name);
    return names;
}

bool holds(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A second teacher on the same server sees none of the first one's classes,
// and cannot read them by id either.
TEST(TeacherDesk, ATeacherSeesOnlyTheirOwnClasses) {
    PgSchoolServer wang(schoolSetting("server"));
    PgSchoolServer li(schoolSetting("server"));
    ASSERT_TRUE(wang.logInTeacher("teacher", "wang-laoshi").value);
    ASSERT_TRUE(li.logInTeacher("teacher_li", "li-laoshi").value);
    const std::string wangs = uniqueName("五年级（1）班");
    const std::string lis = uniqueName("五年级（2）班");
    const SchoolClass made = *wang.addClass(wangs).value;
    ASSERT_TRUE(li.addClass(lis).value);
    ASSERT_TRUE(wang.addPupil(wangs, "小红", "2468").value);

    const auto own = wang.teacherClasses();
    ASSERT_TRUE(own.value) << own.problem;
    const auto found = std::find_if(own.value->begin(), own.value->end(),
                                    [&](const TaughtClass& taught) { return taught.schoolClass.name == wangs; });
    ASSERT_NE(found, own.value->end());
    EXPECT_EQ(found->pupils, 1);
    EXPECT_EQ(found->schoolClass.joinCode, made.joinCode);
    EXPECT_FALSE(holds(classNames(wang), lis));
    EXPECT_TRUE(holds(classNames(li), lis));
    EXPECT_FALSE(holds(classNames(li), wangs));

    TeacherDesk lisDesk(li, {});
    std::string problem;
    EXPECT_FALSE(lisDesk.taughtClass(made.id, problem));
    EXPECT_EQ(lisDesk.classPage(made.id).find(made.joinCode), std::string::npos);
    EXPECT_TRUE(li.classAssignments(made.id).value->empty());
}

// Only the pupils named are given it, see it at login and stand in its table;
// the class page counts them alone.
TEST(TeacherDesk, AGroupsAssignmentReachesOnlyItsPupils) {
    PgSchoolServer teacher(schoolSetting("server"));
    ASSERT_TRUE(teacher.logInTeacher("teacher", "wang-laoshi").value);
    const std::string name = uniqueName("二年级（4）班");
    const SchoolClass made = *teacher.addClass(name).value;
    for (const char* pupil : {"小明", "小红", "小刚"}) ASSERT_TRUE(teacher.addPupil(name, pupil, "1357").value);
    const Assignment task{0, 0, "k2101", "两位数加两位数", 10, "2026-12-20", 5};
    const long long group = *teacher.assign(name, task, {"小明", "小刚"}).value;
    const long long whole = *teacher.assign(name, task, {}).value;

    PgSchoolServer lab(schoolSetting("lab"));
    for (const char* pupil : {"小明", "小红", "小刚"}) {
        const auto session = lab.logInPupil(made.joinCode, pupil, "1357");
        ASSERT_TRUE(session.value) << session.problem;
        const auto tasks = lab.pupilAssignments(session.value->token);
        ASSERT_TRUE(tasks.value) << tasks.problem;
        std::vector<long long> given;
        for (const Assignment& one : *tasks.value) given.push_back(one.id);
        const bool inGroup = std::string(pupil) != "小红";
        EXPECT_EQ(std::count(given.begin(), given.end(), group), inGroup ? 1 : 0) << pupil;
        EXPECT_EQ(std::count(given.begin(), given.end(), whole), 1) << pupil;
    }
    const auto table = teacher.results(group);
    ASSERT_TRUE(table.value) << table.problem;
    std::vector<std::string> inTable;
    for (const PupilResults& line : *table.value) inTable.push_back(line.pupil.name);
    EXPECT_EQ(inTable, (std::vector<std::string>{"小刚", "小明"}));

    const auto tasks = teacher.classAssignments(made.id);
    ASSERT_TRUE(tasks.value) << tasks.problem;
    ASSERT_EQ(tasks.value->size(), 2u);
    for (const AssignmentProgress& progress : *tasks.value) {
        const bool isGroup = progress.assignment.id == group;
        EXPECT_EQ(progress.assigned, isGroup ? 2 : 3);
        EXPECT_EQ(progress.assignment.pupils.size(), isGroup ? 2u : 0u);
        EXPECT_EQ(progress.done, 0);
    }
}

// The pupils of a list log in with the PINs the teacher was shown; a name
// already in the class keeps its PIN.
TEST(TeacherDesk, AnImportedListsPupilsLogInWithThePinsShown) {
    PgSchoolServer teacher(schoolSetting("server"));
    TeacherDesk desk(teacher, {});
    ASSERT_EQ(desk.logIn("teacher", "wang-laoshi"), "");
    const std::string name = uniqueName("一年级（3）班");
    ASSERT_EQ(desk.addClass(name), "");
    std::optional<SchoolClass> made;
    for (const TaughtClass& taught : classesOf(teacher)) {
        if (taught.schoolClass.name == name) made = taught.schoolClass;
    }
    ASSERT_TRUE(made);
    const SchoolClass& shown = *made;
    ASSERT_TRUE(teacher.addPupil(name, "小明", "2222").value);

    const PupilsAdded done = desk.importPupils(shown, "姓名,密码\n张伟,4321\n李雷,\n小明,\n");
    ASSERT_EQ(done.added.size(), 2u);
    ASSERT_EQ(done.refused.size(), 1u);
    EXPECT_EQ(done.refused.front().name, "小明");
    EXPECT_NE(done.page.find(done.added[1].pin), std::string::npos) << "the fresh PIN is on the list to print";
    PgSchoolServer lab(schoolSetting("lab"));
    for (const PinLine& line : done.added) EXPECT_TRUE(lab.logInPupil(shown.joinCode, line.name, line.pin).value) << line.name;
    EXPECT_TRUE(lab.logInPupil(shown.joinCode, "小明", "2222").value);
}

}  // namespace
}  // namespace tally::test
