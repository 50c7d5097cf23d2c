// SPDX-License-Identifier: GPL-3.0-or-later
// The classroom's operations through the libpqxx adapter and the lab
// computer's keeping, against the test server.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "pg_school/lab_computer.h"
#include "pg_school/pg_school_server.h"
#include "school/school_settings.h"
#include "support/temp_folder.h"

namespace tally::test {
namespace {

struct Classroom {
    std::string name;
    SchoolClass made;
    long long assignment = 0;
};

Classroom classroomOf(PgSchoolServer& teacher, int questions) {
    Classroom room{uniqueName("四年级（1）班"), {}, 0};
    EXPECT_TRUE(teacher.logInTeacher("teacher", "wang-laoshi").value);
    room.made = *teacher.addClass(room.name).value;
    for (const char* name : {"小红", "小明", "小刚"}) EXPECT_TRUE(teacher.addPupil(room.name, name, "2468").value);
    Assignment task{0, 0, "k4101", "口算乘法", questions, "2026-12-20", 11};
    room.assignment = *teacher.assign(room.name, task, {}).value;
    return room;
}

ClassAnswer answerOf(const Classroom& room, long long pupil, int position, bool right, const std::string& kind) {
    static int count = 0;
    char id[37];
    std::snprintf(id, sizeof id, "00000000-0000-4000-8000-%012d", ++count + ::getpid() % 1000 * 100000);
    return ClassAnswer{id, room.assignment, pupil, position, "k4101", "12×" + std::to_string(position) + "＝",
                       right ? std::to_string(12 * position) : "7", std::to_string(12 * position), right,
                       1000 + position, kind, "2026-12-10 09:30:00"};
}

// The lab's outbox, in memory, until the record keeps one; it keeps no sheets.
class OutboxRecord : public ProgressRecord {
public:
    bool store(const MarkedSheet&) override { return false; }
    std::vector<MarkedSheet> sheets(long long) override { return {}; }
    std::vector<MarkedSheet> latestSheets(long long, int) override { return {}; }
    std::vector<MissedQuestion> missed(long long) override { return {}; }
    std::vector<MissedQuestion> redrillList(long long, int) override { return {}; }
    std::optional<RecordSummary> summary(long long, const RecordPageLimits&) override { return std::nullopt; }
    RecordTrouble trouble() const override { return RecordTrouble::None; }
    std::string lastError() const override { return ""; }

    std::vector<ClassAnswer> waiting;
    std::vector<ClassAnswer> unsentAnswers(long long, int limit) override {
        return {waiting.begin(), waiting.begin() + std::min<std::size_t>(waiting.size(), limit)};
    }
    int unsentCount(long long) override { return static_cast<int>(waiting.size()); }
    bool markSent(const std::vector<std::string>& ids) override {
        std::erase_if(waiting, [&](const ClassAnswer& a) { return std::find(ids.begin(), ids.end(), a.id) != ids.end(); });
        return true;
    }
};

TEST(PgSchoolServer, ARetriedUploadKeepsEachAnswerOnceAndTheTableSortsByPinyin) {
    PgSchoolServer teacher(schoolSetting("server"));
    const Classroom room = classroomOf(teacher, 3);
    PgSchoolServer lab(schoolSetting("lab"));
    const auto session = lab.logInPupil(room.made.joinCode, "小明", "2468");
    ASSERT_TRUE(session.value) << session.problem;
    const auto tasks = lab.pupilAssignments(session.value->token);
    ASSERT_TRUE(tasks.value);
    ASSERT_EQ(tasks.value->size(), 1u);
    EXPECT_EQ(tasks.value->front().seed, 11);

    const std::vector<ClassAnswer> sheet = {answerOf(room, session.value->pupilId, 0, true, ""),
                                            answerOf(room, session.value->pupilId, 1, false, "口诀记错"),
                                            answerOf(room, session.value->pupilId, 2, true, "")};
    ASSERT_TRUE(lab.upload(session.value->token, sheet).value);
    EXPECT_EQ(lab.upload(session.value->token, sheet).value->size(), 3u);

    const auto table = teacher.results(room.assignment);
    ASSERT_TRUE(table.value) << table.problem;
    std::vector<std::string> names;
    for (const PupilResults& line : *table.value) names.push_back(line.pupil.name);
    EXPECT_EQ(names, (std::vector<std::string>{"小刚", "小红", "小明"}));  // xiaogang, xiaohong, xiaoming
    for (const PupilResults& line : *table.value) {
        if (line.pupil.name == "小明") {
            ASSERT_EQ(line.answers.size(), 3u);
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_EQ(line.answers[i].id, sheet[i].id);
                EXPECT_EQ(line.answers[i].typed, sheet[i].typed);
                EXPECT_EQ(line.answers[i].ms, sheet[i].ms);
                EXPECT_EQ(line.answers[i].errorKind, sheet[i].errorKind);
            }
        } else {
            EXPECT_TRUE(line.answers.empty()) << line.pupil.name;
        }
    }
}

TEST(PgSchoolServer, MostMissedAndTheTermCountEachPupilsAnswers) {
    PgSchoolServer teacher(schoolSetting("server"));
    const Classroom room = classroomOf(teacher, 4);
    PgSchoolServer lab(schoolSetting("lab"));
    // position → pupils wrong, worked out from the answers as they are sent
    std::map<int, int> wrongAt;
    const std::map<std::string, std::vector<bool>> rightOf = {
        {"小红", {true, false, false, true}}, {"小明", {false, false, true, true}}, {"小刚", {true, false, true, true}}};
    for (const auto& [name, rights] : rightOf) {
        const auto session = lab.logInPupil(room.made.joinCode, name, "2468");
        ASSERT_TRUE(session.value);
        std::vector<ClassAnswer> sheet;
        for (int position = 0; position < 4; ++position) {
            sheet.push_back(answerOf(room, session.value->pupilId, position, rights[position], "口诀记错"));
            wrongAt[position] += rights[position] ? 0 : 1;
        }
        ASSERT_TRUE(lab.upload(session.value->token, sheet).value);
    }
    const auto often = teacher.missedOften(room.assignment, 10);
    ASSERT_TRUE(often.value) << often.problem;
    ASSERT_EQ(often.value->size(), 3u);
    EXPECT_EQ(often.value->front().position, 1);
    for (const MissedOften& question : *often.value) {
        EXPECT_EQ(question.wrong, wrongAt[question.position]);
        EXPECT_EQ(question.answered, 3);
        EXPECT_EQ(question.errorKinds, (std::vector<std::pair<std::string, int>>{{"口诀记错", question.wrong}}));
    }
    const auto term = teacher.termShares(room.name, "2026-12-10", "2026-12-10");
    ASSERT_TRUE(term.value) << term.problem;
    ASSERT_EQ(term.value->size(), 3u);
    for (const SkillShare& share : *term.value) {
        const std::vector<bool>& rights = rightOf.at(share.pupil);
        EXPECT_EQ(share.answered, 4);
        EXPECT_EQ(share.right, std::count(rights.begin(), rights.end(), true)) << share.pupil;
    }
    EXPECT_TRUE(teacher.termShares(room.name, "2026-12-11", "2026-12-31").value->empty());
}

TEST(LabComputer, APupilLogsInWhileTheServerIsAwayAndTheOutboxGoesAtTheNextLoginThere) {
    PgSchoolServer teacher(schoolSetting("server"));
    const Classroom room = classroomOf(teacher, 2);
    const TempFolder folder;
    PgSchoolServer lab(schoolSetting("lab"));
    PgSchoolServer away("host=127.0.0.1 port=1 connect_timeout=1 user=tallymoo_lab");
    std::string problem;
    {
        LabComputer computer(folder.path());
        ASSERT_EQ(computer.join(lab, room.made.joinCode), "");
        ASSERT_TRUE(computer.logIn(lab, room.name, "小红", "2468", problem)) << problem;
    }
    LabComputer later(folder.path());
    EXPECT_FALSE(later.logIn(away, room.name, "小红", "1357", problem));
    const std::optional<LabPupil> offline = later.logIn(away, room.name, "小红", "2468", problem);
    ASSERT_TRUE(offline);
    ASSERT_EQ(offline->assignments.size(), 1u);
    EXPECT_EQ(offline->assignments.front().id, room.assignment);

    OutboxRecord record;
    for (int position = 0; position < 2; ++position) record.waiting.push_back(answerOf(room, 0, position, true, ""));
    const Upload failed = later.send(away, record, 1, *offline);
    EXPECT_EQ(failed.waiting, 2);
    EXPECT_FALSE(failed.problem.empty());
    EXPECT_TRUE(offline->token.empty());
    EXPECT_FALSE(later.send(lab, record, 1, *offline).problem.empty());
    const std::optional<LabPupil> online = later.logIn(lab, room.name, "小红", "2468", problem);
    ASSERT_TRUE(online) << problem;
    const Upload sent = later.send(lab, record, 1, *online);
    EXPECT_EQ(sent.sent, 2);
    EXPECT_EQ(sent.waiting, 0);
    const auto table = teacher.results(room.assignment);
    for (const PupilResults& line : *table.value) {
        EXPECT_EQ(line.answers.size(), line.pupil.name == "小红" ? 2u : 0u) << line.pupil.name;
    }
}

}  // namespace
}  // namespace tally::test
