// SPDX-License-Identifier: GPL-3.0-or-later
// 40 lab computers, each the headless front end itself (a tallymoo-cli
// process a session, a lab folder and a record of its own), doing 1,000
// sessions of an assignment against one server: log in, open the assignment,
// type the answers, hand the sheet in, send. Meanwhile the server is stopped
// and started, the lab's connections are cut and sessions are killed (kill
// -9) at random. At the end each pupil's own record is read and set against
// the server: every answer marked must be there once, under its own pupil.
// Prints the figures; run by hand, not a timed test.
#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <map>
#include <pqxx/pqxx>
#include <random>
#include <thread>

#include "pg_school/pg_school_server.h"
#include "school_server_bench.h"

namespace tally {
namespace {

constexpr int kPupils = 40;
constexpr int kSessions = 1000;
constexpr int kSheet = 10;
constexpr const char* kPin = "2468";
constexpr const char* kClass = "三年级（1）班";

std::string pupilName(int pupil) { return "学生" + std::to_string(pupil); }

struct Lab {
    std::string settings;  // without the password, which goes in as a command
    std::string password;
    long long assignment = 0;
    std::filesystem::path folder;

    std::filesystem::path computer(int pupil) const { return folder / ("computer-" + std::to_string(pupil)); }
};

// tallymoo-cli on the pupil's computer, `commands` on its standard input and
// its output kept in the computer's log; its process id.
pid_t startCli(const Lab& lab, int pupil, std::vector<std::string> arguments, const std::string& commands) {
    const std::filesystem::path folder = lab.computer(pupil);
    std::vector<std::string> words = {TALLYMOO_CLI, "--data", TALLYMOO_BENCH_DATA, "--today", "2026-12-10",
                                      "--record", (folder / "record.sqlite").string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    int input[2];
    if (::pipe(input) != 0) std::_Exit(3);
    const pid_t child = ::fork();
    if (child == 0) {
        const int log = ::open((folder / "log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ::dup2(input[0], 0);
        ::dup2(log, 1);
        ::dup2(log, 2);
        ::close(input[1]);
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
    ::close(input[0]);
    // A few hundred bytes: the pipe holds them while the program starts.
    [[maybe_unused]] const ssize_t written = ::write(input[1], commands.data(), commands.size());
    ::close(input[1]);
    return child;
}

int waitFor(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// One session's commands: the assignment opened, every answer typed (some
// right, most not: what is typed does not matter here), handed in and sent.
std::string sessionCommands(const Lab& lab, std::mt19937& chance) {
    std::string commands = "do " + std::to_string(lab.assignment) + "\n";
    for (int field = 1; field <= kSheet; ++field) {
        commands += "set answer" + std::to_string(field) + " " + std::to_string(20 + chance() % 120) + "\n";
    }
    return commands + "finish\nsync\nquit\n";
}

pid_t startSession(const Lab& lab, int pupil, std::mt19937& chance) {
    return startCli(lab, pupil, {"--seed", std::to_string(chance()), "--pupil", kClass, pupilName(pupil), kPin},
                    sessionCommands(lab, chance));
}

Lab setUpClass(const bench::BenchServer& server, const std::filesystem::path& folder) {
    const std::string lab = server.setting("lab");
    const std::size_t password = lab.find(" password=");
    Lab made{lab.substr(0, password), lab.substr(password + std::string(" password=").size()), 0, folder};
    {
        // The test server's quick commits would be lost in its crashes here;
        // a school's server keeps PostgreSQL's own, which say a commit only
        // when it is on disk.
        pqxx::connection administrator(server.setting("administrator"));
        pqxx::nontransaction work(administrator);
        work.exec("ALTER SYSTEM SET synchronous_commit = on");
        work.exec("ALTER SYSTEM SET fsync = on");
        work.exec("SELECT pg_reload_conf()");
    }
    PgSchoolServer teacher(server.setting("server"));
    teacher.logInTeacher("teacher", "wang-laoshi");
    const SchoolClass joined = *teacher.addClass(kClass).value;
    for (int pupil = 0; pupil < kPupils; ++pupil) teacher.addPupil(kClass, pupilName(pupil), kPin);
    made.assignment =
        *teacher.assign(kClass, Assignment{0, 0, "k3101", "两位数加两位数", kSheet, "2026-12-20", 5}, {}).value;
    for (int pupil = 0; pupil < kPupils; ++pupil) {
        std::filesystem::create_directories(made.computer(pupil));
        waitFor(startCli(made, pupil, {"--school", made.settings},
                         "school-password " + made.password + "\njoin " + joined.joinCode + "\n"));
    }
    return made;
}

struct Trouble {
    int started = 0;
    int completed = 0;
    int kills = 0;
    int restarts = 0;
    int cuts = 0;
};

void cutConnections(const bench::BenchServer& server) {
    try {
        pqxx::connection administrator(server.setting("administrator"));
        pqxx::nontransaction work(administrator);
        work.exec("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = 'tallymoo_lab'");
    } catch (const pqxx::failure&) {
    }
}

// One of the troubles, or none, by a roll of the dice.
void strike(const bench::BenchServer& server, std::map<pid_t, int>& running, std::mt19937& chance, Trouble& met) {
    const unsigned roll = chance() % 100;
    if (roll < 40 && !running.empty()) {
        ::kill(std::next(running.begin(), static_cast<long>(chance() % running.size()))->first, SIGKILL);
        ++met.kills;
    } else if (roll < 45) {
        server.control("stop -m immediate");
        std::this_thread::sleep_for(std::chrono::milliseconds(300 + chance() % 1200));
        server.control("start");
        ++met.restarts;
    } else if (roll < 65) {
        cutConnections(server);
        ++met.cuts;
    }
}

// Runs each computer's sessions one after another until its share is done,
// a killed one again, while trouble strikes.
Trouble runWithTrouble(const bench::BenchServer& server, const Lab& lab) {
    const int each = kSessions / kPupils;
    std::mt19937 chance(20261210);
    std::map<pid_t, int> running;
    std::vector<int> done(kPupils, 0);
    Trouble met;
    for (int pupil = 0; pupil < kPupils; ++pupil, ++met.started) running[startSession(lab, pupil, chance)] = pupil;
    while (!running.empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50 + chance() % 150));
        strike(server, running, chance, met);
        int status = 0;
        for (pid_t ended; (ended = ::waitpid(-1, &status, WNOHANG)) > 0;) {
            const int pupil = running[ended];
            running.erase(ended);
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) ++done[pupil], ++met.completed;
            if (done[pupil] < each) running[startSession(lab, pupil, chance)] = pupil, ++met.started;
        }
    }
    return met;
}

// The ids of the answers a pupil's record holds for assignments, and how
// many of them it set aside as refused.
std::vector<std::string> idsInRecord(const std::filesystem::path& file, long long& refused) {
    std::vector<std::string> ids;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* query = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT answer_id, answer_id IN (SELECT answer_id FROM refused_answer) FROM answer_time"
                           " JOIN sheet ON sheet.id = answer_time.sheet_id WHERE sheet.assignment <> ''"
                           " AND answer_id IS NOT NULL",
                           -1, &query, nullptr);
        while (sqlite3_step(query) == SQLITE_ROW) {
            ids.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(query, 0)));
            refused += sqlite3_column_int(query, 1);
        }
        sqlite3_finalize(query);
    }
    sqlite3_close(db);
    return ids;
}

std::vector<std::filesystem::path> pupilRecords(const std::filesystem::path& computer) {
    std::vector<std::filesystem::path> records;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(computer / "school", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("pupil-") && name.ends_with(".sqlite")) records.push_back(entry.path());
    }
    return records;
}

void report(const bench::BenchServer& server, const Lab& lab, const Trouble& met, double seconds) {
    pqxx::connection administrator(server.setting("administrator"));
    pqxx::work work(administrator);
    std::map<std::string, std::pair<std::string, int>> onServer;  // id → pupil's name, rows
    for (const pqxx::row& row : work.exec_params("SELECT a.id::text, p.name, count(*) OVER (PARTITION BY a.id)"
                                                 " FROM tallymoo.answer a JOIN tallymoo.pupil p ON p.id = a.pupil_id"
                                                 " WHERE a.assignment_id = $1",
                                                 lab.assignment)) {
        onServer[row[0].as<std::string>()] = {row[1].as<std::string>(), row[2].as<int>()};
    }
    long long marked = 0, lost = 0, doubled = 0, misfiled = 0, refused = 0;
    for (int pupil = 0; pupil < kPupils; ++pupil) {
        for (const std::filesystem::path& record : pupilRecords(lab.computer(pupil))) {
            for (const std::string& id : idsInRecord(record, refused)) {
                ++marked;
                const auto found = onServer.find(id);
                if (found == onServer.end()) {
                    ++lost;
                    continue;
                }
                doubled += found->second.second - 1;
                misfiled += found->second.first == pupilName(pupil) ? 0 : 1;
            }
        }
    }
    std::cout << "computers " << kPupils << " (tallymoo-cli), sessions started " << met.started << ", completed "
              << met.completed << ", killed " << met.kills << ", server restarts " << met.restarts
              << ", connections cut " << met.cuts << ", " << seconds << " s\n"
              << "answers marked " << marked << ", on the server " << onServer.size() << ", lost " << lost
              << ", doubled " << doubled << ", under another pupil " << misfiled << ", set aside as refused " << refused
              << ", on the server but in no record " << static_cast<long long>(onServer.size()) - (marked - lost)
              << "\n";
}

}  // namespace
}  // namespace tally

int main() {
    using namespace tally;
    bench::BenchServer server;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tallymoo-cli-fault-" + std::to_string(::getpid()));
    const Lab lab = setUpClass(server, folder);
    const auto start = std::chrono::steady_clock::now();
    const Trouble met = runWithTrouble(server, lab);
    // What a killed session had not yet sent goes with the pupil's next one.
    server.control("start");
    for (int pupil = 0; pupil < kPupils; ++pupil) {
        waitFor(startCli(lab, pupil, {"--pupil", kClass, pupilName(pupil), kPin}, "sync\nquit\n"));
    }
    report(server, lab, met, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    std::filesystem::remove_all(folder);
    return 0;
}
