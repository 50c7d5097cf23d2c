// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_session.h"
#include "cli/headless_ui.h"
#include "page/html_page.h"
#include "app/form1.h"
#include "system/fs_data_directory.h"
#include "base/seeded_random.h"
#include "system/system_clock.h"
#include "sheets/answer_fields.h"
#include "support/recording_record.h"
#include "support/test_data.h"

namespace tally::test {

// Values handed out in order; when the script runs out, a seeded generator
// takes over so long sheets still finish.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::uint64_t seed = 1) : fallback_(seed) {}
    void push(double value) { script_.push_back(value); }
    double next() override;

private:
    std::deque<double> script_;
    SeededRandom fallback_;
};

class FakeClock : public Clock {
public:
    TimeOfDay time{10, 8, 30};
    Day day = SystemClock().today();
    TimeOfDay now() const override { return time; }
    Day today() const override { return day; }
    long long ms = 0;
    long long milliseconds() const override { return ms; }
};

// The main-window model with every port faked: a recording window, the page
// model, a scripted random source, a settable clock and the repository's data
// directory (or one of the test's own).
// Asks for a harness that has already started up.
inline constexpr struct Started {} started;

struct Harness {
    explicit Harness(bool advanced = true);
    explicit Harness(Started, bool advanced = true) : Harness(advanced) { start(); }
    explicit Harness(const OwnData& own, bool advanced = true);

    TestData dir;
    HeadlessUi ui;
    HtmlPage page;
    ScriptedRandom random;
    FakeClock clock;
    FsDataDirectory data{dir.directory()};
    RecordingRecord record;
    std::unique_ptr<Form1> form;

    // Start-up with the login dialog answered (advanced with 238, or student).
    void start();
    // Clicks a node, switching to the tab that holds it when needed.
    void click(const std::string& key, const std::string& tab = "");
    // Types a value into a page element.
    void type(const std::string& name, const std::string& value);
    // A click into the page, then on the finish button.
    void finish();
    // Types into every answer field of the sheet, in page order, what `typed`
    // makes of the field's answer; by default "x": every question answered wrong.
    void answerAll(const std::function<std::string(const FieldAnswer&)>& typed = [](auto&) { return "x"; });
    std::string lastMessage() const;
    void tick(int timer, int times = 1);
    // What a family builds for a click on a node with this tag, drawn with
    // this harness's random source and options.
    Sheet build(TopicFamily& family, const std::string& tag);

private:
    void connect(bool advanced);
};

// The headless front end's options for this data directory.
CliOptions cliOptions(const TestData& data);

// The output of the headless front end over the data directory, seeded with 7
// and logged in with `login` (none: the student item, or the child named), on
// the clock's day or the one given.
std::string runCli(const TestData& data, const std::string& commands,
                   const std::optional<std::string>& login = "238", const std::filesystem::path& recordFile = {},
                   const std::optional<std::string>& child = std::nullopt, const std::optional<Day>& today = {});

}  // namespace tally::test
