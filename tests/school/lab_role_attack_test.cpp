// SPDX-License-Identifier: GPL-3.0-or-later
// The server's own refusals: whoever holds the lab's or a teacher's connection
// settings tries what they should not, with that role's own connection.
#include <gtest/gtest.h>

#include <pqxx/pqxx>
#include <string>

#include "pg_school/pg_call.h"
#include "school/school_settings.h"

namespace tally::test {
namespace {

constexpr const char* kInsertAnswer =
    "INSERT INTO tallymoo.answer(id, assignment_id, pupil_id, position, topic_key, question, typed, correct,"
    " is_right, answered_at) VALUES (gen_random_uuid(), $1, $2, 0, 'k3101', '12＋3＝', '15', '15', true, now())"
    " ON CONFLICT (id) DO NOTHING";

struct ClassOfTeacher {
    std::string name;
    std::string joinCode;
    long long pupil = 0;
    long long otherPupil = 0;
    long long assignment = 0;
};

ClassOfTeacher makeClass(const std::string& teacher) {
    pqxx::connection connection(schoolSetting(teacher));
    pqxx::work work(connection);
    ClassOfTeacher made;
    made.name = uniqueName("三年级（2）班");
    made.joinCode = work.exec_params1("SELECT join_code FROM tallymoo.add_class($1)", made.name)[0].as<std::string>();
    made.pupil = work.exec_params1("SELECT tallymoo.add_pupil($1, '小明', '1234')", made.name)[0].as<long long>();
    made.otherPupil = work.exec_params1("SELECT tallymoo.add_pupil($1, '小红', '5678')", made.name)[0].as<long long>();
    made.assignment = work.exec_params1("SELECT tallymoo.assign($1, 'k3101', '两位数加一位数', 10, '2026-12-20', 7)",
                                        made.name)[0].as<long long>();
    work.commit();
    return made;
}

// A lab connection with the pupil's session set on it; "" logs nobody in.
void logIn(pqxx::connection& lab, const std::string& joinCode, const std::string& name, const std::string& pin) {
    pqxx::work work(lab);
    const pqxx::result found = work.exec_params("SELECT token FROM tallymoo.pupil_login($1, $2, $3)", joinCode, name, pin);
    const std::string token = found.empty() ? "" : found[0][0].as<std::string>();
    work.exec_params("SELECT set_config('tallymoo.session', $1, false)", token);
    work.commit();
}

long long countOf(pqxx::connection& connection, const std::string& query) {
    pqxx::work work(connection);
    return work.exec1(query)[0].as<long long>();
}

// The SQLSTATE the server refused the statement with, "ran" when it ran.
template <typename... Args>
std::string refusal(pqxx::connection& connection, const std::string& statement, Args&&... args) {
    try {
        pqxx::work work(connection);
        work.exec_params(statement, std::forward<Args>(args)...);
        work.commit();
        return "ran";
    } catch (const pqxx::sql_error& refused) {
        return sqlStateOf(refused);
    }
}

constexpr const char* kInsufficientPrivilege = "42501";

class LabRoleAttack : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ours = makeClass("teacher");
        theirs = makeClass("other_teacher");
        pqxx::connection lab(schoolSetting("lab"));
        logIn(lab, theirs.joinCode, "小明", "1234");
        EXPECT_EQ(refusal(lab, kInsertAnswer, theirs.assignment, theirs.pupil), "ran");
    }

    void SetUp() override { logIn(lab, ours.joinCode, "小明", "1234"); }

    static ClassOfTeacher ours;
    static ClassOfTeacher theirs;
    pqxx::connection lab{schoolSetting("lab")};
};
ClassOfTeacher LabRoleAttack::ours;
ClassOfTeacher LabRoleAttack::theirs;

TEST_F(LabRoleAttack, ReadsOnlyItsPupilsClassAndAnswers) {
    ASSERT_EQ(refusal(lab, kInsertAnswer, ours.assignment, ours.pupil), "ran");
    const std::string own = std::to_string(ours.assignment);
    const std::string other = std::to_string(theirs.assignment);
    EXPECT_EQ(countOf(lab, "SELECT count(*) FROM tallymoo.assignment WHERE id = " + own), 1);
    EXPECT_EQ(countOf(lab, "SELECT count(*) FROM tallymoo.assignment WHERE id = " + other), 0);
    EXPECT_EQ(countOf(lab, "SELECT count(*) FROM tallymoo.answer WHERE assignment_id = " + own), 1);
    EXPECT_EQ(countOf(lab, "SELECT count(*) FROM tallymoo.answer WHERE assignment_id = " + other), 0);
}

TEST_F(LabRoleAttack, CannotFileAnAnswerUnderAnotherPupilOrClass) {
    EXPECT_EQ(refusal(lab, kInsertAnswer, ours.assignment, ours.otherPupil), kInsufficientPrivilege);
    EXPECT_EQ(refusal(lab, kInsertAnswer, theirs.assignment, ours.pupil), kInsufficientPrivilege);
    EXPECT_EQ(refusal(lab, kInsertAnswer, theirs.assignment, theirs.pupil), kInsufficientPrivilege);
}

TEST_F(LabRoleAttack, IsRefusedEverythingOutsideItsGrants) {
    const char* const refused[] = {
        "SELECT pin_hash FROM tallymoo.pupil",
        "SELECT * FROM tallymoo.pupil_session",
        "SELECT * FROM tallymoo.school_class",
        "SELECT * FROM tallymoo.assignment_pupil",
        "UPDATE tallymoo.answer SET is_right = true",
        "DELETE FROM tallymoo.answer",
        "UPDATE tallymoo.assignment SET due = '2030-01-01'",
        "SELECT * FROM tallymoo.add_class('一年级（1）班')",
        "SELECT tallymoo.add_pupil('x', '小刚', '1111')",
        "SELECT tallymoo.assign('x', 'k1101', 'x', 10, '2026-12-20', 1)",
        "SELECT tallymoo.teaches(1)",
        "SELECT tallymoo_crypto.gen_salt('bf')",
        "SET ROLE tallymoo_teacher",
        "CREATE TABLE tallymoo.loot(x int)",
    };
    for (const char* statement : refused) {
        EXPECT_EQ(refusal(lab, statement), kInsufficientPrivilege) << statement;
    }
}

TEST_F(LabRoleAttack, AMadeUpSessionTokenSeesAndWritesNothing) {
    pqxx::connection forged(schoolSetting("lab"));
    {
        pqxx::work work(forged);
        work.exec("SET tallymoo.session = '00112233445566778899aabbccddeeff0011223344556677'");
        work.commit();
    }
    EXPECT_EQ(countOf(forged, "SELECT count(*) FROM tallymoo.assignment"), 0);
    EXPECT_EQ(countOf(forged, "SELECT count(*) FROM tallymoo.answer"), 0);
    EXPECT_EQ(refusal(forged, kInsertAnswer, ours.assignment, ours.pupil), kInsufficientPrivilege);
}

TEST_F(LabRoleAttack, FiveWrongPinsLockThePupilOut) {
    const ClassOfTeacher tried = makeClass("teacher");
    pqxx::connection guesser(schoolSetting("lab"));
    for (const char* pin : {"0000", "1111", "2222", "3333", "4444"}) logIn(guesser, tried.joinCode, "小明", pin);
    logIn(guesser, tried.joinCode, "小明", "1234");
    EXPECT_EQ(countOf(guesser, "SELECT count(*) FROM tallymoo.assignment"), 0);
}

TEST(TeacherRoleAttack, ReadsAndWritesOnlyTheirOwnClasses) {
    const ClassOfTeacher wang = makeClass("teacher");
    pqxx::connection li(schoolSetting("other_teacher"));
    const std::string classId = "(SELECT id FROM tallymoo.school_class WHERE join_code = '" + wang.joinCode + "')";
    EXPECT_EQ(countOf(li, "SELECT count(*) FROM tallymoo.school_class WHERE join_code = '" + wang.joinCode + "'"), 0);
    EXPECT_EQ(countOf(li, "SELECT count(*) FROM tallymoo.pupil WHERE id = " + std::to_string(wang.pupil)), 0);
    EXPECT_EQ(countOf(li, "SELECT count(*) FROM tallymoo.assignment WHERE id = " + std::to_string(wang.assignment)), 0);
    EXPECT_EQ(refusal(li, "SELECT tallymoo.add_pupil($1, '小刚', '1111')", wang.name), "P0002");
    EXPECT_EQ(refusal(li, "SELECT pin_hash FROM tallymoo.pupil"), kInsufficientPrivilege);
    EXPECT_EQ(refusal(li, "UPDATE tallymoo.school_class SET teacher = 'teacher_li'"), kInsufficientPrivilege);
    pqxx::connection wangsOwn(schoolSetting("teacher"));
    EXPECT_EQ(countOf(wangsOwn, "SELECT count(*) FROM tallymoo.pupil WHERE class_id = " + classId), 2);
}

}  // namespace
}  // namespace tally::test
