// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "base/ports.h"

class QDialog;

namespace tally {

class DesktopApp;

// Runs a script of commands against the real window, one a line, each on the
// event loop with a pause after it so pages can render:
//   login PASSWORD    answers the next login dialog (the start-up one when it
//                     comes first; later in the script it clicks 登录)
//   login pupil NAME PIN [SHOT.png]  answers a lab computer's start-up 学生登录
//   tab CAPTION | click KEY | toolbar KEY
//   set NAME VALUE    types into the page through the view
//   js CODE           runs JavaScript in WebBrowser1 and prints a result
//   js2 CODE          the same in WebBrowser2 (a link of the record page)
//   finish            clicks the page's finish button in the view
//   field NAME TEXT   fills the open dialog's box of that object name
//   press NAME        presses the open dialog's button of that object name
//   wait MS | shot FILE.png | close | quit
// Message boxes are printed and answered OK a moment later; `close` closes an
// open dialog, and `shot` while one is open pictures the dialog.
class ScriptRunner : public QObject {
    Q_OBJECT

public:
    ScriptRunner(DesktopApp& app, QStringList lines, QObject* parent = nullptr);

    // Reads a script file; nullopt when it cannot be read.
    static std::optional<QStringList> read(const QString& path);
    // Call before the app starts: the start-up login dialog is answered too.
    void begin();

private:
    DesktopApp& app_;
    QStringList lines_;
    int next_ = 0;
    std::optional<QString> loginAnswer_;
    bool started_ = false;

    void watch(QDialog& dialog);
    void answerLogin(QDialog& dialog);
    void answerPupilLogin(QDialog& dialog);
    bool startUpOver();
    void step();
    void schedule(int delayMs);
    // Runs one command; returns the pause before the next, or -1 to stop.
    int execute(const QString& command, const QString& args);
    void shot(const QString& file);
    void typeInto(const QString& name, const QString& value);
    void fillField(const QString& name, const QString& text);
    void pressButton(const QString& name);
    void runJs(const QString& code, bool print, Pane pane = Pane::WebBrowser1);
    void print(const QString& line);
};

}  // namespace tally
