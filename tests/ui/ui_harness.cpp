// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_harness.h"

#include "ui/login_form.h"

namespace tally::testing {
namespace {

// A JavaScript string literal.
QString jsString(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

// A dialog nobody answers would hold the test until CTest gives up: one
// still open a whole timeout later fails the test and is closed.
void closeForgottenDialogs(QObject& owner) {
    auto* watch = new QTimer(&owner);
    auto seen = std::make_shared<QPointer<QDialog>>();
    QObject::connect(watch, &QTimer::timeout, watch, [seen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog == *seen) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ADD_FAILURE() << "nobody answered " << dialog->objectName().toStdString() << " "
                          << (box ? box->text() : dialog->windowTitle()).toStdString();
            dialog->reject();
        }
        *seen = dialog;
    });
    watch->start(kTimeoutMs);
}

}  // namespace

bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kTimeoutMs); }

void onNextDialog(std::function<void(QDialog&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        answer(*dialog);
    });
    poll->start(20);
}

AppOptions repositoryData() {
    AppOptions options;
    options.dataDir = TALLYMOO_DATA_DIR;
    options.seed = 20240611;
    // Each test runs in its own process: one record file for the process.
    static QTemporaryDir recordDir;
    options.recordFile = recordDir.filePath("record.sqlite");
    return options;
}

std::unique_ptr<DesktopApp> start(std::function<void(QDialog&)> answerLogin, const AppOptions& options) {
    auto app = std::make_unique<DesktopApp>(options);
    closeForgottenDialogs(app->window());
    bool answered = false;
    onNextDialog([&answered, answerLogin](QDialog& login) {
        answerLogin(login);
        answered = true;
    });
    app->start();
    DesktopApp& started = *app;
    const bool ready = waitFor([&] {
        return answered && !QApplication::activeModalWidget() && !started.form().tree().nodes().empty() &&
               started.bridge().idle();
    });
    return ready ? std::move(app) : nullptr;
}

std::unique_ptr<DesktopApp> startLoggedIn(const QString& password) {
    return start([password](QDialog& dialog) {
        auto* login = qobject_cast<LoginForm*>(&dialog);
        if (!login) return;
        if (password.isEmpty()) {
            // The student item needs no password and brings no box.
            login->list().setCurrentRow(1);
            QTest::mouseClick(&login->confirmButton(), Qt::LeftButton);
            return;
        }
        // The dialog opens on the advanced item with the focus in the password box.
        QTest::keyClicks(&login->passwordBox(), password);
        QTest::keyClick(&login->passwordBox(), Qt::Key_Return);
    });
}

QVariant evalJs(DesktopApp& app, const QString& code, Pane pane) {
    QVariant result;
    bool done = false;
    QEventLoop loop;
    app.window().browser(pane).page()->runJavaScript(code, [&](const QVariant& value) {
        result = value;
        done = true;
        loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    if (!done) loop.exec();
    return result;
}

bool waitForJs(DesktopApp& app, const QString& code, const QVariant& expected) {
    return waitFor([&] { return evalJs(app, code) == expected; });
}

bool writeBodyAndWait(DesktopApp& app, const std::string& html) {
    app.form().writeBody(html);
    const int generation = app.page().generation();
    return waitForJs(app, QString("!!window.tallyBridge && window.tallyBridge.generation() === %1").arg(generation),
                     true);
}

bool typeInView(DesktopApp& app, const QString& name, const QString& value) {
    evalJs(app, "(function(el){ el.value = " + jsString(value) +
                    "; el.dispatchEvent(new Event('input', {bubbles: true})); })(document.getElementsByName(" +
                    jsString(name) + ")[0])");
    return waitFor([&] { return app.page().value(name.toStdString()) == value.toStdString(); });
}

bool openInView(DesktopApp& app, const std::string& key, const std::string& element) {
    return app.window().tree().open(QString::fromStdString(key)) &&
           waitFor([&] { return app.page().has(element) && app.bridge().idle(); }) &&
           waitForJs(app, "!!document.getElementsByName(" + jsString(QString::fromStdString(element)) + ")[0]", true);
}

void answerNextBox(QString& asked, const QString& button) {
    onNextDialog([&asked, button](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_TRUE(box);
        asked = box->text();
        for (QAbstractButton* each : box->buttons())
            if (each->text() == button) each->click();
    });
}

bool viewShowsModelText(DesktopApp& app) {
    const auto squeezed = [](QString text) { return text.remove(QRegularExpression("\\s+")); };
    return waitFor([&] {
        const QString shown = evalJs(app, "document.body ? document.body.innerText : ''").toString();
        return squeezed(shown) == squeezed(QString::fromStdString(app.page().bodyText()));
    });
}

}  // namespace tally::testing
