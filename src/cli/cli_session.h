// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "app/form1.h"
#include "cli/headless_ui.h"
#include "page/html_page.h"
#include "sqlite_record/sqlite_record.h"
#include "system/fs_data_directory.h"
#include "base/seeded_random.h"
#include "cli/headless_clock.h"

namespace tally {

class SchoolDesk;

struct CliOptions {
    std::filesystem::path dataDir;
    std::uint64_t seed = 0;
    std::optional<std::string> loginPassword;
    std::filesystem::path writeFallback;  // for the login file of a read-only data directory
    bool dataReadOnly = false;            // an installed data directory: write only to the fallback
    std::filesystem::path recordFile;     // the progress record; none is kept when empty
    std::optional<std::string> child;     // the child who logs in at start-up
    std::optional<int> today;             // a fixed day for the practice and the record (--today)
    int grade = 1;                        // the grade whose lessons the practice follows
    std::shared_ptr<SchoolDesk> school;   // the school's link of a lab computer or a teacher
};

// The headless front end: the main-window model driven by one command a line.
class CliSession {
public:
    explicit CliSession(const CliOptions& options);

    // Runs start-up, then the commands until "quit" or the end of input.
    void run(std::istream& in, std::ostream& out);
    // One command; false after "quit".
    bool execute(const std::string& line, std::ostream& out);

    Form1& form() { return *form_; }
    HeadlessUi& ui() { return ui_; }
    HtmlPage& page() { return page_; }

private:
    HeadlessUi ui_;
    HtmlPage page_;
    SeededRandom random_;
    HeadlessClock clock_;
    FsDataDirectory data_;
    std::unique_ptr<SqliteRecord> record_;
    std::unique_ptr<Form1> form_;
    std::shared_ptr<SchoolDesk> school_;

    std::optional<std::string> startChild_;
    bool startAdvanced_ = false;
};

}  // namespace tally
