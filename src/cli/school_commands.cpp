// SPDX-License-Identifier: GPL-3.0-or-later
// The headless commands of the school: a lab computer joining a class, the
// teacher's classes, pupils, assignments and results, and the outbox.
#include <algorithm>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>

#include "app/assignment_form.h"
#include "classroom/teacher_desk.h"
#include "cli/cli_commands.h"
#include "cli/command_words.h"
#include "cli/printable.h"
#include "pg_school/school_desk.h"
#include "classroom/outbox_status.h"

namespace tally {
namespace {

constexpr int kMissedShown = 10;

// The server, or nothing with an error line when this computer has none.
SchoolServer* serverOf(SchoolDesk* school, std::ostream& out) {
    if (school && school->server()) return school->server();
    out << "error: " << printable("这台电脑还没有学校服务器的设置（--school）。") << "\n";
    return nullptr;
}

// Prints the problem of a reply that has no value; true when it has one.
template <typename Value>
bool answered(const SchoolReply<Value>& reply, std::ostream& out) {
    if (!reply.value) out << "error: " << printable(reply.problem) << "\n";
    return reply.value.has_value();
}

std::optional<long long> idNumber(const std::string& text) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stoll(text);
}

// The words of a line, split at blanks.
std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::optional<std::string> fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Writes a page for paper or a look; prints what was done.
void writePage(const std::string& path, const std::string& html, std::ostream& out) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << html;
    file.close();
    if (!file) {
        out << "error: cannot write " << path << "\n";
        return;
    }
    out << "wrote " << path << "\n";
}

// The teacher's class of that name, or nothing with an error line.
std::optional<SchoolClass> classNamed(SchoolServer& server, const std::string& name, std::ostream& out) {
    const auto classes = server.teacherClasses();
    if (!answered(classes, out)) return std::nullopt;
    for (const TaughtClass& taught : *classes.value) {
        if (taught.schoolClass.name == name) return taught.schoolClass;
    }
    out << "error: " << printable("没有这个班级，或者这不是您的班级。") << "\n";
    return std::nullopt;
}

void printAdded(const PupilsAdded& done, std::ostream& out) {
    for (const PinLine& line : done.added) out << printable(line.name) << "\t" << line.pin << "\n";
    for (const RefusedName& name : done.refused) {
        out << "error: line " << name.line << " " << printable(name.name) << ": " << printable(name.why) << "\n";
    }
    out << ".\n";
}

void printTaskList(const std::vector<Assignment>& tasks, std::ostream& out) {
    for (const Assignment& task : tasks) {
        out << task.id << "\t" << task.classId << "\t" << printable(task.topicKey) << "\t" << task.questionCount << "\t"
            << task.due << "\t" << printable(task.title) << "\n";
    }
    out << ".\n";
}

void printResultLine(const PupilResults& line, std::ostream& out) {
    out << printable(line.pupil.name);
    if (line.answers.empty()) {
        out << "\t没有做\n";
        return;
    }
    int right = 0;
    for (const ClassAnswer& answer : line.answers) right += answer.right ? 1 : 0;
    out << "\t" << right << "/" << line.answers.size();
    for (const ClassAnswer& answer : line.answers) {
        out << "\t" << answer.position + 1 << ":" << printable(answer.typed) << ":" << (answer.right ? "√" : "×") << ":"
            << (answer.ms ? std::to_string(*answer.ms) : "-");
    }
    out << "\n";
}

}  // namespace

void Commands::joinClass(const std::string& args, std::ostream& out) {
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    if (const std::string problem = school_->lab().join(*server, args); !problem.empty()) {
        out << "error: " << printable(problem) << "\n";
        return;
    }
    const SchoolClass& joined = school_->lab().classes().back();
    out << "joined " << joined.id << " " << printable(joined.name) << "\n";
}

void Commands::teacher(const std::string& args, std::ostream& out) {
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    const auto [password, role] = splitFirst(args);
    if (answered(server->logInTeacher(role.empty() ? "teacher" : role, password), out)) out << "ok\n";
}

void Commands::schoolClass(const std::string& args, std::ostream& out) {
    const auto [verb, name] = splitFirst(args);
    if (verb != "add" || name.empty()) {
        out << "error: class add NAME\n";
        return;
    }
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    if (const auto made = server->addClass(name); answered(made, out)) {
        out << "class " << made.value->id << " " << printable(made.value->name) << " " << made.value->joinCode << "\n";
    }
}

void Commands::pupil(const std::string& args, std::ostream& out) {
    const auto [verb, rest] = splitFirst(args);
    const auto [className, rest2] = splitFirst(rest);
    const auto [name, pin] = splitFirst(rest2);
    const bool adds = verb == "add" && !pin.empty();
    const bool imports = verb == "import" && !name.empty();
    if (!adds && !imports) {
        out << "error: pupil add CLASS NAME PIN | pupil import CLASS FILE\n";
        return;
    }
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    if (adds) {
        if (const auto added = server->addPupil(className, name, pin); answered(added, out)) {
            out << "pupil " << *added.value << "\n";
        }
        return;
    }
    const std::optional<std::string> bytes = fileBytes(rest2);
    if (!bytes) {
        out << "error: cannot read " << rest2 << "\n";
        return;
    }
    if (const std::optional<SchoolClass> shown = classNamed(*server, className, out)) {
        printAdded(TeacherDesk(*server, {}).importPupils(*shown, *bytes), out);
    }
}

void Commands::printPupils(const std::string& args, std::ostream& out) {
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    if (const auto found = server->pupils(args); answered(found, out)) {
        for (const Pupil& one : *found.value) out << one.id << "\t" << printable(one.name) << "\n";
        out << ".\n";
    }
}

void Commands::assign(const std::string& args, std::ostream& out) {
    const std::vector<std::string> words = wordsOf(args);
    const std::optional<long long> questions = words.size() >= 4 ? idNumber(words[2]) : std::nullopt;
    if (!questions) {
        out << "error: assign CLASS TOPIC COUNT DUE [NAME ...]\n";
        return;
    }
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    const AssignmentRequest request{words[1], static_cast<int>(std::min<long long>(*questions, 1000)), words[3],
                                    words.size() > 4, {words.begin() + 4, words.end()}};
    if (const std::string problem = assignmentProblem(request, form_->today(), form_->familyTable()); !problem.empty()) {
        out << "error: " << printable(problem) << "\n";
        return;
    }
    const Assignment task = assignmentOf(request, form_->familyTable());
    if (const auto made = server->assign(words[0], task, request.pupilNames); answered(made, out)) {
        out << "assignment " << *made.value << "\n";
    }
}

void Commands::printClasses(const std::string&, std::ostream& out) {
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    if (const auto classes = server->teacherClasses(); answered(classes, out)) {
        for (const TaughtClass& taught : *classes.value) {
            out << taught.schoolClass.id << "\t" << printable(taught.schoolClass.name) << "\t"
                << taught.schoolClass.joinCode << "\t" << taught.pupils << "\n";
        }
        out << ".\n";
    }
}

void Commands::classPage(const std::string& args, std::ostream& out) {
    const auto [path, className] = splitFirst(args);
    if (path.empty()) {
        out << "error: classpage FILE [CLASS]\n";
        return;
    }
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    TeacherDesk desk(*server, skillCaptions());
    if (className.empty()) return writePage(path, desk.classesPage(), out);
    if (const std::optional<SchoolClass> shown = classNamed(*server, className, out)) {
        writePage(path, desk.classPage(shown->id), out);
    }
}

void Commands::termPage(const std::string& args, std::ostream& out) {
    const auto [path, className] = splitFirst(args);
    SchoolServer* server = className.empty() ? nullptr : serverOf(school_, out);
    if (className.empty()) out << "error: termpage FILE CLASS\n";
    if (!server) return;
    if (const std::optional<SchoolClass> shown = classNamed(*server, className, out)) {
        writePage(path, TeacherDesk(*server, skillCaptions()).termPage(shown->id, form_->today()), out);
    }
}

void Commands::printAssignments(const std::string&, std::ostream& out) {
    if (school_ && school_->pupil() && school_->server()) {
        printTaskList(school_->lab().assignmentsNow(*school_->server(), *school_->pupil()), out);
        return;
    }
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    if (const auto found = server->teacherAssignments(); answered(found, out)) printTaskList(*found.value, out);
}

void Commands::doAssignment(const std::string& args, std::ostream& out) {
    const std::optional<long long> id = idNumber(args);
    if (!id) {
        out << "error: do ASSIGNMENT\n";
        return;
    }
    if (!school_ || !school_->pupil() || !school_->server()) {
        out << "error: " << printable("先要有学生登录，才能做老师下发的练习。") << "\n";
        return;
    }
    const std::vector<Assignment> tasks = school_->lab().assignmentsNow(*school_->server(), *school_->pupil());
    const auto task = std::find_if(tasks.begin(), tasks.end(), [&](const Assignment& one) { return one.id == *id; });
    if (task == tasks.end()) {
        out << "error: " << printable("没有这份练习。") << "\n";
        return;
    }
    if (const std::string problem = form_->openAssignment(*task); !problem.empty()) {
        out << "error: " << printable(problem) << "\n";
    }
}

void Commands::results(const std::string& args, std::ostream& out) {
    const auto [number, path] = splitFirst(args);
    const std::optional<long long> id = idNumber(number);
    SchoolServer* server = id ? serverOf(school_, out) : nullptr;
    if (!id) out << "error: results ASSIGNMENT [FILE.html]\n";
    if (!server) return;
    if (!path.empty()) return writePage(path, TeacherDesk(*server, {}).resultsPage(*id), out);
    if (const auto table = server->results(*id); answered(table, out)) {
        for (const PupilResults& line : *table.value) printResultLine(line, out);
        out << ".\n";
    }
}

void Commands::missed(const std::string& args, std::ostream& out) {
    const std::optional<long long> id = idNumber(args);
    SchoolServer* server = id ? serverOf(school_, out) : nullptr;
    if (!id) out << "error: missed ASSIGNMENT\n";
    if (!server) return;
    if (const auto often = server->missedOften(*id, kMissedShown); answered(often, out)) {
        for (const MissedOften& question : *often.value) {
            out << question.position + 1 << "\t" << printable(question.question) << "\t" << printable(question.correct)
                << "\t" << question.wrong << "/" << question.answered;
            for (const auto& [kind, times] : question.errorKinds) out << "\t" << printable(kind) << ":" << times;
            out << "\n";
        }
        out << ".\n";
    }
}

void Commands::term(const std::string& args, std::ostream& out) {
    const auto [className, rest] = splitFirst(args);
    const auto [fromDay, toDay] = splitFirst(rest);
    if (toDay.empty()) {
        out << "error: term CLASS FROM TO\n";
        return;
    }
    SchoolServer* server = serverOf(school_, out);
    if (!server) return;
    if (const auto shares = server->termShares(className, fromDay, toDay); answered(shares, out)) {
        for (const SkillShare& share : *shares.value) {
            out << printable(share.pupil) << "\t" << printable(share.topicKey) << "\t" << share.right << "/"
                << share.answered << "\n";
        }
        out << ".\n";
    }
}

void Commands::outbox(const std::string&, std::ostream& out) {
    const int waiting = record_ ? record_->unsentCount(form_->owner()) : 0;
    const int refused = record_ ? record_->refusedCount(form_->owner()) : 0;
    out << waiting << (waiting ? "\t" + outboxStatusText(waiting) : "");
    if (refused) out << "\trefused " << refused << "\t" << refusedStatusText(refused);
    out << "\n";
}

void Commands::sync(const std::string&, std::ostream& out) {
    if (!record_ || !school_) {
        out << "error: " << printable("先要有学生登录，才能交题。") << "\n";
        return;
    }
    const Upload done = school_->sync(*record_, form_->owner());
    if (!done.problem.empty()) out << "error: " << printable(done.problem) << "\n";
    form_->showStatus();
    out << "sent " << done.sent << " waiting " << done.waiting;
    if (done.refused) out << " refused " << done.refused;
    out << "\n";
}

void Commands::schoolPassword(const std::string& args, std::ostream& out) {
    if (!school_ || args.empty()) {
        out << "error: school-password PASSWORD\n";
        return;
    }
    if (!school_->lab().keepServerPassword(args)) {
        out << "error: " << printable("这台电脑记不下学校服务器的密码，请看看用户文件夹能不能写。") << "\n";
        return;
    }
    out << "ok\n";
}

}  // namespace tally
