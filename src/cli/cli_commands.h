// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <iosfwd>
#include <string>

#include "app/form1.h"
#include "cli/headless_clock.h"
#include "cli/headless_ui.h"
#include "page/html_page.h"
#include "sqlite_record/sqlite_record.h"

namespace tally {

class SchoolDesk;

// The commands' handlers, over the session's parts. Each takes the rest of
// its line and answers on `out`.
class Commands {
public:
    Commands(HeadlessUi& ui, HtmlPage& page, Form1& form, SqliteRecord* record, HeadlessClock& clock,
             SchoolDesk* school = nullptr)
        : ui_(ui), page_(page), form_(&form), record_(record), clock_(clock), school_(school) {}

    void login(const std::string& args, std::ostream& out);
    void password(const std::string& args, std::ostream& out);
    void options(const std::string& args, std::ostream& out);
    void toolbar(const std::string& args, std::ostream& out);
    void spin(const std::string& args, std::ostream& out);
    void tab(const std::string& args, std::ostream& out);
    void click(const std::string& args, std::ostream& out);
    void set(const std::string& args, std::ostream& out);
    void drag(const std::string& args, std::ostream& out);
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
    void printMisses(const std::string& args, std::ostream& out);
    void report(const std::string& args, std::ostream& out);
    void printWaiting(const std::string& args, std::ostream& out);
    void printMastery(const std::string& args, std::ostream& out);
    void marks(const std::string& args, std::ostream& out);
    void printChildren(const std::string& args, std::ostream& out);
    void manageChild(const std::string& args, std::ostream& out);
    void mix(const std::string& args, std::ostream& out);
    void printMixes(const std::string& args, std::ostream& out);
    void dabiao(const std::string& args, std::ostream& out);
    void printNorms(const std::string& args, std::ostream& out);
    void wait(const std::string& args, std::ostream& out);
    void printTimes(const std::string& args, std::ostream& out);
    void printFactGrid(const std::string& args, std::ostream& out);
    void printSteps(const std::string& args, std::ostream& out);
    void print(const std::string& args, std::ostream& out);
    void printPrinted(const std::string& args, std::ostream& out);
    void paper(const std::string& args, std::ostream& out);
    void wrong(const std::string& args, std::ostream& out);
    // "yes" or "no" answers the program's next question; "N TEXT" types the
    // child's answer to question N of the paper sheet.
    void answerOrType(const std::string& args, std::ostream& out);
    void confirm(const std::string& args, std::ostream& out);
    void xapi(const std::string& args, std::ostream& out);
    void help(const std::string& args, std::ostream& out);
    // The school's (cli/school_commands.cpp).
    void joinClass(const std::string& args, std::ostream& out);
    void teacher(const std::string& args, std::ostream& out);
    void schoolClass(const std::string& args, std::ostream& out);
    void pupil(const std::string& args, std::ostream& out);
    void printPupils(const std::string& args, std::ostream& out);
    void assign(const std::string& args, std::ostream& out);
    void printAssignments(const std::string& args, std::ostream& out);
    void printClasses(const std::string& args, std::ostream& out);
    void classPage(const std::string& args, std::ostream& out);
    void termPage(const std::string& args, std::ostream& out);
    void doAssignment(const std::string& args, std::ostream& out);
    void results(const std::string& args, std::ostream& out);
    void missed(const std::string& args, std::ostream& out);
    void term(const std::string& args, std::ostream& out);
    void outbox(const std::string& args, std::ostream& out);
    void sync(const std::string& args, std::ostream& out);
    void schoolPassword(const std::string& args, std::ostream& out);
    // A pupil's (cli/pupil_commands.cpp).
    void assigned(const std::string& args, std::ostream& out);
    void link(const std::string& args, std::ostream& out);
    void watch(const std::string& args, std::ostream& out);

private:
    // Opens the tab; false (and an error line) when there is none of that name.
    bool openTab(const std::string& args, std::ostream& out);

    HeadlessUi& ui_;
    HtmlPage& page_;
    Form1* form_;
    SqliteRecord* record_;
    HeadlessClock& clock_;
    SchoolDesk* school_;
};

}  // namespace tally
