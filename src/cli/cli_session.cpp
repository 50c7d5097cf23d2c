// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_session.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/command_words.h"
#include "cli/printable.h"
#include "pg_school/school_desk.h"

namespace tally {
namespace {

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
        {"drag", "NAME H M", "set the hands of the clock NAME to H:M, as dragging them does", &Commands::drag},
        {"finish", "", "submit the page", &Commands::finish},
        {"press", "NAME", "click the page's button NAME", &Commands::press},
        {"mousedown", "", "press the mouse in the page", &Commands::mouseDown},
        {"mouseup", "[NAME]", "let the mouse go in the page, over NAME", &Commands::mouseUp},
        {"key", "NAME", "press the key NAME in the page", &Commands::key},
        {"tick", "Timer1..Timer7 [N]", "let the timer fire N times (1 when not given)", &Commands::tick},
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
        {"answer", "yes|no | N TEXT", "answer the program's next question; on a paper sheet, type the child's answer to question N",
         &Commands::answerOrType},
        {"children", "", "print the children, name and grade, then .", &Commands::printChildren},
        {"child", "add|rename|grade|remove|give|marks ...", "change the children, as the parent",
         &Commands::manageChild},
        {"today", "", "write today's practice page", &Commands::today},
        {"due", "", "print the misses due for review, then .", &Commands::printDue},
        {"misses", "", "print the stored misses: topic, question, typed, right answer, kind of error; then .",
         &Commands::printMisses},
        {"report", "[CHILD]", "write the weekly report (of CHILD, as the parent); page2 prints it", &Commands::report},
        {"waiting", "", "print how many misses wait for review, due today or later", &Commands::printWaiting},
        {"mastery", "TAB", "print each practised topic of the tab with its state, then .", &Commands::printMastery},
        {"marks", "on|off", "show or hide the mastery marks", &Commands::marks},
        {"mix", "COUNT CAPTION:SHARE ...", "write a 口算卷 of those skills and shares (percent, summing to 100)",
         &Commands::mix},
        {"mixes", "", "print the 口算卷 to choose: name, count, skills and shares, 示例 for a ready one; then .",
         &Commands::printMixes},
        {"grid", "NAME", "print the fact grid NAME of the child practising: a row a line, each fact=its state; then .",
         &Commands::printFactGrid},
        {"dabiao", "MINUTES CAPTION:SHARE ...", "start a 口算达标 test of 1, 3 or 5 minutes of those skills and shares",
         &Commands::dabiao},
        {"norms", "GRADE", "print the grade's 口算达标 norms: term, skill, 达标, 良好, 优秀 a minute; then .",
         &Commands::printNorms},
        {"steps", "N", "print the steps of question N of the marked page, a line each, then . (its 看看怎么算)",
         &Commands::printSteps},
        {"print", "", "print the sheet on screen as a worksheet, kept under its code; print the code", &Commands::print},
        {"printed", "", "print the printed sheets: code, date, topic or mix, child; then .", &Commands::printPrinted},
        {"paper", "CODE", "open the marking page of the printed sheet CODE (纸质练习)", &Commands::paper},
        {"wrong", "N ...", "mark questions N ... of the paper sheet wrong (again: right)", &Commands::wrong},
        {"confirm", "", "store the paper sheet as marked", &Commands::confirm},
        {"join", "CODE", "join the class of the teacher's join code on this computer", &Commands::joinClass},
        {"teacher", "PASSWORD [ROLE]", "log in as the teacher (the role teacher when not named)", &Commands::teacher},
        {"class", "add NAME", "make a class, as the teacher; prints its id, name and join code", &Commands::schoolClass},
        {"pupil", "add CLASS NAME PIN | import CLASS FILE",
         "add a pupil (or give the pupil a new PIN); import adds a list of names (CSV) and prints name, PIN; then .",
         &Commands::pupil},
        {"pupils", "CLASS", "print the class's pupils: id and name, then .", &Commands::printPupils},
        {"classes", "", "print the teacher's classes: id, name, join code, pupils; then .", &Commands::printClasses},
        {"classpage", "FILE [CLASS]", "write the teacher's 班级 page (or the class's) to FILE", &Commands::classPage},
        {"termpage", "FILE CLASS", "write the class's term view to FILE", &Commands::termPage},
        {"assign", "CLASS TOPIC COUNT DUE [NAME ...]",
         "hand out COUNT questions of TOPIC (a key or mix:NAME) to the class or the pupils named, due on DUE (YYYY-MM-DD)",
         &Commands::assign},
        {"assignments", "", "print the pupil's or the teacher's assignments: id, class, topic, count, due, title; then .",
         &Commands::printAssignments},
        {"do", "ASSIGNMENT", "open the logged-in pupil's assignment as its sheet; finish hands it in", &Commands::doAssignment},
        {"results", "ASSIGNMENT [FILE]",
         "print each pupil by name: right/answered, then position:typed:√|×:ms; then . (with FILE: write the page)",
         &Commands::results},
        {"missed", "ASSIGNMENT", "print the most missed questions: position, question, answer, wrong/answered, kinds; then .",
         &Commands::missed},
        {"term", "CLASS FROM TO", "print each pupil's share right of each skill from FROM to TO: name, skill, right/answered; then .",
         &Commands::term},
        {"outbox", "", "print how many answers wait to be sent to the teacher, and how many the server refused",
         &Commands::outbox},
        {"sync", "", "send the waiting answers to the school's server now", &Commands::sync},
        {"school-password", "PASSWORD", "keep the lab computer's password for the school's server in its password file",
         &Commands::schoolPassword},
        {"assigned", "", "write 下发的练习, the logged-in pupil's assignments with their marks", &Commands::assigned},
        {"link", "NAME", "follow the page's link NAME (assignment-ID.tallymoo opens that assignment)", &Commands::link},
        {"watch", "SECONDS", "wait up to SECONDS for new assignments; print each: id, topic, count, due, title; then .",
         &Commands::watch},
        {"xapi", "FILE", "write the child's answers that have ids to FILE, an xAPI statement a line", &Commands::xapi},
        {"help", "", "print the commands, then .", &Commands::help},
        {"quit", "", "end the session", nullptr},
    };
    return table;
}

}  // namespace

void Commands::help(const std::string&, std::ostream& out) {
    for (const CliCommand& row : commandTable()) {
        out << row.name << (*row.synopsis ? " " : "") << row.synopsis << "\t" << row.help << "\n";
    }
    out << ".\n";
}

CliSession::CliSession(const CliOptions& options)
    : random_(options.seed), clock_(options.today), data_(options.dataDir), school_(options.school) {
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
    if (school_ && school_->pupil()) form_->setPupil(school_->pupil()->pupil, school_->pupil()->assignments);
    form_->startUp();
    ui_.childAnswer.reset();
    // A parent who logs in names the child whose sheets these are; a child
    // who is not named here is said at once.
    if (startChild_ && (startAdvanced_ || !form_->child() || form_->child()->name != normalName(*startChild_))) {
        if (const std::string problem = form_->chooseChild(*startChild_); !problem.empty()) {
            out << "error: " << printable(problem) << "\n";
        }
    }
    // A pupil starts on 下发的练习, and hears of new assignments from then on.
    if (form_->pupil()) {
        form_->showPupilAssignments();
        school_->watchAssignments();
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
        Commands handlers(ui_, page_, *form_, record_.get(), clock_, school_.get());
        (handlers.*(found->run))(args, out);
        if (school_ && record_ && school_->sendNewSheets(*record_, form_->owner())) form_->showStatus();
    }
    return true;
}

}  // namespace tally
