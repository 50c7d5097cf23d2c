// SPDX-License-Identifier: GPL-3.0-or-later
// The headless commands of the window and its page: the toolbar, the tree, typing, keys and timers.
#include "cli/cli_commands.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "daily/mastery_marks.h"
#include "daily/record_rows.h"
#include "daily/waiting_rows.h"
#include "app/toolbar_actions.h"
#include "app/mix_sheet.h"
#include "cli/command_words.h"
#include "cli/printable.h"
#include "pictures/clock_picture.h"
#include "progress/record_trouble.h"
#include "skills/ready_mixes.h"
#include "skills/skill_mix.h"
#include "topics/catalogue.h"
#include "window/children_dialog.h"
#include "window/options_dialog.h"

namespace tally {

void Commands::login(const std::string& args, std::ostream&) {
    ui_.loginAnswer = args.empty() ? std::nullopt : std::optional<std::string>(args);
    form_->clickToolbar("w11");
}

void Commands::password(const std::string& args, std::ostream&) {
    auto [oldPassword, newPassword] = splitFirst(args);
    ui_.passwordAnswer = std::make_pair(oldPassword, newPassword);
    form_->clickToolbar("w1");
    ui_.passwordAnswer.reset();
}

void Commands::toolbar(const std::string& args, std::ostream& out) {
    if (!toolbarAction(args)) {
        out << "error: no toolbar button " << args << "\n";
        return;
    }
    form_->clickToolbar(args);
}

void Commands::spin(const std::string& args, std::ostream& out) {
    auto [name, direction] = splitFirst(args);
    const int upDown = numbered(name, "UpDown", 3);
    if (upDown == 0 || (direction != "up" && direction != "down")) {
        out << "error: spin UpDown1..UpDown3 up|down\n";
        return;
    }
    form_->spin(upDown, direction == "up");
}

void Commands::tab(const std::string& args, std::ostream& out) { openTab(args, out); }

bool Commands::openTab(const std::string& args, std::ostream& out) {
    const std::string caption = currentTabCaption(args);
    const auto& all = tabs();
    if (std::none_of(all.begin(), all.end(), [&](const Tab& tab) { return tab.caption == caption; })) {
        out << "error: no tab " << args << "\n";
        return false;
    }
    form_->clickTab(caption);
    return true;
}

void Commands::click(const std::string& args, std::ostream& out) {
    if (!form_->tree().find(args)) {
        out << "error: no node " << args << "\n";
        return;
    }
    form_->clickNode(args);
}

void Commands::set(const std::string& args, std::ostream& out) {
    auto [name, value] = splitFirst(args);
    if (!page_.has(name)) {
        out << "error: no element " << name << "\n";
        return;
    }
    form_->pageInput(name, value, page_.generation());
}

// The hands write their time into the clock's field, as in the window.
void Commands::drag(const std::string& args, std::ostream& out) {
    std::istringstream words(args);
    std::string name;
    int hours = -1;
    int minutes = -1;
    std::string more;
    if (!(words >> name >> hours >> minutes) || (words >> more) || hours < 0 || hours > 23 || minutes < 0 ||
        minutes > 59) {
        out << "error: drag NAME H M, H 0..23, M 0..59\n";
        return;
    }
    if (page_.attribute(name, "class") != "dial") {
        out << "error: no clock " << name << "\n";
        return;
    }
    form_->pageInput(name, clockHandsValue(hours, minutes), page_.generation());
}

void Commands::finish(const std::string&, std::ostream&) {
    form_->pageClick("");
    form_->pageClick("finish");
}

// Pages whose button is not the grader's "finish" (the standard intelligence test).

void Commands::press(const std::string& args, std::ostream& out) {
    if (!page_.has(args)) {
        out << "error: no element " << args << "\n";
        return;
    }
    form_->pageClick("");
    form_->pageClick(args);
}

void Commands::mouseDown(const std::string&, std::ostream&) { form_->pageMouseDown(); }

void Commands::mouseUp(const std::string& args, std::ostream&) { form_->pageMouseUp(args); }

// A key pressed in the page, by its name as the page sees it: "3", "ArrowLeft", "Enter".

void Commands::key(const std::string& args, std::ostream& out) {
    if (args.empty() || args.find(' ') != std::string::npos) {
        out << "error: key NAME\n";
        return;
    }
    form_->pageKey(args, page_.generation());
}

void Commands::wait(const std::string& args, std::ostream& out) {
    const std::optional<long long> ms = waitMilliseconds(args);
    if (!ms) {
        out << "error: wait MS, MS from 0 to " << kMaxWaitMs << "\n";
        return;
    }
    clock_.wait(*ms);
}

// An answer left empty has no time: "-".

void Commands::printTimes(const std::string&, std::ostream& out) {
    for (const AnswerTime& answer : form_->lastAnswerTimes()) {
        out << printable(answer.field) << "\t" << (answer.right ? "right" : "wrong") << "\t"
            << (answer.ms ? std::to_string(*answer.ms) : "-") << "\n";
    }
    out << ".\n";
}

void Commands::printPage(const std::string&, std::ostream& out) {
    out << printable(oneLine(page_.bodyHtml())) << "\n";
}

// A page the program built has no path: its HTML follows the word "built".

void Commands::printPage2(const std::string&, std::ostream& out) {
    out << printable(ui_.page2Html.empty() ? ui_.page2Path : "built " + oneLine(ui_.page2Html)) << "\n";
}

void Commands::printFront(const std::string&, std::ostream& out) { out << paneName(ui_.front) << "\n"; }

void Commands::printStatus(const std::string&, std::ostream& out) { out << printable(ui_.status) << "\n"; }

void Commands::printMessages(const std::string&, std::ostream& out) {
    for (const auto& [title, text] : ui_.messages) out << printable(title) << "|" << printable(text) << "\n";
    ui_.messages.clear();
    out << ".\n";
}

void Commands::options(const std::string& args, std::ostream& out) {
    auto [count, seconds] = splitFirst(args);
    int countChoice = choiceIndex(count, OptionsDialog::kCountValues);
    int memoryChoice = choiceIndex(seconds, OptionsDialog::kMemoryValues);
    if (countChoice == -2 || memoryChoice == -2) {
        out << "error: options 10|20|50|- 8|5|3|-\n";
        return;
    }
    ui_.optionsAnswer = std::make_pair(countChoice, memoryChoice);
    form_->clickToolbar("w2");
    ui_.optionsAnswer.reset();
}

void Commands::tick(const std::string& args, std::ostream& out) {
    auto [name, countText] = splitFirst(args);
    const int timer = numbered(name, "Timer", TimerBank::kCount);
    const auto count = tickCount(countText);
    if (timer == 0 || !count) {
        out << "error: tick Timer1..Timer7 [N], N from 0 to " << kMaxTicks << "\n";
        return;
    }
    for (int i = 0; i < *count; ++i) {
        if (form_->timers().enabled(timer)) form_->timerFired(timer);
    }
}

// Pre-order, as the tree shows it: each node, then its children in the
// order they were added.

void Commands::printTree(const std::string&, std::ostream& out) {
    const TreeModel& tree = form_->tree();
    std::map<std::string, std::vector<const TopicNode*>> children;
    for (const TopicNode& node : tree.nodes()) children[node.parent].push_back(&node);
    std::vector<std::pair<const TopicNode*, int>> pending;  // node and depth, last one next
    const auto pushChildren = [&](const std::string& parent, int depth) {
        const auto& list = children[parent];
        for (auto it = list.rbegin(); it != list.rend(); ++it) pending.emplace_back(*it, depth);
    };
    pushChildren("", 0);
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        out << std::string(2 * depth, ' ') << printable(node->key) << '\t' << printable(node->caption) << '\t'
            << printable(node->tag) << '\t' << (tree.hasChildren(node->key) ? (node->expanded ? "+" : "-") : ".")
            << (node->key == tree.selectedKey() ? "*" : "") << "\n";
        pushChildren(node->key, depth + 1);
    }
}

void Commands::printState(const std::string& name, std::ostream& out) {
    const Form1& f = *form_;
    const LevelGameState& level = f.families().levelGame.state();
    const SheetOptions& options = f.options();
    if (int timer = numbered(name, "Timer", TimerBank::kCount)) {
        if (f.timers().enabled(timer)) {
            out << "on " << f.timers().interval(timer) << "\n";
        } else {
            out << "off\n";
        }
    } else if (name == "QuestionCount") out << options.questionCount << "\n";
    else if (name == "ThinkSeconds") out << f.thinkSeconds() << "\n";
    else if (name == "gameKey") out << level.gameKey << "\n";
    else if (name == "msPerQuestion") out << options.msPerQuestion << "\n";
    else if (name == "MemoryTime") out << options.memoryTime << "\n";
    else if (name == "DrillForm") out << drillFormKey(options.drillForm) << "\n";
    else if (name == "AccountLevel") out << (f.loginIsAdvanced() ? "advanced" : "student") << "\n";
    else if (name == "numberLimit") out << level.numberLimit << "\n";
    else if (name == "levelScore") out << level.levelScore << "\n";
    else if (name == "questionNo") out << level.questionNo << "\n";
    else if (name == "lives") out << level.lives << "\n";
    else if (name == "levelCounter") {
        out << level.levelCounter[0] << " " << level.levelCounter[1] << " " << level.levelCounter[2] << " "
            << level.levelCounter[3] << "\n";
    } else {
        out << "error: no state " << name << "\n";
    }
}


}  // namespace tally
