#pragma once
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

#include "ui/desktop_app.h"

#include <ostream>

class QDialog;

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class QWebEngineView;

namespace tally::testing {

// Generous: the tests wait for events, never for a fixed time.
constexpr int kTimeoutMs = 20000;

bool waitFor(const std::function<bool()>& condition);

// Runs `answer` on the next modal dialog that opens (polled on the event loop).
void onNextDialog(std::function<void(QDialog&)> answer);

// The desktop program with a fixed seed and the repository's data directory.
std::unique_ptr<DesktopApp> makeApp();

// Starts the program and answers the start-up login dialog through its own
// controls: the advanced item with this password, or the student item when
// the password is empty. Waits until start-up is over and the view is ready.
std::unique_ptr<DesktopApp> startLoggedIn(const QString& password);
std::unique_ptr<DesktopApp> startLoggedIn(const QString& password, const AppOptions& options);

// Runs JavaScript in the view and waits for its result.
QVariant evalJs(QWebEngineView& view, const QString& code);
QVariant evalJs(DesktopApp& app, const QString& code);

// Waits until the view's own value for `code` equals `expected`.
bool waitForJs(DesktopApp& app, const QString& code, const QVariant& expected);

// Writes a body through the model and waits until the view shows it.
bool writeBodyAndWait(DesktopApp& app, const std::string& html);

// A JavaScript string literal.
QString jsString(const QString& text);

// Text without any white space, to compare what the browser lays out with the model's text.
QString squeezed(QString text);

}  // namespace tally::testing
