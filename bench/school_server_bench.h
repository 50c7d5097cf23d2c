// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

namespace tally::bench {

// A PostgreSQL of the benchmark's own, started and set up by the tests'
// script in a temporary folder and stopped with the object.
class BenchServer {
public:
    BenchServer() : folder_(std::filesystem::temp_directory_path() / ("tallymoo-school-bench-" + std::to_string(::getpid()))) {
        if (run("start " + folder_.string() + " " + TALLYMOO_SCHOOL_SETUP) != 0) {
            throw std::runtime_error("the school's test server did not start");
        }
        std::ifstream in(folder_ / "settings");
        for (std::string line; std::getline(in, line);) {
            if (const auto equals = line.find('='); equals != std::string::npos) {
                settings_[line.substr(0, equals)] = line.substr(equals + 1);
            }
        }
    }
    ~BenchServer() { run("stop " + folder_.string()); }
    BenchServer(const BenchServer&) = delete;
    BenchServer& operator=(const BenchServer&) = delete;

    const std::string& setting(const std::string& name) const { return settings_.at(name); }
    // pg_ctl on the server's data folder ("stop -m immediate", "start"), as the server's user.
    int control(const std::string& what) const {
        const std::string as = ::geteuid() == 0 ? "runuser -u nobody -- " : "";
        return std::system((as + "/usr/lib/postgresql/15/bin/pg_ctl -D " + setting("data") + " -l " +
                            (folder_ / "server.log").string() + " -w " + what + " >/dev/null 2>&1")
                               .c_str());
    }

private:
    int run(const std::string& arguments) const {
        return std::system((std::string(TALLYMOO_SCHOOL_SERVER) + " " + arguments + " >/dev/null").c_str());
    }

    std::filesystem::path folder_;
    std::map<std::string, std::string> settings_;
};

}  // namespace tally::bench
