// SPDX-License-Identifier: GPL-3.0-or-later
// The lab computer's outbox in a real record against the test server: an
// answer the server refuses is set aside and holds up none after it; and the
// lab's password is kept in its password file, never with the settings.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <pqxx/pqxx>
#include <set>
#include <sstream>

#include "pg_school/lab_computer.h"
#include "pg_school/pg_school_server.h"
#include "progress/answer_times.h"
#include "school/school_settings.h"
#include "sqlite_record/sqlite_record.h"
#include "support/temp_folder.h"

namespace tally::test {
namespace {

struct Room {
    std::string name;
    SchoolClass made;
    long long assignment = 0;
};

Room roomOf(PgSchoolServer& teacher) {
    Room room{uniqueName("五年级（2）班"), {}, 0};
    room.made = *teacher.addClass(room.name).value;
    EXPECT_TRUE(teacher.addPupil(room.name, "小明", "2468").value);
    room.assignment = *teacher.assign(room.name, Assignment{0, 0, "k5101", "小数乘法", 3, "2026-12-20", 3}, {}).value;
    return room;
}

// A sheet of `count` answers for the assignment, each with a fresh id.
MarkedSheet sheetFor(long long assignment, int count) {
    MarkedSheet sheet;
    sheet.when = "2026-12-10 09:30:00";
    sheet.topicKey = "k5101";
    sheet.assignment = std::to_string(assignment);
    for (int at = 0; at < count; ++at) {
        sheet.times.push_back({"answer", "k5101", "0.2×" + std::to_string(at) + "＝", true, 900, newAnswerId(),
                               "0." + std::to_string(2 * at)});
    }
    sheet.questions = sheet.right = count;
    return sheet;
}

std::set<std::string> idsOf(const std::vector<MarkedSheet>& sheets) {
    std::set<std::string> ids;
    for (const MarkedSheet& sheet : sheets) {
        for (const AnswerTime& answer : sheet.times) ids.insert(answer.id);
    }
    return ids;
}

std::multiset<std::string> idsOnServer(long long pupilId) {
    pqxx::connection administrator(schoolSetting("administrator"));
    pqxx::work work(administrator);
    std::multiset<std::string> ids;
    for (const pqxx::row& row : work.exec_params("SELECT id::text FROM tallymoo.answer WHERE pupil_id = $1", pupilId)) {
        ids.insert(row[0].as<std::string>());
    }
    return ids;
}

// Good sheets around two the server cannot file (another class's assignment,
// one that does not exist): the good ones arrive, the bad ones are set aside
// with the server's words, and sending again sends nothing twice. A server
// that is away sets nothing aside.
TEST(LabOutbox, AnAnswerTheServerRefusesIsSetAsideAndTheRestArriveOnce) {
    PgSchoolServer teacher(schoolSetting("server"));
    ASSERT_TRUE(teacher.logInTeacher("teacher", "wang-laoshi").value);
    const Room room = roomOf(teacher);
    const Room other = roomOf(teacher);
    TempFolder folder;
    LabComputer lab(folder.path() / "school");
    PgSchoolServer server(schoolSetting("lab"));
    ASSERT_EQ(lab.join(server, room.made.joinCode), "");
    std::string problem;
    const std::optional<LabPupil> pupil = lab.logIn(server, room.name, "小明", "2468", problem);
    ASSERT_TRUE(pupil) << problem;

    SqliteRecord record(folder.path() / "pupil.sqlite");
    const std::vector<MarkedSheet> good = {sheetFor(room.assignment, 3), sheetFor(room.assignment, 3)};
    const std::vector<MarkedSheet> bad = {sheetFor(other.assignment, 2), sheetFor(987654321, 1)};
    for (const MarkedSheet* sheet : {&good[0], &bad[0], &bad[1], &good[1]}) ASSERT_TRUE(record.store(*sheet));

    const Upload first = lab.send(server, record, kEarlierRecords, *pupil);
    EXPECT_EQ(first.problem, "");
    EXPECT_EQ(first.sent, 6);
    EXPECT_EQ(first.waiting, 0);
    EXPECT_EQ(first.refused, 3);
    const std::set<std::string> goodIds = idsOf(good);
    EXPECT_EQ(idsOnServer(pupil->pupil.id), std::multiset<std::string>(goodIds.begin(), goodIds.end()));

    const Upload again = lab.send(server, record, kEarlierRecords, *pupil);
    EXPECT_EQ(again.sent + again.waiting, 0);
    EXPECT_EQ(again.refused, 3);
    EXPECT_EQ(idsOnServer(pupil->pupil.id).size(), 6u);

    ASSERT_TRUE(record.store(sheetFor(room.assignment, 2)));
    PgSchoolServer away("host=127.0.0.1 port=1 connect_timeout=1 user=tallymoo_lab");
    const Upload offline = lab.send(away, record, kEarlierRecords, *pupil);
    EXPECT_NE(offline.problem, "");
    EXPECT_EQ(offline.waiting, 2);
    EXPECT_EQ(offline.refused, 3);
}

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Settings given with their password: the password goes to the password
// file (the user's alone), the settings kept hold none, and the connection
// made from them gets in.
TEST(LabOutbox, TheLabsPasswordIsKeptInItsPasswordFileOnly) {
    const std::string given = schoolSetting("lab");
    ASSERT_NE(given.find("password="), std::string::npos);
    TempFolder folder;
    LabComputer lab(folder.path() / "school");
    ASSERT_TRUE(settingsCarryPassword(given));
    ASSERT_TRUE(lab.keepServerSettings(given));
    EXPECT_FALSE(settingsCarryPassword(lab.serverSettings()));
    const std::string password = given.substr(given.find("password=") + 9);
    EXPECT_EQ(contentOf(folder.path() / "school" / "school.txt").find(password), std::string::npos);
    struct stat kept {};
    ASSERT_EQ(::stat((folder.path() / "school" / "pgpass").c_str(), &kept), 0);
    EXPECT_EQ(kept.st_mode & 0777, 0600u);

    PgSchoolServer teacher(schoolSetting("server"));
    ASSERT_TRUE(teacher.logInTeacher("teacher", "wang-laoshi").value);
    const Room room = roomOf(teacher);
    PgSchoolServer server(LabComputer(folder.path() / "school").connectionSettings());
    EXPECT_EQ(lab.join(server, room.made.joinCode), "");
}

}  // namespace
}  // namespace tally::test
