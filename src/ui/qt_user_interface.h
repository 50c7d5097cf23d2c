// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <functional>

#include "base/ports.h"

class QDialog;

namespace tally {

class ClassroomControl;
class Form1;
class MainWindow;
class PanePrinter;
class SoundPlayer;

// What the model asks of the window, done with Qt widgets. Modal boxes and
// dialogs run their own event loop; the model's gate holds other events off
// meanwhile.
class QtUserInterface : public UserInterface {
public:
    QtUserInterface(MainWindow& window, const QString& dataRoot);
    ~QtUserInterface() override;

    // The model whose tree and clock are shown; set once it exists.
    void attach(const Form1& form) { form_ = &form; }
    // Told of every modal box or dialog just before it opens (scripts answer them).
    void setModalWatcher(std::function<void(QDialog&)> watcher) { watcher_ = std::move(watcher); }
    // The 班级 view, where the window has a school's server.
    void setClassroom(ClassroomControl* classroom) { classroom_ = classroom; }
    // Runs a modal dialog, told to the watcher first.
    void run(QDialog& dialog);

    void message(const std::string& title, const std::string& text) override;
    bool ask(const std::string& text, const std::string& yes, const std::string& no) override;
    void bringToFront(Pane pane) override;
    void navigate(Pane pane, const std::string& relPath) override;
    void showPage(Pane pane, const std::string& html) override;
    void playSound(const std::string& relPath) override;
    void setStatus(const std::string& text) override;
    void treeChanged() override;
    void marksChanged() override;
    void selectTab(const std::string& caption) override;
    void clockChanged() override;
    void runLoginDialog(LoginDialog& dialog) override;
    void runPasswordDialog(PasswordDialog& dialog) override;
    void runOptionsDialog(OptionsDialog& dialog) override;
    void runChildrenDialog(ChildrenDialog& dialog) override;
    void showWho(const std::string& who) override;
    void showDrillForm(const std::string& key) override;
    void print(const PrintableWorksheet& worksheet) override;
    bool showClassroom() override;

private:
    MainWindow& window_;
    QString root_;
    const Form1* form_ = nullptr;
    SoundPlayer* sound_;
    PanePrinter* printer_;
    std::function<void(QDialog&)> watcher_;
    ClassroomControl* classroom_ = nullptr;
};

}  // namespace tally
