#include "ui_harness.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

#include "shell/form1.h"
#include "ui/login_form.h"
#include "ui/main_window.h"
#include "ui/page_bridge.h"

namespace tally::testing {

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

namespace {

AppOptions repositoryData() {
    AppOptions options;
    options.dataDir = TALLYMOO_DATA_DIR;
    options.seed = 20240611;
    return options;
}

}  // namespace

std::unique_ptr<DesktopApp> makeApp() { return std::make_unique<DesktopApp>(repositoryData()); }

std::unique_ptr<DesktopApp> startLoggedIn(const QString& password) { return startLoggedIn(password, repositoryData()); }

std::unique_ptr<DesktopApp> startLoggedIn(const QString& password, const AppOptions& options) {
    auto app = std::make_unique<DesktopApp>(options);
    bool answered = false;
    onNextDialog([&answered, password](QDialog& dialog) {
        auto* login = qobject_cast<LoginForm*>(&dialog);
        if (!login) return;
        if (password.isEmpty()) {
            // The student login ends with the box that says answers stay hidden.
            onNextDialog([](QDialog& box) { box.accept(); });
            login->list().setCurrentRow(1);
            QTest::mouseClick(&login->confirmButton(), Qt::LeftButton);
        } else {
            // The dialog opens on the advanced item with the focus in the password box.
            QTest::keyClicks(&login->passwordBox(), password);
            QTest::keyClick(&login->passwordBox(), Qt::Key_Return);
        }
        answered = true;
    });
    app->start();
    DesktopApp* started = app.get();
    const bool ready = waitFor([&] {
        return answered && !QApplication::activeModalWidget() && !started->form().tree.nodes().empty() &&
               started->bridge().idle();
    });
    return ready ? std::move(app) : nullptr;
}

QVariant evalJs(QWebEngineView& view, const QString& code) {
    QVariant result;
    bool done = false;
    QEventLoop loop;
    view.page()->runJavaScript(code, [&](const QVariant& value) {
        result = value;
        done = true;
        loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    if (!done) loop.exec();
    return result;
}

QVariant evalJs(DesktopApp& app, const QString& code) { return evalJs(app.window().browser(Pane::WebBrowser1), code); }

bool waitForJs(DesktopApp& app, const QString& code, const QVariant& expected) {
    QVariant last;
    return waitFor([&] {
        last = evalJs(app, code);
        return last == expected;
    });
}

bool writeBodyAndWait(DesktopApp& app, const std::string& html) {
    app.form().writeBody(html);
    const int generation = app.page().generation();
    const QString shown = QString("!!window.tallyBridge && window.tallyBridge.generation() === %1").arg(generation);
    return waitForJs(app, shown, true);
}

QString jsString(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString squeezed(QString text) { return text.remove(QRegularExpression("\\s+")); }

}  // namespace tally::testing
