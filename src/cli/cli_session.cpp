// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_session.h"

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
#include "progress/record_trouble.h"
#include "skills/ready_mixes.h"
#include "skills/skill_mix.h"
#include "topics/catalogue.h"
#include "window/children_dialog.h"
#include "window/options_dialog.h"

namespace tally {
namespace {

// The commands' handlers, over the session's parts. Each takes the rest of
// its line and answers on `out`.
class Commands {
public:
    Commands(HeadlessUi& ui, HtmlPage& page, Form1& form, SqliteRecord* record, HeadlessClock& clock)
        : ui_(ui), page_(page), form_(&form), record_(record), clock_(clock) {}

    void login(const std::string& args, std::ostream& out);
    void password(const std::string& args, std::ostream& out);
    void options(const std::string& args, std::ostream& out);
    void toolbar(const std::string& args, std::ostream& out);
    void spin(const std::string& args, std::ostream& out);
    void tab(const std::string& args, std::ostream& out);
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
    void report(const std::string& args, std::ostream& out);
    void printWaiting(const std::string& args, std::ostream& out);
    void printMastery(const std::string& args, std::ostream& out);
    void marks(const std::string& args, std::ostream& out);
    void printChildren(const std::string& args, std::ostream& out);
    void manageChild(const std::string& args, std::ostream& out);
    void mix(const std::string& args, std::ostream& out);
    void printMixes(const std::string& args, std::ostream& out);
    void wait(const std::string& args, std::ostream& out);
    void printTimes(const std::string& args, std::ostream& out);
    void help(const std::string& args, std::ostream& out);

private:
    // Opens the tab; false (and an error line) when there is none of that name.
    bool openTab(const std::string& args, std::ostream& out);

    HeadlessUi& ui_;
    HtmlPage& page_;
    Form1* form_;
    SqliteRecord* record_;
    HeadlessClock& clock_;
};

// One command a row: its name, what follows it, what it does, its handler
// (none for "quit", which ends the session). `help` prints the table.
struct CliCommand {
    const char* name;
    const char* synopsis;
    const char* help;
    void (Commands::*run)(const std::string& args, std::ostream& out);
};

const std::vector<CliCommand>& commandTable() {
    static const std::vector<CliCommand> table = {
        {"login", "[PASSWORD]", "log in: as the parent with PASSWORD, else as the student", &Commands::login},
        {"password", "OLD NEW", "change the parent's password", &Commands::password},
        {"options", "10|20|50|- 8|5|3|-", "set the question count and the memory seconds (-: as they are)",
         &Commands::options},
        {"toolbar", "KEY", "click the toolbar's button KEY", &Commands::toolbar},
        {"spin", "UpDown1..UpDown3 up|down", "turn a spin box", &Commands::spin},
        {"tab", "CAPTION", "open the tab", &Commands::tab},
        {"tree", "", "print the tab's tree: key, caption, tag, state, a line each", &Commands::printTree},
        {"click", "KEY", "click the tree's node KEY", &Commands::click},
        {"set", "NAME VALUE", "type VALUE into the page's field NAME", &Commands::set},
        {"finish", "", "submit the page", &Commands::finish},
        {"press", "NAME", "click the page's button NAME", &Commands::press},
        {"mousedown", "", "press the mouse in the page", &Commands::mouseDown},
        {"mouseup", "[NAME]", "let the mouse go in the page, over NAME", &Commands::mouseUp},
        {"key", "NAME", "press the key NAME in the page", &Commands::key},
        {"tick", "Timer1..Timer6 [N]", "let the timer fire N times (1 when not given)", &Commands::tick},
        {"wait", "MS", "let MS milliseconds pass (what the answers' times are measured by)", &Commands::wait},
        {"times", "", "print each answer of the last marked page: field, right or wrong, milliseconds; then .",
         &Commands::printTimes},
        {"page", "", "print the first pane's page on one line", &Commands::printPage},
        {"page2", "", "print the second pane's file, or built and its page", &Commands::printPage2},
        {"front", "", "print which pane is in front", &Commands::printFront},
        {"status", "", "print the status bar", &Commands::printStatus},
        {"messages", "", "print what was said since the last time, then .", &Commands::printMessages},
        {"state", "NAME", "print a value of the model (Timer1, QuestionCount, lives, ...)", &Commands::printState},
        {"record", "", "print the stored sheets, newest first, then .", &Commands::printRecord},
        {"redrill", "", "write the re-drill sheet", &Commands::redrill},
        {"answer", "yes|no", "answer the program's next question", &Commands::answer},
        {"children", "", "print the children, name and grade, then .", &Commands::printChildren},
        {"child", "add|rename|grade|remove|give|marks ...", "change the children, as the parent",
         &Commands::manageChild},
        {"today", "", "write today's practice page", &Commands::today},
        {"due", "", "print the misses due for review, then .", &Commands::printDue},
        {"report", "[CHILD]", "write the weekly report (of CHILD, as the parent); page2 prints it", &Commands::report},
        {"waiting", "", "print how many misses wait for review, due today or later", &Commands::printWaiting},
        {"mastery", "TAB", "print each practised topic of the tab with its state, then .", &Commands::printMastery},
        {"marks", "on|off", "show or hide the mastery marks", &Commands::marks},
        {"mix", "COUNT CAPTION:SHARE ...", "write a 口算卷 of those skills and shares (percent, summing to 100)",
         &Commands::mix},
        {"mixes", "", "print the 口算卷 to choose: name, count, skills and shares, 示例 for a ready one; then .",
         &Commands::printMixes},
        {"help", "", "print the commands, then .", &Commands::help},
        {"quit", "", "end the session", nullptr},
    };
    return table;
}

}  // namespace

CliSession::CliSession(const CliOptions& options)
    : random_(options.seed), clock_(options.today), data_(options.dataDir) {
    ui_.loginAnswer = options.loginPassword;
    ui_.childAnswer = options.child;
    startChild_ = options.child;
    startAdvanced_ = options.loginPassword.has_value();
    if (!options.writeFallback.empty()) data_.setWriteFallback(options.writeFallback);
    data_.setRootReadOnly(options.dataReadOnly);
    form_ = std::make_unique<Form1>(Ports{ui_, page_, random_, ui_, data_, clock_});
    form_->keepOnlyChildSettings();
    form_->setPracticeGrade(options.grade);
    if (!options.recordFile.empty()) {
        record_ = std::make_unique<SqliteRecord>(options.recordFile);
        form_->setRecord(record_.get());
    }
}

void CliSession::run(std::istream& in, std::ostream& out) {
    form_->startUp();
    ui_.childAnswer.reset();
    // A parent who logs in names the child whose sheets these are; a child
    // who is not named here is said at once.
    if (startChild_ && (startAdvanced_ || !form_->child() || form_->child()->name != normalName(*startChild_))) {
        if (const std::string problem = form_->chooseChild(*startChild_); !problem.empty()) {
            out << "error: " << printable(problem) << "\n";
        }
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!execute(line, out)) break;
        out.flush();
    }
}

bool CliSession::execute(const std::string& line, std::ostream& out) {
    const auto [command, args] = splitFirst(line);
    if (command.empty()) return true;
    const auto& known = commandTable();
    const auto found = std::find_if(known.begin(), known.end(), [&](const CliCommand& row) { return command == row.name; });
    if (found == known.end()) {
        out << "error: unknown command " << command << "\n";
    } else if (!found->run) {
        return false;
    } else {
        Commands handlers(ui_, page_, *form_, record_.get(), clock_);
        (handlers.*(found->run))(args, out);
    }
    return true;
}

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

void Commands::redrill(const std::string&, std::ostream&) { form_->redrill(); }

// How the next question of the program is answered: its first button (yes,
// "交卷", "离开") or its second (no, "继续做"). Unanswered questions take the first.
void Commands::answer(const std::string& args, std::ostream& out) {
    if (args != "yes" && args != "no") {
        out << "error: answer yes|no\n";
        return;
    }
    ui_.askAnswers.push_back(args == "yes");
}

void Commands::printRecord(const std::string&, std::ostream& out) {
    if (record_) {
        // Once children are named, each line says whose sheet it is.
        const std::string whose = !form_->childMode() ? ""
                                  : form_->child()   ? printable(form_->child()->name) + "\t"
                                                   : std::string(kEarlierRecordsName) + "\t";
        for (const MarkedSheet& sheet : record_->latestSheets(form_->owner(), std::numeric_limits<int>::max())) {
            out << whose << printable(sheet.when) << "\t" << printable(sheet.topicKey) << "\t" << sheet.questions << "\t"
                << sheet.right << "\t" << sheet.score << "\t" << sheet.seconds << "\n";
        }
    }
    out << ".\n";
}

// As the parent writes it on the 口算 tab's 口算卷 page and clicks 出卷.
void Commands::mix(const std::string& args, std::ostream& out) {
    const std::size_t said = ui_.messages.size();
    if (!writeMixSheet(*form_, args)) {
        out << "error: " << (ui_.messages.size() > said ? printable(ui_.messages.back().second) : "no sheet") << "\n";
    }
}

void Commands::printMixes(const std::string&, std::ostream& out) {
    const std::vector<ListedMix> listed = record_ ? mixesFor(*record_, form_->owner()) : readyMixes();
    for (const ListedMix& each : listed) {
        const std::string words = mixWords(each.mix);
        out << printable(each.mix.name) << "\t" << printable(words.substr(words.find(' ') + 1)) << "\t"
            << each.mix.questionCount << (each.example() ? std::string("\t") + kExampleLabel : "") << "\n";
    }
    out << ".\n";
}

void Commands::printChildren(const std::string&, std::ostream& out) {
    for (const Child& child : form_->children()) out << printable(child.name) << "\t" << child.grade << "\n";
    out << ".\n";
}

// The parent's 孩子 dialog, one change a line: add NAME GRADE, rename OLD NEW,
// grade NAME GRADE, remove NAME (both questions answered as told, yes when
// not told), give NAME (the sheets of no child), marks on|off.
void Commands::manageChild(const std::string& args, std::ostream& out) {
    const ChildrenAction action = childrenAction(args);
    if (!action) {
        out << "error: child add NAME GRADE | rename OLD NEW | grade NAME GRADE | remove NAME | give NAME |"
               " marks on|off\n";
        return;
    }
    const int dialogs = ui_.childrenDialogs;
    ui_.childrenAction = action;
    ui_.childrenResult.clear();
    form_->clickToolbar("w14");
    ui_.childrenAction = nullptr;
    if (ui_.childrenDialogs == dialogs) {
        // Refused before the dialog opened: said as an error, not twice.
        const std::string why = ui_.messages.empty() ? "孩子的名单现在不能改。" : ui_.messages.back().second;
        if (!ui_.messages.empty()) ui_.messages.pop_back();
        out << "error: " << printable(why) << "\n";
    } else if (!ui_.childrenResult.empty()) {
        out << "error: " << printable(ui_.childrenResult) << "\n";
    }
}

void Commands::today(const std::string&, std::ostream&) { form_->showToday(); }

void Commands::printDue(const std::string&, std::ostream& out) {
    if (record_) {
        for (const ReviewItem& item : dueMisses(*record_, form_->owner(), form_->today()).value_or(std::vector<ReviewItem>{})) {
            out << printable(item.question.topicKey) << "\t" << printable(item.question.question) << "\t"
                << dayText(item.due) << "\n";
        }
    }
    out << ".\n";
}

// A child alone gets their own report; the parent may name any child.
void Commands::report(const std::string& args, std::ostream& out) {
    if (args.empty()) {
        form_->clickToolbar("w15");
        return;
    }
    const std::optional<Child> named = childNamed(form_->children(), args);
    if (!named) {
        out << "error: no child " << printable(args) << "\n";
    } else if (named->id != form_->owner() && !form_->loginIsAdvanced()) {
        out << "error: 别的孩子的报告要请爸爸妈妈先用高级用户登录。\n";
    } else {
        form_->showReportOf(named->id);
    }
}

void Commands::printWaiting(const std::string&, std::ostream& out) {
    const std::optional<int> waiting = record_ ? waitingMisses(*record_, form_->owner()) : std::nullopt;
    if (waiting) {
        out << *waiting << "\n";
    } else {
        out << "error: " << (record_ ? printable(recordTroubleMessage(record_->trouble(), false)) : "no record") << "\n";
    }
}

void Commands::printMastery(const std::string& args, std::ostream& out) {
    if (!openTab(args, out)) return;
    if (record_) {
        for (const NodeMastery& topic : treeMastery(form_->tree(), *record_, form_->owner())) {
            out << printable(topic.key) << "\t" << printable(topic.caption) << "\t"
                << masteryCaption(topic.mastery.state) << "\n";
        }
    }
    out << ".\n";
}

void Commands::marks(const std::string& args, std::ostream& out) {
    if (args != "on" && args != "off") {
        out << "error: marks on|off\n";
        return;
    }
    form_->setOption(&SheetOptions::masteryMarks, args == "on");
    if (form_->options().masteryMarks != (args == "on")) out << "error: only the parent turns the marks on or off\n";
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
        out << "error: tick Timer1..Timer6 [N], N from 0 to " << kMaxTicks << "\n";
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

void Commands::help(const std::string&, std::ostream& out) {
    for (const CliCommand& row : commandTable()) {
        out << row.name << (*row.synopsis ? " " : "") << row.synopsis << "\t" << row.help << "\n";
    }
    out << ".\n";
}

}  // namespace tally
