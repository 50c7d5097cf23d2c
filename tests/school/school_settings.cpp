// SPDX-License-Identifier: GPL-3.0-or-later
#include "school/school_settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>

#include "support/temp_folder.h"

namespace tally::test {
namespace {

// Run outside ctest, the binary starts and stops the same server itself.
class OwnServer : public ::testing::Environment {
public:
    void SetUp() override {
        if (const char* given = std::getenv("TALLYMOO_SCHOOL_SETTINGS"); given && *given) {
            settingsFile = given;
            return;
        }
        folder = std::filesystem::temp_directory_path() / ("tallymoo-school-" + std::to_string(::getpid()));
        const std::string start = std::string(TALLYMOO_SCHOOL_SERVER) + " start " + folder.string() + " " +
                                  TALLYMOO_SCHOOL_SETUP;
        ASSERT_EQ(std::system(start.c_str()), 0) << start;
        settingsFile = folder / "settings";
    }
    void TearDown() override {
        if (folder.empty()) return;
        const std::string stop = std::string(TALLYMOO_SCHOOL_SERVER) + " stop " + folder.string();
        EXPECT_EQ(std::system(stop.c_str()), 0);
    }

    std::filesystem::path settingsFile;
    std::filesystem::path folder;
};

OwnServer* const server = static_cast<OwnServer*>(::testing::AddGlobalTestEnvironment(new OwnServer));

const std::map<std::string, std::string>& settings() {
    static const std::map<std::string, std::string> read = [] {
        std::map<std::string, std::string> lines;
        std::ifstream in(server->settingsFile);
        for (std::string line; std::getline(in, line);) {
            if (const auto equals = line.find('='); equals != std::string::npos) {
                lines[line.substr(0, equals)] = line.substr(equals + 1);
            }
        }
        return lines;
    }();
    return read;
}

}  // namespace

std::string schoolSetting(const std::string& name) {
    const auto found = settings().find(name);
    if (found == settings().end()) throw std::runtime_error("no school setting " + name);
    return found->second;
}

std::string uniqueName(const std::string& stem) {
    static int count = 0;
    return stem + "-" + std::to_string(::getpid()) + "-" + std::to_string(++count);
}

}  // namespace tally::test
