// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_user_interface.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

#include "app/form1.h"
#include "ui/clock_panel.h"
#include "ui/children_form.h"
#include "ui/classroom_control.h"
#include "ui/login_form.h"
#include "ui/main_window.h"
#include "ui/options_form.h"
#include "ui/pane_page.h"
#include "ui/pane_printer.h"
#include "ui/password_form.h"
#include "ui/sound_player.h"
#include "ui/topic_tree.h"

namespace tally {

QtUserInterface::QtUserInterface(MainWindow& window, const QString& dataRoot)
    : window_(window), root_(dataRoot), sound_(new SoundPlayer(&window)), printer_(new PanePrinter(window)) {}

QtUserInterface::~QtUserInterface() = default;

void QtUserInterface::run(QDialog& dialog) {
    if (watcher_) watcher_(dialog);
    dialog.exec();
}

void QtUserInterface::message(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                    &window_);
    box.setObjectName("MessageBox");
    run(box);
}

bool QtUserInterface::ask(const std::string& text, const std::string& yes, const std::string& no) {
    QMessageBox box(QMessageBox::NoIcon, "提示", QString::fromStdString(text), QMessageBox::NoButton, &window_);
    box.setObjectName("QuestionBox");
    QPushButton* first = box.addButton(QString::fromStdString(yes), QMessageBox::AcceptRole);
    QPushButton* second = box.addButton(QString::fromStdString(no), QMessageBox::RejectRole);
    // Enter, Escape and the window's close button keep the child where it is.
    box.setDefaultButton(second);
    box.setEscapeButton(second);
    run(box);
    return box.clickedButton() == first;
}

void QtUserInterface::bringToFront(Pane pane) { window_.bringToFront(pane); }

void QtUserInterface::navigate(Pane pane, const std::string& relPath) {
    if (pane == Pane::Picture2) return;
    window_.pane(pane).open(QString::fromStdString(relPath));
}

void QtUserInterface::showPage(Pane pane, const std::string& html) {
    if (pane == Pane::Picture2) return;
    window_.pane(pane).show(QString::fromStdString(html));
}

void QtUserInterface::playSound(const std::string& relPath) {
    sound_->play(QDir(root_).filePath(QString::fromStdString(relPath)));
}

void QtUserInterface::setStatus(const std::string& text) { window_.setStatus(QString::fromStdString(text)); }

void QtUserInterface::treeChanged() {
    if (form_) window_.tree().rebuild(form_->tree());
}

void QtUserInterface::marksChanged() {
    if (form_) window_.tree().showMarks(form_->tree());
}

void QtUserInterface::selectTab(const std::string& caption) { window_.showTab(QString::fromStdString(caption)); }

void QtUserInterface::clockChanged() {
    if (form_) window_.clockPanel().showClock(form_->clockFace());
}

void QtUserInterface::runLoginDialog(LoginDialog& dialog) {
    LoginForm form(dialog, &window_);
    run(form);
}

void QtUserInterface::runPasswordDialog(PasswordDialog& dialog) {
    PasswordForm form(dialog, &window_);
    run(form);
}

void QtUserInterface::runOptionsDialog(OptionsDialog& dialog) {
    OptionsForm form(dialog, &window_);
    run(form);
}

void QtUserInterface::runChildrenDialog(ChildrenDialog& dialog) {
    ChildrenForm form(dialog, [this](const std::string& text) { message("提示", text); }, &window_);
    run(form);
}

void QtUserInterface::showWho(const std::string& who) { window_.setWho(QString::fromStdString(who)); }

void QtUserInterface::showDrillForm(const std::string& key) {
    if (QAction* action = window_.toolbarAction(QString::fromStdString(key))) action->setChecked(true);
}

// A sheet on screen can go on paper as it is, or as a worksheet (with its key
// when the model offers that).
bool QtUserInterface::showClassroom() {
    if (!classroom_) return false;
    classroom_->open();
    return true;
}

void QtUserInterface::print(const PrintableWorksheet& worksheet) {
    if (worksheet.document.empty() || window_.front() != Pane::WebBrowser1) return printer_->print();
    QMessageBox box(QMessageBox::NoIcon, "打印", "要打印什么？", QMessageBox::NoButton, &window_);
    box.setObjectName("PrintChoice");
    QPushButton* page = box.addButton("打印这一页", QMessageBox::AcceptRole);
    page->setObjectName("PrintPage");
    QPushButton* sheet = box.addButton(QString::fromStdString(worksheet.choice), QMessageBox::AcceptRole);
    sheet->setObjectName("PrintWorksheet");
    box.addButton("取消", QMessageBox::RejectRole)->setObjectName("PrintCancel");
    run(box);
    if (box.clickedButton() == page) printer_->print();
    if (box.clickedButton() == sheet) printer_->printWorksheet(QString::fromStdString(worksheet.document), root_);
}

}  // namespace tally
