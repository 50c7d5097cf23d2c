// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "cli/cli_session.h"
#include "pg_school/school_desk.h"
#include "practice/practice_rows.h"
#include "sqlite_record/sqlite_record.h"
#include "system/data_location.h"
#include "tallymoo_version.h"

namespace {

std::filesystem::path programDirectory() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

// Where the login file goes when the data directory cannot be written.
std::filesystem::path userDataLocation() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::filesystem::path(xdg) / "tallymoo";
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / ".local/share/tallymoo";
    }
    return {};
}

int usage() {
    std::cerr << "usage: tallymoo-cli [--version] [--data DIR] [--seed N] [--login PASSWORD] [--record FILE]"
                 " [--child NAME] [--today YYYY-MM-DD] [--grade N] [--school CONNINFO] [--school-password-file FILE]"
                 " [--pupil CLASS NAME PIN]\n";
    return 2;
}

// Logs the pupil in and points the session at the pupil's own record, with
// the pupil its one child; "" when in, otherwise why not.
std::string logInPupil(tally::SchoolDesk& school, const tally::PupilLogin& login, tally::CliOptions& options) {
    if (std::string problem = school.logInPupil(login.className, login.name, login.pin); !problem.empty()) {
        return problem;
    }
    options.recordFile = school.pupilRecord();
    options.child = login.name;
    tally::SqliteRecord record(options.recordFile);
    return tally::keepPupilAsChild(record, login);
}

// Keeps the lab's password from the first line of `file`; "" when kept,
// otherwise why not.
std::string keepPasswordFrom(tally::SchoolDesk& school, const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string password;
    if (!std::getline(in, password) || password.empty()) return "读不出密码文件 " + file.string() + "。";
    if (!school.lab().keepServerPassword(password)) return "这台电脑记不下学校服务器的密码，请看看用户文件夹能不能写。";
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "tallymoo-cli " << tally::kVersion << "\n";
        return 0;
    }
    tally::CliOptions options;
    const tally::DataLocation found = tally::locateDataDirectory(programDirectory());
    options.dataDir = found.root;
    options.dataReadOnly = found.installed;
    options.seed = tally::freshSeed();
    options.writeFallback = userDataLocation();
    options.recordFile = tally::defaultRecordFile();
    std::string schoolSettings;
    std::filesystem::path schoolPasswordFile;
    std::optional<tally::PupilLogin> pupil;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return usage();
        const std::string value = argv[++i];
        if (arg == "--data") {
            options.dataDir = value;
            options.dataReadOnly = false;
        } else if (arg == "--seed") {
            char* end = nullptr;
            options.seed = std::strtoull(value.c_str(), &end, 10);
            if (!end || *end) return usage();
        } else if (arg == "--login") {
            options.loginPassword = value;
        } else if (arg == "--record") {
            options.recordFile = value;
        } else if (arg == "--child") {
            options.child = value;
        } else if (arg == "--today") {
            options.today = tally::parseGivenDay(value);
            if (!options.today) {
                std::cerr << "tallymoo-cli: " << tally::givenDayProblem(value) << "\n";
                return 2;
            }
        } else if (arg == "--school") {
            schoolSettings = value;
        } else if (arg == "--school-password-file") {
            schoolPasswordFile = value;
        } else if (arg == "--pupil") {
            if (i + 2 >= argc) return usage();
            pupil = tally::PupilLogin{value, argv[i + 1], argv[i + 2]};
            i += 2;
        } else if (arg == "--grade") {
            if (value.size() != 1 || value[0] < '1' || value[0] > '6') return usage();
            options.grade = value[0] - '0';
        } else {
            return usage();
        }
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(options.dataDir, ec)) {
        std::cerr << "tallymoo-cli: no data directory " << options.dataDir.string() << "\n";
        return 2;
    }
    if (!options.recordFile.empty()) {
        options.school = std::make_shared<tally::SchoolDesk>(options.recordFile.parent_path() / "school", schoolSettings);
        if (options.school->passwordGiven()) {
            std::cerr << "tallymoo-cli: the password in --school is now kept in the lab's password file; give --school"
                         " without it from now on (every user of this computer sees a command line)\n";
        }
        if (!schoolPasswordFile.empty()) {
            if (const std::string problem = keepPasswordFrom(*options.school, schoolPasswordFile); !problem.empty()) {
                std::cerr << "tallymoo-cli: " << problem << "\n";
                return 2;
            }
        }
    }
    if (pupil) {
        const std::string problem = options.school ? logInPupil(*options.school, *pupil, options)
                                                   : "这台电脑没有成绩记录，学生不能登录。";
        if (!problem.empty()) {
            std::cerr << "tallymoo-cli: " << problem << "\n";
            return 2;
        }
    }
    tally::CliSession session(options);
    session.run(std::cin, std::cout);
    return 0;
}
