// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/form1.h"
#include "cli/headless_ui.h"
#include "page/html_page.h"
#include "sqlite_record/sqlite_record.h"
#include "shell/fs_data_directory.h"
#include "shell/seeded_random.h"
#include "shell/system_clock.h"

namespace tally {

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
};

// The headless front end: the main-window model driven by one command a line.
class CliSession {
public:
    // The most ticks one "tick" command runs.
    static constexpr int kMaxTicks = 100000;

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
    FixedDayClock clock_;
    FsDataDirectory data_;
    std::unique_ptr<SqliteRecord> record_;
    std::unique_ptr<Form1> form_;

    // Each command takes the rest of its line and answers on `out`.
    using Command = void (CliSession::*)(const std::string& args, std::ostream& out);
    static const std::map<std::string, Command>& commands();

    void login(const std::string& args, std::ostream& out);
    void password(const std::string& args, std::ostream& out);
    void options(const std::string& args, std::ostream& out);
    void toolbar(const std::string& args, std::ostream& out);
    void spin(const std::string& args, std::ostream& out);
    void tab(const std::string& args, std::ostream& out);
    // Opens the tab; false (and an error line) when there is none of that name.
    bool openTab(const std::string& args, std::ostream& out);
    void click(const std::string& args, std::ostream& out);
    void set(const std::string& args, std::ostream& out);
    void finish(const std::string& args, std::ostream& out);
    void press(const std::string& args, std::ostream& out);
    void mouseDown(const std::string& args, std::ostream& out);
    void mouseUp(const std::string& args, std::ostream& out);
    void key(const std::string& args, std::ostream& out);
    void tick(const std::string& args, std::ostream& out);
    void printTree(const std::string& args, std::ostream& out);
    void printPage(const std::string& args, std::ostream& out);
    void printPage2(const std::string& args, std::ostream& out);
    void printFront(const std::string& args, std::ostream& out);
    void printStatus(const std::string& args, std::ostream& out);
    void printMessages(const std::string& args, std::ostream& out);
    void printState(const std::string& name, std::ostream& out);
    void printRecord(const std::string& args, std::ostream& out);
    void redrill(const std::string& args, std::ostream& out);
    void answer(const std::string& args, std::ostream& out);
    void today(const std::string& args, std::ostream& out);
    void printDue(const std::string& args, std::ostream& out);
    void printMastery(const std::string& args, std::ostream& out);
    void marks(const std::string& args, std::ostream& out);
    void printChildren(const std::string& args, std::ostream& out);
    void manageChild(const std::string& args, std::ostream& out);

    std::optional<std::string> startChild_;
    bool startAdvanced_ = false;
};

}  // namespace tally
