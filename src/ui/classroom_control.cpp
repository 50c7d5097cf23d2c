// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/classroom_control.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

#include "app/assignment_form.h"
#include "app/form1.h"
#include "classroom/class_links.h"
#include "classroom/class_page_parts.h"
#include "practice/practice_rows.h"
#include "ui/assign_form.h"
#include "ui/fields_form.h"
#include "ui/main_window.h"
#include "ui/qt_user_interface.h"
#include "ui/teacher_login_form.h"
#include "ui/wait_cursor.h"

namespace tally {
namespace {

// A class list is a few kilobytes; a file far larger is not one.
constexpr qint64 kLargestList = 1 << 20;

QDate dateOf(Day day) {
    const CivilDate date = civilDate(day);
    return QDate(date.year, date.month, date.dayOfMonth);
}

}  // namespace

ClassroomControl::ClassroomControl(MainWindow& window, QtUserInterface& ui, SchoolServer& server, Form1& form)
    : window_(window), ui_(ui), server_(server), form_(form), desk_(server, skillCaptions()) {}

void ClassroomControl::open() {
    if (!desk_.loggedIn()) {
        TeacherLoginForm login([this](const std::string& role, const std::string& password) {
            return desk_.logIn(role.empty() ? "teacher" : role, password);
        }, &window_);
        ui_.run(login);
        if (login.result() != QDialog::Accepted) return;
    }
    show(*pageOf({ClassLink::To::Classes, 0}));
}

void ClassroomControl::show(const std::string& html) {
    ui_.showPage(Pane::WebBrowser2, html);
    ui_.bringToFront(Pane::WebBrowser2);
}

std::optional<std::string> ClassroomControl::pageOf(const ClassLink& link) {
    const WaitCursor waiting;
    switch (link.to) {
    case ClassLink::To::Classes: return desk_.classesPage();
    case ClassLink::To::Class: return desk_.classPage(link.id);
    case ClassLink::To::Results: return desk_.resultsPage(link.id);
    case ClassLink::To::Term: return desk_.termPage(link.id, form_.today());
    default: return std::nullopt;
    }
}

void ClassroomControl::follow(const std::string& fileName) {
    const std::optional<ClassLink> link = linkedClassPage(fileName);
    if (!link || !desk_.loggedIn()) return;
    if (const std::optional<std::string> page = pageOf(*link)) return show(*page);
    if (link->to == ClassLink::To::NewClass) return newClass();
    if (link->to == ClassLink::To::AddPupil) return addPupil(link->id);
    if (link->to == ClassLink::To::Assign) return assign(link->id);
    if (link->to == ClassLink::To::Print) return ui_.print({});
    if (link->to != ClassLink::To::Import) return;
    if (const std::optional<SchoolClass> shown = classOf(link->id)) importList(*shown);
}

std::optional<SchoolClass> ClassroomControl::classOf(long long classId) {
    std::string problem;
    const std::optional<TaughtClass> taught = desk_.taughtClass(classId, problem);
    if (!taught) ui_.message("班级", problem);
    return taught ? std::optional<SchoolClass>(taught->schoolClass) : std::nullopt;
}

void ClassroomControl::newClass() {
    FieldsForm form("新建班级", "写上班级的名字，比如“三年级（2）班”。名字里的年级会帮您布置这个年级的练习。",
                    {{"name", "班级：", ""}}, "建立",
                    [this](const std::vector<std::string>& texts) { return desk_.addClass(texts[0]); }, {}, &window_);
    ui_.run(form);
    if (form.result() == QDialog::Accepted) show(desk_.classesPage());
}

void ClassroomControl::addPupil(long long classId) {
    const std::optional<SchoolClass> shown = classOf(classId);
    if (!shown) return;
    PupilsAdded done;
    FieldsForm form("添加学生：" + QString::fromStdString(shown->name),
                    "写上学生的名字和4到8位数字的密码（已经给了一个随机的密码，也可以改）。"
                    "也可以导入整个班的名单：表格另存为CSV文件，一行一个名字，或者有“姓名”一列、“密码”一列可有可无。",
                    {{"name", "名字：", ""}, {"pin", "密码：", freshPin()}}, "添加",
                    [&](const std::vector<std::string>& texts) {
                        done = desk_.addPupil(*shown, texts[0], texts[1]);
                        return done.added.empty() && !done.refused.empty() ? done.refused.front().why : std::string();
                    },
                    "导入名单…", &window_);
    ui_.run(form);
    if (form.result() == QDialog::Accepted) show(done.page);
    if (form.result() == FieldsForm::kExtraChosen) importList(*shown);
}

void ClassroomControl::importList(const SchoolClass& shown) {
    QFileDialog chooser(&window_, "选择名单文件", QDir::homePath(), "名单 (*.csv *.txt);;所有文件 (*)");
    chooser.setFileMode(QFileDialog::ExistingFile);
    ui_.run(chooser);
    if (chooser.result() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return;
    QFile file(chooser.selectedFiles().front());
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestList) {
        ui_.message("导入名单", "这个文件打不开，或者太大了，不像是一个班的名单。");
        return;
    }
    const QByteArray bytes = file.readAll();
    std::string page;
    {
        const WaitCursor waiting;
        page = desk_.importPupils(shown, bytes.toStdString()).page;
    }
    show(page);
}

void ClassroomControl::assign(long long classId) {
    const std::optional<SchoolClass> shown = classOf(classId);
    if (!shown) return;
    const auto pupils = desk_.pupilsOf(*shown);
    if (!pupils.value) return ui_.message("布置练习", pupils.problem);
    std::vector<std::string> names;
    for (const Pupil& pupil : pupilsByName(*pupils.value)) names.push_back(pupil.name);
    const Day today = form_.today();
    AssignForm form(QString::fromStdString(shown->name), names, suggestedGroup(shown->name, today), dateOf(today),
                    [&](const AssignmentRequest& request) {
                        const FamilyTable& families = form_.familyTable();
                        if (std::string problem = assignmentProblem(request, today, families); !problem.empty()) {
                            return problem;
                        }
                        const auto made = server_.assign(shown->name, assignmentOf(request, families), request.pupilNames);
                        return made.value ? std::string() : made.problem;
                    },
                    &window_);
    ui_.run(form);
    if (form.result() == QDialog::Accepted) show(desk_.classPage(classId));
}

}  // namespace tally
