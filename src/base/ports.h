// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tally {

// A uniform value in [0, 1). One source is seeded once when the program starts.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Int(R x span) + base, the draw every generator uses.
int drawInt(RandomSource& random, double span, int base);

struct TimeOfDay {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

// A day as a number: days since 1970-01-01 (a Thursday). Plain arithmetic
// gives the day after, the week before, and the gap between two days.
using Day = int;

// The time of day and the date the practice, the review and the record go by.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay now() const = 0;
    virtual Day today() const = 0;
    // A count of milliseconds that only goes forward, from any start: what
    // the time of an answer is measured by.
    virtual long long milliseconds() const = 0;
};

// The program directory: relative paths use "/" and never leave the directory.
class DataDirectory {
public:
    virtual ~DataDirectory() = default;
    virtual bool exists(const std::string& relPath) const = 0;
    // File names of a folder in ascending name order; nullopt if it is missing.
    virtual std::optional<std::vector<std::string>> list(const std::string& relFolder) const = 0;
    // The whole file as bytes; nullopt if it cannot be read.
    virtual std::optional<std::string> read(const std::string& relPath) const = 0;
    // Replaces the file atomically; false when it could not be written.
    virtual bool replace(const std::string& relPath, const std::string& bytes) = 0;
    // What tells this directory from the others of the computer (its
    // folder), for what the record keeps of its files.
    virtual std::string place() const { return {}; }
};

enum class Pane { WebBrowser1, WebBrowser2, Picture2 };

// The sheet on screen as a worksheet for paper.
struct PrintableWorksheet {
    std::string document;  // the whole HTML document; empty when the page holds no sheet
    std::string choice;    // how the window offers it: with its answer key for the parent only
};

class LoginDialog;
class PasswordDialog;
class OptionsDialog;
class ChildrenDialog;

// What a topic family may ask of the window: messages and questions, the
// panes, a sound and the status line.
class FamilyWindow {
public:
    virtual ~FamilyWindow() = default;
    // Modal message box with an OK button; returns when it is closed.
    virtual void message(const std::string& title, const std::string& text) = 0;
    // Modal question titled "提示" with two buttons; true for the first ("交卷").
    virtual bool ask(const std::string& text, const std::string& yes, const std::string& no) = 0;
    virtual void bringToFront(Pane pane) = 0;
    // Loads a file of the data directory into a browser pane.
    virtual void navigate(Pane pane, const std::string& relPath) = 0;
    // Shows a whole page the program built (UTF-8 HTML) in a browser pane; its
    // relative links resolve inside the data directory.
    virtual void showPage(Pane pane, const std::string& html) = 0;
    virtual void playSound(const std::string& relPath) = 0;
    virtual void setStatus(const std::string& text) = 0;
    // The tree (nodes, expansion, selection) has changed and must be shown anew.
    virtual void treeChanged() = 0;
};

// What the core asks of the window around it: the families' part, and the
// tabs, the clock, the dialogs and printing the main window's model uses.
class UserInterface : public FamilyWindow {
public:
    // The tab strip shows this tab again (a tab click that was called off).
    virtual void selectTab(const std::string& caption) = 0;
    // The clock hands or the spinner texts have changed.
    virtual void clockChanged() = 0;
    // Modal dialogs; each returns when the dialog has been closed.
    virtual void runLoginDialog(LoginDialog& dialog) = 0;
    virtual void runPasswordDialog(PasswordDialog& dialog) = 0;
    virtual void runOptionsDialog(OptionsDialog& dialog) = 0;
    // The parent's 孩子 dialog.
    virtual void runChildrenDialog(ChildrenDialog& /*dialog*/) {}
    // Who is practising ("小明 · 二年级"), for the window's title and status
    // bar; "" when no child is named.
    virtual void showWho(const std::string& /*who*/) {}
    // The tree's marks have changed, its nodes, expansion and selection not.
    virtual void marksChanged() {}
    // The drill form chosen by the program (settings restored): the toolbar
    // shows its button ("w6"…"w9") pressed.
    virtual void showDrillForm(const std::string& /*key*/) {}
    // The teacher's 班级 view of the school's server (the teacher logs in
    // first); false where this window has no school's server.
    virtual bool showClassroom() { return false; }
    // Prints the pane in front. `worksheet` is the sheet WebBrowser1 shows as a
    // printable worksheet: a window may offer it, as it says, while
    // WebBrowser1 is in front.
    virtual void print(const PrintableWorksheet& worksheet) = 0;
};

}  // namespace tally
