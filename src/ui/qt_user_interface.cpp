#include "ui/qt_user_interface.h"

#include <QDir>
#include <QMessageBox>

#include "shell/form1.h"
#include "ui/clock_panel.h"
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
    if (form_) window_.tree().rebuild(form_->tree);
}

void QtUserInterface::clockChanged() {
    if (form_) window_.clockPanel().showClock(form_->clockFace);
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

void QtUserInterface::print() { printer_->print(); }

}  // namespace tally
