// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/script_runner.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTextStream>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>

#include "page/html_page.h"
#include "app/form1.h"
#include "window/login_dialog.h"
#include "ui/desktop_app.h"
#include "ui/login_form.h"
#include "ui/main_window.h"
#include "ui/page_bridge.h"
#include "ui/qt_user_interface.h"
#include "ui/topic_tree.h"

namespace tally {
namespace {

constexpr int kPauseMs = 400;
// Boxes and dialogs stay open past the next command's pause, so a `shot` right
// after the command that opened one shows it.
constexpr int kAnswerMs = 1000;
constexpr int kPollMs = 50;

QString jsString(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

// The element a name or id finds, as the model finds it.
QString jsElement(const QString& name) {
    return "(document.getElementsByName(" + jsString(name) + ")[0] || document.getElementById(" + jsString(name) +
           "))";
}

}  // namespace

ScriptRunner::ScriptRunner(DesktopApp& app, QStringList lines, QObject* parent)
    : QObject(parent), app_(app), lines_(std::move(lines)) {
    // Leading login lines answer the login dialog of start-up.
    while (next_ < lines_.size()) {
        const QString line = lines_[next_].trimmed();
        if (line.isEmpty()) {
            ++next_;
        } else if (line == "login" || line.startsWith("login ")) {
            loginAnswer_ = line.mid(5).trimmed();
            ++next_;
        } else {
            break;
        }
    }
}

std::optional<QStringList> ScriptRunner::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    return QString::fromUtf8(file.readAll()).split('\n');
}

void ScriptRunner::begin() {
    app_.ui().setModalWatcher([this](QDialog& dialog) { watch(dialog); });
    schedule(kPollMs);
}

void ScriptRunner::print(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void ScriptRunner::watch(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        print("message: " + box->windowTitle() + "|" + box->text());
        QTimer::singleShot(kAnswerMs, box, &QMessageBox::accept);
    } else if (qobject_cast<LoginForm*>(&dialog)) {
        QTimer::singleShot(kAnswerMs, &dialog, [this, &dialog] { answerLogin(dialog); });
    } else if (dialog.objectName() == "PupilLogin" && loginAnswer_ && loginAnswer_->startsWith("pupil ")) {
        QTimer::singleShot(kAnswerMs, &dialog, [this, &dialog] { answerPupilLogin(dialog); });
    } else {
        print("dialog: " + dialog.windowTitle());
    }
}

// Answers through the dialog's own controls: the advanced item and the
// password, a child's item ("login child NAME"), or the student item (the
// child the dialog selected itself) when the script gave none.
void ScriptRunner::answerLogin(QDialog& dialog) {
    auto& form = static_cast<LoginForm&>(dialog);
    const QString answer = loginAnswer_.value_or(QString());
    const bool advanced = !answer.isEmpty() && !answer.startsWith("child ");
    if (answer.startsWith("child ")) {
        const auto found = form.list().findItems(answer.mid(6), Qt::MatchExactly);
        if (!found.isEmpty()) form.list().setCurrentItem(found.front());
    } else if (advanced) {
        form.list().setCurrentRow(LoginDialog::kAdvanced);
    } else if (form.list().currentRow() <= LoginDialog::kAdvanced) {
        form.list().setCurrentRow(LoginDialog::kStudent);
    }
    if (advanced) form.passwordBox().setText(answer);
    loginAnswer_.reset();
    form.confirmButton().click();
}

// A lab computer's 学生登录 at start-up, from "login pupil NAME PIN" (the
// first class joined), shot first when the script names a picture for it.
void ScriptRunner::answerPupilLogin(QDialog& dialog) {
    const QStringList words = loginAnswer_->split(' ', Qt::SkipEmptyParts);
    loginAnswer_.reset();
    if (words.size() < 3) return print("error: login pupil NAME PIN");
    if (words.size() > 3) dialog.grab().save(words[3]);
    fillField("name", words[1]);
    fillField("pin", words[2]);
    pressButton("confirm");
}

void ScriptRunner::schedule(int delayMs) { QTimer::singleShot(delayMs, this, &ScriptRunner::step); }

// Start-up is over once the login dialog has closed and the start page has
// replaced help.htm; a command before that would be overwritten by it.
bool ScriptRunner::startUpOver() {
    const Form1& form = app_.form();
    return !QApplication::activeModalWidget() && !form.tree().nodes().empty() && !form.timers().enabled(kStartPageTimer);
}

void ScriptRunner::step() {
    if (!started_) started_ = startUpOver();
    // A replay still running into the view would make the next command race it.
    if (!started_ || !app_.bridge().idle()) {
        schedule(kPollMs);
        return;
    }
    while (next_ < lines_.size() && lines_[next_].trimmed().isEmpty()) ++next_;
    if (next_ >= lines_.size()) return;
    const QString line = lines_[next_++].trimmed();
    const int blank = line.indexOf(' ');
    const QString command = blank < 0 ? line : line.left(blank);
    const QString args = blank < 0 ? QString() : line.mid(blank + 1);
    // The next step is due before this one runs: a dialog it opens keeps this
    // command from returning until the dialog closes.
    QPointer<QTimer> pause = new QTimer(this);
    pause->setSingleShot(true);
    connect(pause, &QTimer::timeout, this, [this, pause] {
        pause->deleteLater();
        step();
    });
    pause->start(kPauseMs);
    const int delay = execute(command, args);
    if (!pause || !pause->isActive()) return;
    if (delay < 0) {
        pause->stop();
        pause->deleteLater();
    } else if (delay != kPauseMs) {
        pause->start(delay);
    }
}

int ScriptRunner::execute(const QString& command, const QString& args) {
    MainWindow& window = app_.window();
    if (command == "quit") {
        QApplication::exit(0);
        return -1;
    }
    if (command == "login") {
        loginAnswer_ = args;
        window.toolbarAction("w11")->trigger();
    } else if (command == "tab") {
        if (!window.clickTab(args)) print("error: no tab " + args);
    } else if (command == "click") {
        if (!window.tree().open(args)) print("error: no node " + args);
    } else if (command == "toolbar") {
        QAction* action = window.toolbarAction(args);
        if (action) {
            action->trigger();
        } else {
            print("error: no toolbar button " + args);
        }
    } else if (command == "set") {
        const int blank = args.indexOf(' ');
        typeInto(blank < 0 ? args : args.left(blank), blank < 0 ? QString() : args.mid(blank + 1));
    } else if (command == "finish") {
        runJs("(function(el){ if (!el) return 'error: no element finish'; el.click(); })(" + jsElement("finish") + ")",
              true);
    } else if (command == "js") {
        runJs(args, true);
    } else if (command == "js2") {
        runJs(args, true, Pane::WebBrowser2);
    } else if (command == "wait") {
        return qMax(0, args.toInt());
    } else if (command == "shot") {
        shot(args);
    } else if (command == "close") {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    } else if (command == "field") {
        const int blank = args.indexOf(' ');
        fillField(blank < 0 ? args : args.left(blank), blank < 0 ? QString() : args.mid(blank + 1));
    } else if (command == "press") {
        pressButton(args);
    } else {
        print("error: unknown command " + command);
    }
    return kPauseMs;
}

// Types as a child does: the value, then the input event the bridge reports.
void ScriptRunner::typeInto(const QString& name, const QString& value) {
    runJs("(function (el) { if (!el) return " + jsString("error: no element " + name) + "; el.value = " +
              jsString(value) + "; el.dispatchEvent(new Event('input', {bubbles: true})); })(" + jsElement(name) + ")",
          true);
}

// A box of the open dialog, by its object name: a line, a count or a date.
void ScriptRunner::fillField(const QString& name, const QString& text) {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* box = modal ? modal->findChild<QWidget*>(name) : nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else if (auto* count = qobject_cast<QSpinBox*>(box)) {
        count->setValue(text.toInt());
    } else if (auto* date = qobject_cast<QDateEdit*>(box)) {
        date->setDate(QDate::fromString(text, "yyyy-MM-dd"));
    } else if (auto* choice = qobject_cast<QComboBox*>(box)) {
        choice->setCurrentIndex(choice->findText(text));
    } else {
        print("error: no field " + name);
    }
}

void ScriptRunner::pressButton(const QString& name) {
    QWidget* modal = QApplication::activeModalWidget();
    auto* button = modal ? modal->findChild<QAbstractButton*>(name) : nullptr;
    if (!button) return print("error: no button " + name);
    button->click();
}

void ScriptRunner::runJs(const QString& code, bool printResult, Pane pane) {
    app_.window().browser(pane).page()->runJavaScript(code, [this, printResult](const QVariant& result) {
        if (printResult && result.isValid() && !result.isNull()) print(result.toString());
    });
}

void ScriptRunner::shot(const QString& file) {
    QWidget* modal = QApplication::activeModalWidget();
    const QImage image = modal ? modal->grab().toImage() : app_.window().picture();
    if (!image.save(file)) print("error: cannot write " + file);
}

}  // namespace tally
