// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "classroom/class_links.h"
#include "classroom/teacher_desk.h"

namespace tally {

class Form1;
class MainWindow;
class QtUserInterface;

// The 班级 view in the window: the teacher's login, the pages in the second
// pane, and the forms its links open. Its calls to the school's server run on
// the window's thread under a wait cursor, each the teacher's own action (a
// server that is away costs its connect timeout, three seconds).
class ClassroomControl {
public:
    ClassroomControl(MainWindow& window, QtUserInterface& ui, SchoolServer& server, Form1& form);

    // The toolbar's 班级: the teacher's login while none is in, then the
    // teacher's classes.
    void open();
    // A link of the 班级 pages ("class-….tallymoo").
    void follow(const std::string& fileName);

private:
    MainWindow& window_;
    QtUserInterface& ui_;
    SchoolServer& server_;
    Form1& form_;
    TeacherDesk desk_;

    // The page a link names, fetched under the wait cursor; nothing for a form's link.
    std::optional<std::string> pageOf(const ClassLink& link);
    void show(const std::string& html);
    std::optional<SchoolClass> classOf(long long classId);
    void newClass();
    void addPupil(long long classId);
    void importList(const SchoolClass& shown);
    void assign(long long classId);
};

}  // namespace tally
