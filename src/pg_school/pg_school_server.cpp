// SPDX-License-Identifier: GPL-3.0-or-later
#include "pg_school/pg_school_server.h"

#include "pg_school/pg_call.h"

namespace tally {
namespace {

// Given first, so that the settings a school gives override them.
constexpr const char* kDefaultSettings = "connect_timeout=3 sslmode=prefer options='-c statement_timeout=15000' ";

constexpr const char* kUpload =
    "INSERT INTO tallymoo.answer(id, assignment_id, pupil_id, position, topic_key, question, typed, correct,"
    " is_right, ms, error_kind, answered_at)"
    " VALUES ($1::uuid, $2, $3, $4, $5, $6, $7, $8, $9, NULLIF($10, '')::bigint, $11, $12::timestamp)"
    " ON CONFLICT (id) DO NOTHING";

void setSession(pqxx::work& work, const std::string& token) {
    work.exec_params("SELECT set_config('tallymoo.session', $1, true)", token);
}

// The refusals that lie in an answer itself: a value the table does not take
// (a text it cannot hold, a place past the sheet's end), an assignment that
// is gone, or, with the session the pupil's and the role allowed to add
// answers, one that is not theirs (the rows' policy).
bool refusedAnswer(const std::string& sqlState) {
    return sqlState.starts_with("22") || sqlState.starts_with("23") || sqlState == "42501";
}

// The server's own words, its first line: kept with an answer it refused.
std::string serverWords(const pqxx::sql_error& refused) {
    const std::string words = refused.what();
    return words.substr(0, words.find('\n'));
}

}  // namespace

PgSchoolServer::PgSchoolServer(const std::string& settings) : labSettings_(kDefaultSettings + settings) {}

Assignment assignmentOf(const pqxx::row& row) {
    return Assignment{row["id"].as<long long>(),      row["class_id"].as<long long>(), row["topic_key"].as<std::string>(),
                      row["title"].as<std::string>(), row["question_count"].as<int>(), row["due"].as<std::string>(),
                      row["seed"].as<long long>()};
}

SchoolReply<SchoolClass> PgSchoolServer::joinClass(const std::string& joinCode) {
    auto reply = inTransaction<std::optional<SchoolClass>>(lab_, labSettings_, [&](pqxx::work& work) {
        const pqxx::result found = work.exec_params("SELECT class_id, class_name FROM tallymoo.join_class($1)", joinCode);
        if (found.empty()) return std::optional<SchoolClass>{};
        return std::optional<SchoolClass>{
            SchoolClass{found[0][0].as<long long>(), found[0][1].as<std::string>(), joinCode}};
    });
    if (!reply.value) return SchoolReply<SchoolClass>::refused(reply.problem, reply.unreachable);
    if (!*reply.value) return SchoolReply<SchoolClass>::refused("没有这个班级码，请再看一看老师给的班级码。");
    return {**reply.value};
}

SchoolReply<PupilSession> PgSchoolServer::logInPupil(const std::string& joinCode, const std::string& name,
                                                     const std::string& pin) {
    auto reply = inTransaction<std::optional<PupilSession>>(lab_, labSettings_, [&](pqxx::work& work) {
        const pqxx::result found = work.exec_params(
            "SELECT token, pupil_id, class_id FROM tallymoo.pupil_login($1, $2, $3)", joinCode, name, pin);
        if (found.empty()) return std::optional<PupilSession>{};
        return std::optional<PupilSession>{PupilSession{found[0]["pupil_id"].as<long long>(),
                                                        found[0]["class_id"].as<long long>(),
                                                        found[0]["token"].as<std::string>()}};
    });
    if (!reply.value) return SchoolReply<PupilSession>::refused(reply.problem, reply.unreachable);
    if (!*reply.value) {
        return SchoolReply<PupilSession>::refused(
            "名字或者密码不对，请再试一次。连着错了5次，要等10分钟才能再登录。");
    }
    return {**reply.value};
}

SchoolReply<std::vector<Assignment>> PgSchoolServer::pupilAssignments(const std::string& token) {
    return inTransaction<std::vector<Assignment>>(lab_, labSettings_, [&](pqxx::work& work) {
        setSession(work, token);
        std::vector<Assignment> found;
        for (const pqxx::row& row : work.exec("SELECT id, class_id, topic_key, title, question_count, due::text AS due,"
                                              " seed FROM tallymoo.assignment ORDER BY due, id")) {
            found.push_back(assignmentOf(row));
        }
        return found;
    });
}

SchoolReply<std::vector<std::string>> PgSchoolServer::upload(const std::string& token,
                                                             const std::vector<ClassAnswer>& answers) {
    bool sessionLive = true;
    bool mayAdd = true;
    std::string refusal;
    auto reply = inTransaction<std::vector<std::string>>(lab_, labSettings_, [&](pqxx::work& work) {
        setSession(work, token);
        std::vector<std::string> taken;
        // Without a live session, or a role that may add answers, every
        // answer is refused alike; that is the login's fault, not theirs.
        const pqxx::row allowed =
            work.exec1("SELECT tallymoo.session_pupil() IS NOT NULL, has_table_privilege('tallymoo.answer', 'INSERT')");
        sessionLive = allowed[0].as<bool>();
        mayAdd = allowed[1].as<bool>();
        if (!sessionLive || !mayAdd) return taken;
        try {
            for (const ClassAnswer& answer : answers) {
                work.exec_params(kUpload, answer.id, answer.assignmentId, answer.pupilId, answer.position,
                                 answer.topicKey, answer.question, answer.typed, answer.correct, answer.right,
                                 answer.ms ? std::to_string(*answer.ms) : std::string(), answer.errorKind,
                                 answer.answeredAt);
                taken.push_back(answer.id);
            }
        } catch (const pqxx::sql_error& refused) {
            if (refusedAnswer(sqlStateOf(refused))) refusal = serverWords(refused);
            throw;
        }
        return taken;
    });
    if (!sessionLive) return SchoolReply<std::vector<std::string>>::refused(kSessionOver);
    if (!mayAdd) return SchoolReply<std::vector<std::string>>::refused("学校服务器不允许这台电脑交题，请问问老师。");
    if (!reply.value && !refusal.empty()) {
        reply.problem = refusal;
        reply.refusedAsGiven = true;
    }
    return reply;
}

}  // namespace tally
