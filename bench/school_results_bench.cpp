// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's reads on a generated school: 25 classes of 40 pupils, each
// class with a term of 100 assignments of 50 questions, every pupil having
// done every one (5,000,000 answers). The teacher's table of one assignment
// (40 × 50) must open in well under a second, the term view of a class
// (each pupil's share right of each skill over the term) in under two; so
// must the pages the window shows of them, every read they make and their
// HTML included, and a class's page with its 100 assignments.
#include <benchmark/benchmark.h>

#include <iostream>
#include <memory>
#include <pqxx/pqxx>

#include "school_server_bench.h"
#include "classroom/teacher_desk.h"
#include "practice/practice_rows.h"
#include "pg_school/pg_school_server.h"

namespace tally {
namespace {

constexpr const char* kGenerate = R"(
INSERT INTO tallymoo.school_class(name, teacher, join_code)
    SELECT 'class-' || c, 'teacher', 'BENCH' || c FROM generate_series(1, 25) c;
INSERT INTO tallymoo.pupil(class_id, name, pin_hash)
    SELECT c.id, 'pupil-' || lpad(p::text, 2, '0'), '-' FROM tallymoo.school_class c, generate_series(1, 40) p;
INSERT INTO tallymoo.assignment(class_id, topic_key, title, question_count, due, seed)
    SELECT c.id, 'k' || (3101 + a % 20), 'term', 50, date '2026-09-01' + a, a
      FROM tallymoo.school_class c, generate_series(1, 100) a;
INSERT INTO tallymoo.answer(id, assignment_id, pupil_id, position, topic_key, question, typed, correct, is_right,
                            ms, error_kind, answered_at)
    SELECT gen_random_uuid(), s.id, p.id, q, s.topic_key, q || '×7＝', (q * 7 + w::int)::text, (q * 7)::text, NOT w,
           800 + (random() * 6000)::int, CASE WHEN w THEN '口诀记错' ELSE '' END, s.due + time '09:00'
      FROM tallymoo.assignment s JOIN tallymoo.pupil p ON p.class_id = s.class_id,
           generate_series(0, 49) q, LATERAL (SELECT random() < 0.12 AS w OFFSET 0) r;
ANALYZE;
)";

struct School {
    bench::BenchServer server;
    std::unique_ptr<PgSchoolServer> teacher;
    long long assignment = 0;
    long long classId = 0;

    School() {
        pqxx::connection administrator(server.setting("administrator"));
        pqxx::work work(administrator);
        work.exec(kGenerate);
        assignment = work.exec1("SELECT min(id) FROM tallymoo.assignment")[0].as<long long>();
        classId = work.exec1("SELECT id FROM tallymoo.school_class WHERE name = 'class-7'")[0].as<long long>();
        std::cout << "answers: " << work.exec1("SELECT count(*) FROM tallymoo.answer")[0].as<long long>() << "\n";
        work.commit();
        teacher = std::make_unique<PgSchoolServer>(server.setting("server"));
        teacher->logInTeacher("teacher", "wang-laoshi");
    }
};

School& school() {
    static School generated;
    return generated;
}

void BM_TeachersTableOfAnAssignment(benchmark::State& state) {
    School& made = school();
    for (auto _ : state) {
        const auto table = made.teacher->results(made.assignment);
        if (!table.value || table.value->size() != 40) state.SkipWithError("the table is not 40 pupils");
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_TeachersTableOfAnAssignment)->Unit(benchmark::kMillisecond);

void BM_MostMissedOfAnAssignment(benchmark::State& state) {
    School& made = school();
    for (auto _ : state) benchmark::DoNotOptimize(made.teacher->missedOften(made.assignment, 10));
}
BENCHMARK(BM_MostMissedOfAnAssignment)->Unit(benchmark::kMillisecond);

void BM_TermViewOfAClass(benchmark::State& state) {
    School& made = school();
    for (auto _ : state) {
        const auto shares = made.teacher->termShares("class-7", "2026-09-01", "2027-01-31");
        if (!shares.value || shares.value->size() != 40 * 20) state.SkipWithError("the term view is not 40 × 20 skills");
        benchmark::DoNotOptimize(shares);
    }
}
BENCHMARK(BM_TermViewOfAClass)->Unit(benchmark::kMillisecond);

void BM_TeachersResultsPage(benchmark::State& state) {
    School& made = school();
    TeacherDesk desk(*made.teacher, {});
    for (auto _ : state) {
        const std::string page = desk.resultsPage(made.assignment);
        if (page.find("错得多的题") == std::string::npos) state.SkipWithError("the results page is not shown");
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_TeachersResultsPage)->Unit(benchmark::kMillisecond);

void BM_ClassPageWithItsAssignments(benchmark::State& state) {
    School& made = school();
    TeacherDesk desk(*made.teacher, {});
    for (auto _ : state) {
        const std::string page = desk.classPage(made.classId);
        if (page.find("40/40人") == std::string::npos) state.SkipWithError("the class page does not count its pupils");
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_ClassPageWithItsAssignments)->Unit(benchmark::kMillisecond);

void BM_TermPageOfAClass(benchmark::State& state) {
    School& made = school();
    TeacherDesk desk(*made.teacher, {});
    const Day lastDay = *parseDay("2027-01-31");
    for (auto _ : state) benchmark::DoNotOptimize(desk.termPage(made.classId, lastDay));
}
BENCHMARK(BM_TermPageOfAClass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tally
