// SPDX-License-Identifier: GPL-3.0-or-later
// 40 lab computers (processes, a pupil each) doing 1,000 sessions of an
// assignment against one server, while the server is stopped and started,
// the lab's connections are cut and computers are killed (kill -9) at random.
// Each computer keeps every answer in its outbox, on disk, when it is marked
// and sends what the server has not taken; a killed computer starts again
// from its files. At the end every answer marked must be on the server once,
// under its own pupil. Prints the figures; not a timed test.
#include <fcntl.h>
#include <signal.h>
#include <sodium.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <map>
#include <pqxx/pqxx>
#include <random>
#include <set>
#include <thread>

#include "pg_school/lab_computer.h"
#include "pg_school/pg_school_server.h"
#include "school_server_bench.h"

namespace tally {
namespace {

constexpr int kPupils = 40;
constexpr int kSessions = 1000;
constexpr int kSheet = 10;
constexpr const char* kPin = "2468";

std::string pupilName(int pupil) { return "学生" + std::to_string(pupil); }

// A fresh version-4 UUID, as the lab computer makes one for each answer.
std::string freshUuid() {
    unsigned char bytes[16];
    randombytes_buf(bytes, sizeof bytes);
    bytes[6] = (bytes[6] & 0x0f) | 0x40;
    bytes[8] = (bytes[8] & 0x3f) | 0x80;
    char text[37];
    char* at = text;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) *at++ = '-';
        at += std::snprintf(at, 3, "%02x", bytes[i]);
    }
    return text;
}

// Only whole lines count: a computer killed while writing leaves half a one.
std::vector<std::string> idsIn(const std::filesystem::path& file) {
    std::vector<std::string> ids;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.size() == 36 && in.good()) ids.push_back(line);
    }
    return ids;
}

void appendLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\n";
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || ::fsync(fd) != 0) {
        std::_Exit(3);
    }
    ::close(fd);
}

// A lab computer's outbox in two files: the answers marked, the ones sent.
class FileOutbox : public ProgressRecord {
public:
    FileOutbox(std::filesystem::path folder, long long assignment) : folder_(std::move(folder)), assignment_(assignment) {}

    void mark(const std::vector<std::string>& ids) { appendLines(folder_ / "marked", ids); }

    std::vector<ClassAnswer> unsentAnswers(long long, int limit) override {
        std::vector<ClassAnswer> waiting;
        const std::vector<std::string> sent = idsIn(folder_ / "sent");
        const std::set<std::string> taken(sent.begin(), sent.end());
        int position = 0;
        for (const std::string& id : idsIn(folder_ / "marked")) {
            if (taken.count(id) || static_cast<int>(waiting.size()) >= limit) continue;
            waiting.push_back(ClassAnswer{id, assignment_, 0, position++ % kSheet, "k3101", "23＋45＝", "68", "68", true,
                                          1200, "", "2026-12-10 09:30:00"});
        }
        return waiting;
    }
    int unsentCount(long long) override { return static_cast<int>(unsentAnswers(0, 1 << 30).size()); }
    bool markSent(const std::vector<std::string>& ids) override {
        appendLines(folder_ / "sent", ids);
        return true;
    }

    bool store(const MarkedSheet&) override { return false; }
    std::vector<MarkedSheet> sheets(long long) override { return {}; }
    std::vector<MarkedSheet> latestSheets(long long, int) override { return {}; }
    std::vector<MissedQuestion> missed(long long) override { return {}; }
    std::vector<MissedQuestion> redrillList(long long, int) override { return {}; }
    std::optional<RecordSummary> summary(long long, const RecordPageLimits&) override { return std::nullopt; }
    RecordTrouble trouble() const override { return RecordTrouble::None; }
    std::string lastError() const override { return ""; }

private:
    std::filesystem::path folder_;
    long long assignment_;
};

struct Lab {
    std::string settings;
    std::string className;
    long long assignment = 0;
    std::filesystem::path folder;

    std::filesystem::path computer(int pupil) const { return folder / ("computer-" + std::to_string(pupil)); }
};

// One computer's sessions until `sessions` are done: log in (at the server,
// or from what it keeps while the server is away), mark a sheet, send.
[[noreturn]] void runComputer(const Lab& lab, int pupil, int sessions) {
    const std::filesystem::path folder = lab.computer(pupil);
    PgSchoolServer server(lab.settings);
    LabComputer computer(folder);
    FileOutbox outbox(folder, lab.assignment);
    std::mt19937 pace(static_cast<unsigned>(::getpid()));
    while (static_cast<int>(idsIn(folder / "sessions").size()) < sessions) {
        std::string problem;
        std::optional<LabPupil> in = computer.logIn(server, lab.className, pupilName(pupil), kPin, problem);
        if (!in) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100 + pace() % 200));
            continue;
        }
        std::vector<std::string> sheet;
        for (int i = 0; i < kSheet; ++i) sheet.push_back(freshUuid());
        outbox.mark(sheet);
        computer.send(server, outbox, 1, *in);
        appendLines(folder / "sessions", {freshUuid()});
    }
    std::_Exit(0);
}

pid_t startComputer(const Lab& lab, int pupil, int sessions) {
    const pid_t child = ::fork();
    if (child == 0) runComputer(lab, pupil, sessions);
    return child;
}

Lab setUpClass(const bench::BenchServer& server, const std::filesystem::path& folder) {
    Lab lab{server.setting("lab"), "三年级（1）班", 0, folder};
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
    const SchoolClass made = *teacher.addClass(lab.className).value;
    for (int pupil = 0; pupil < kPupils; ++pupil) teacher.addPupil(lab.className, pupilName(pupil), kPin);
    lab.assignment = *teacher.assign(lab.className, Assignment{0, 0, "k3101", "两位数加两位数", kSheet, "2026-12-20", 5}, {}).value;
    PgSchoolServer joining(lab.settings);
    for (int pupil = 0; pupil < kPupils; ++pupil) LabComputer(lab.computer(pupil)).join(joining, made.joinCode);
    return lab;
}

struct Trouble {
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

// Runs the computers to their share of the sessions while trouble strikes.
Trouble runWithTrouble(const bench::BenchServer& server, const Lab& lab) {
    const int each = kSessions / kPupils;
    std::map<pid_t, int> running;
    for (int pupil = 0; pupil < kPupils; ++pupil) running[startComputer(lab, pupil, each)] = pupil;
    std::mt19937 chance(20261209);
    Trouble met;
    while (!running.empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + chance() % 70));
        const unsigned roll = chance() % 100;
        if (roll < 40) {
            auto victim = std::next(running.begin(), static_cast<long>(chance() % running.size()));
            ::kill(victim->first, SIGKILL);
            ++met.kills;
        } else if (roll < 46) {
            server.control("stop -m immediate");
            std::this_thread::sleep_for(std::chrono::milliseconds(300 + chance() % 1200));
            server.control("start");
            ++met.restarts;
        } else if (roll < 60) {
            cutConnections(server);
            ++met.cuts;
        }
        int status = 0;
        for (pid_t ended; (ended = ::waitpid(-1, &status, WNOHANG)) > 0;) {
            const int pupil = running[ended];
            running.erase(ended);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) running[startComputer(lab, pupil, each)] = pupil;
        }
    }
    return met;
}

void report(const bench::BenchServer& server, const Lab& lab, const Trouble& met, double seconds) {
    pqxx::connection administrator(server.setting("administrator"));
    pqxx::work work(administrator);
    std::map<std::string, std::pair<std::string, int>> onServer;  // id → pupil's name, rows
    for (const pqxx::row& row : work.exec_params("SELECT a.id::text, p.name, count(*) OVER (PARTITION BY a.id)"
                                                 " FROM tallymoo.answer a JOIN tallymoo.pupil p ON p.id = a.pupil_id"
                                                 " WHERE a.assignment_id = $1", lab.assignment)) {
        onServer[row[0].as<std::string>()] = {row[1].as<std::string>(), row[2].as<int>()};
    }
    long long marked = 0, lost = 0, doubled = 0, misfiled = 0, sessions = 0;
    for (int pupil = 0; pupil < kPupils; ++pupil) {
        sessions += static_cast<long long>(idsIn(lab.computer(pupil) / "sessions").size());
        for (const std::string& id : idsIn(lab.computer(pupil) / "marked")) {
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
    std::cout << "computers " << kPupils << ", sessions " << sessions << ", kills " << met.kills << ", server restarts "
              << met.restarts << ", connections cut " << met.cuts << ", " << seconds << " s\n"
              << "answers marked " << marked << ", on the server " << onServer.size() << ", lost " << lost
              << ", doubled " << doubled << ", under another pupil " << misfiled << ", on the server but never marked "
              << static_cast<long long>(onServer.size()) - (marked - lost) << "\n";
}

}  // namespace
}  // namespace tally

int main() {
    using namespace tally;
    if (sodium_init() < 0) return 1;
    bench::BenchServer server;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tallymoo-fault-" + std::to_string(::getpid()));
    const Lab lab = setUpClass(server, folder);
    const auto start = std::chrono::steady_clock::now();
    const Trouble met = runWithTrouble(server, lab);
    // What a killed computer had not yet sent goes at its pupil's next login.
    server.control("start");
    for (int pupil = 0; pupil < kPupils; ++pupil) {
        int status = 0;
        ::waitpid(startComputer(lab, pupil, kSessions / kPupils + 1), &status, 0);
    }
    report(server, lab, met, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    std::filesystem::remove_all(folder);
    return 0;
}
