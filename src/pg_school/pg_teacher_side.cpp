// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's calls of the school's server: the teacher's own role reads
// the rows of the teacher's classes (row-level security keeps the others
// out) and writes through the teacher's functions.
#include <algorithm>

#include "pg_school/pg_call.h"
#include "pg_school/pg_school_server.h"

namespace tally {
namespace {

constexpr const char* kResults =
    "SELECT p.id AS pupil_id, p.name, x.id::text AS answer_id, x.position, x.topic_key, x.question, x.typed,"
    " x.correct, x.is_right, x.ms, x.error_kind, to_char(x.answered_at, 'YYYY-MM-DD HH24:MI:SS') AS answered_at"
    " FROM tallymoo.assignment s JOIN tallymoo.pupil p ON p.class_id = s.class_id"
    " LEFT JOIN LATERAL (SELECT DISTINCT ON (a.position) * FROM tallymoo.answer a"
    "   WHERE a.assignment_id = s.id AND a.pupil_id = p.id ORDER BY a.position, a.answered_at DESC, a.id) x ON true"
    " WHERE s.id = $1 AND (NOT EXISTS (SELECT 1 FROM tallymoo.assignment_pupil g WHERE g.assignment_id = s.id)"
    "   OR EXISTS (SELECT 1 FROM tallymoo.assignment_pupil g WHERE g.assignment_id = s.id AND g.pupil_id = p.id))"
    " ORDER BY p.name, p.id, x.position";

// Each pupil's newest answer of each question; the most missed first.
constexpr const char* kMissedOften =
    "WITH newest AS (SELECT DISTINCT ON (pupil_id, position) * FROM tallymoo.answer WHERE assignment_id = $1"
    "   ORDER BY pupil_id, position, answered_at DESC, id)"
    " SELECT q.position, min(q.question) AS question, min(q.correct) FILTER (WHERE NOT q.is_right) AS correct,"
    "  count(*) FILTER (WHERE NOT q.is_right) AS wrong, count(*) AS answered,"
    "  coalesce((SELECT string_agg(k.error_kind || E'\\t' || k.n, E'\\n' ORDER BY k.n DESC, k.error_kind)"
    "    FROM (SELECT error_kind, count(*) AS n FROM newest e WHERE e.position = q.position AND NOT e.is_right"
    "          AND e.error_kind <> '' GROUP BY error_kind) k), '') AS kinds"
    " FROM newest q GROUP BY q.position HAVING count(*) FILTER (WHERE NOT q.is_right) > 0"
    " ORDER BY wrong DESC, q.position LIMIT $2";

constexpr const char* kTermShares =
    "SELECT p.name, x.topic_key, count(*) AS answered, count(*) FILTER (WHERE x.is_right) AS right_answers"
    " FROM tallymoo.school_class c JOIN tallymoo.pupil p ON p.class_id = c.id"
    " JOIN tallymoo.answer x ON x.pupil_id = p.id"
    " WHERE c.name = $1 AND x.answered_at >= $2::date AND x.answered_at < $3::date + 1"
    " GROUP BY p.name, x.topic_key ORDER BY p.name, x.topic_key";

constexpr const char* kTeacherClasses =
    "SELECT c.id, c.name, c.join_code, count(p.id) AS pupils"
    " FROM tallymoo.school_class c LEFT JOIN tallymoo.pupil p ON p.class_id = c.id"
    " GROUP BY c.id ORDER BY c.name COLLATE \"zh-x-icu\", c.id";

// The pupils an assignment is for are its group, or its whole class; only
// their answers count it as done.
constexpr const char* kClassAssignments =
    "SELECT s.id, s.class_id, s.topic_key, s.title, s.question_count, s.due::text AS due, s.seed,"
    "  coalesce(g.ids, '') AS group_ids,"
    "  (SELECT count(DISTINCT a.pupil_id) FROM tallymoo.answer a WHERE a.assignment_id = s.id"
    "     AND (g.ids IS NULL OR a.pupil_id IN (SELECT pupil_id FROM tallymoo.assignment_pupil"
    "                                          WHERE assignment_id = s.id))) AS done,"
    "  coalesce(g.n, (SELECT count(*) FROM tallymoo.pupil p WHERE p.class_id = s.class_id)) AS assigned"
    " FROM tallymoo.assignment s"
    " LEFT JOIN LATERAL (SELECT string_agg(pupil_id::text, ',' ORDER BY pupil_id) AS ids, count(*) AS n"
    "   FROM tallymoo.assignment_pupil WHERE assignment_id = s.id HAVING count(*) > 0) g ON true"
    " WHERE s.class_id = $1 ORDER BY s.due DESC, s.id DESC";

std::vector<long long> idList(const std::string& text) {
    std::vector<long long> ids;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = std::min(text.find(',', from), text.size());
        ids.push_back(std::stoll(text.substr(from, end - from)));
        from = end + 1;
    }
    return ids;
}

std::vector<std::pair<std::string, int>> kindCounts(const std::string& lines) {
    std::vector<std::pair<std::string, int>> counts;
    std::size_t from = 0;
    while (from < lines.size()) {
        const std::size_t end = std::min(lines.find('\n', from), lines.size());
        const std::size_t tab = lines.find('\t', from);
        counts.emplace_back(lines.substr(from, tab - from), std::stoi(lines.substr(tab + 1, end - tab - 1)));
        from = end + 1;
    }
    return counts;
}

ClassAnswer answerOf(const pqxx::row& row, long long assignmentId) {
    ClassAnswer answer;
    answer.id = row["answer_id"].as<std::string>();
    answer.assignmentId = assignmentId;
    answer.pupilId = row["pupil_id"].as<long long>();
    answer.position = row["position"].as<int>();
    answer.topicKey = row["topic_key"].as<std::string>();
    answer.question = row["question"].as<std::string>();
    answer.typed = row["typed"].as<std::string>();
    answer.correct = row["correct"].as<std::string>();
    answer.right = row["is_right"].as<bool>();
    if (!row["ms"].is_null()) answer.ms = row["ms"].as<long long>();
    answer.errorKind = row["error_kind"].as<std::string>();
    answer.answeredAt = row["answered_at"].as<std::string>();
    return answer;
}

}  // namespace

template <typename Value, typename Body>
SchoolReply<Value> PgSchoolServer::asTeacher(Body&& body) {
    if (teacherSettings_.empty()) return SchoolReply<Value>::refused("请老师先登录（teacher 密码）。");
    return inTransaction<Value>(teacher_, teacherSettings_, std::forward<Body>(body));
}

SchoolReply<bool> PgSchoolServer::logInTeacher(const std::string& role, const std::string& password) {
    teacher_.reset();
    teacherSettings_ = labSettings_ + " user=" + connectionValue(role) + " password=" + connectionValue(password);
    auto reply = asTeacher<bool>([](pqxx::work& work) {
        return work.exec("SELECT pg_has_role('tallymoo_teacher', 'MEMBER')")[0][0].as<bool>();
    });
    if (reply.value && !*reply.value) reply = SchoolReply<bool>::refused("这不是老师的账号。");
    if (!reply.value) {
        teacherSettings_.clear();
        if (!reply.unreachable) reply.problem = "老师的名字或密码不对。";
    }
    return reply;
}

SchoolReply<std::vector<TaughtClass>> PgSchoolServer::teacherClasses() {
    return asTeacher<std::vector<TaughtClass>>([](pqxx::work& work) {
        std::vector<TaughtClass> found;
        for (const pqxx::row& row : work.exec(kTeacherClasses)) {
            found.push_back(TaughtClass{
                SchoolClass{row[0].as<long long>(), row[1].as<std::string>(), row[2].as<std::string>()},
                row[3].as<int>()});
        }
        return found;
    });
}

SchoolReply<SchoolClass> PgSchoolServer::addClass(const std::string& name) {
    return asTeacher<SchoolClass>([&](pqxx::work& work) {
        const pqxx::row made = work.exec_params1("SELECT class_id, join_code FROM tallymoo.add_class($1)", name);
        return SchoolClass{made[0].as<long long>(), name, made[1].as<std::string>()};
    });
}

SchoolReply<long long> PgSchoolServer::addPupil(const std::string& className, const std::string& name,
                                                const std::string& pin) {
    return asTeacher<long long>([&](pqxx::work& work) {
        return work.exec_params1("SELECT tallymoo.add_pupil($1, $2, $3)", className, name, pin)[0].as<long long>();
    });
}

SchoolReply<std::vector<Pupil>> PgSchoolServer::pupils(const std::string& className) {
    return asTeacher<std::vector<Pupil>>([&](pqxx::work& work) {
        std::vector<Pupil> found;
        for (const pqxx::row& row : work.exec_params(
                 "SELECT p.id, p.class_id, p.name FROM tallymoo.pupil p JOIN tallymoo.school_class c ON c.id = p.class_id"
                 " WHERE c.name = $1 ORDER BY p.name, p.id",
                 className)) {
            found.push_back(Pupil{row[0].as<long long>(), row[1].as<long long>(), row[2].as<std::string>()});
        }
        return found;
    });
}

SchoolReply<long long> PgSchoolServer::assign(const std::string& className, const Assignment& assignment,
                                              const std::vector<std::string>& pupilNames) {
    std::string names;
    for (const std::string& name : pupilNames) names += (names.empty() ? "" : "\n") + name;
    return asTeacher<long long>([&](pqxx::work& work) {
        return work
            .exec_params1("SELECT tallymoo.assign($1, $2, $3, $4, $5::date, $6,"
                          " CASE WHEN $7 = '' THEN '{}'::text[] ELSE string_to_array($7, E'\\n') END)",
                          className, assignment.topicKey, assignment.title, assignment.questionCount, assignment.due,
                          assignment.seed, names)[0]
            .as<long long>();
    });
}

SchoolReply<std::vector<Assignment>> PgSchoolServer::teacherAssignments() {
    return asTeacher<std::vector<Assignment>>([](pqxx::work& work) {
        std::vector<Assignment> found;
        for (const pqxx::row& row : work.exec("SELECT id, class_id, topic_key, title, question_count, due::text AS due,"
                                              " seed FROM tallymoo.assignment ORDER BY due, id")) {
            found.push_back(assignmentOf(row));
        }
        return found;
    });
}

SchoolReply<std::vector<AssignmentProgress>> PgSchoolServer::classAssignments(long long classId) {
    return asTeacher<std::vector<AssignmentProgress>>([&](pqxx::work& work) {
        std::vector<AssignmentProgress> found;
        for (const pqxx::row& row : work.exec_params(kClassAssignments, classId)) {
            Assignment assignment = assignmentOf(row);
            assignment.pupils = idList(row["group_ids"].as<std::string>());
            found.push_back(AssignmentProgress{std::move(assignment), row["done"].as<int>(), row["assigned"].as<int>()});
        }
        return found;
    });
}

SchoolReply<std::vector<PupilResults>> PgSchoolServer::results(long long assignmentId) {
    return asTeacher<std::vector<PupilResults>>([&](pqxx::work& work) {
        std::vector<PupilResults> table;
        for (const pqxx::row& row : work.exec_params(kResults, assignmentId)) {
            const long long pupilId = row["pupil_id"].as<long long>();
            if (table.empty() || table.back().pupil.id != pupilId) {
                table.push_back(PupilResults{Pupil{pupilId, 0, row["name"].as<std::string>()}, {}});
            }
            if (!row["answer_id"].is_null()) table.back().answers.push_back(answerOf(row, assignmentId));
        }
        return table;
    });
}

SchoolReply<std::vector<MissedOften>> PgSchoolServer::missedOften(long long assignmentId, int limit) {
    return asTeacher<std::vector<MissedOften>>([&](pqxx::work& work) {
        std::vector<MissedOften> found;
        for (const pqxx::row& row : work.exec_params(kMissedOften, assignmentId, limit)) {
            found.push_back(MissedOften{row["position"].as<int>(), row["question"].as<std::string>(),
                                        row["correct"].as<std::string>(), row["wrong"].as<int>(),
                                        row["answered"].as<int>(), kindCounts(row["kinds"].as<std::string>())});
        }
        return found;
    });
}

SchoolReply<std::vector<SkillShare>> PgSchoolServer::termShares(const std::string& className,
                                                                const std::string& fromDay, const std::string& toDay) {
    return asTeacher<std::vector<SkillShare>>([&](pqxx::work& work) {
        std::vector<SkillShare> found;
        for (const pqxx::row& row : work.exec_params(kTermShares, className, fromDay, toDay)) {
            found.push_back(SkillShare{row[0].as<std::string>(), row[1].as<std::string>(), row[2].as<long long>(),
                                       row[3].as<long long>()});
        }
        return found;
    });
}

}  // namespace tally
