// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the window tests use, in one place.
#include <QWebEngineView>
#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "app/form1.h"
#include "ui/desktop_app.h"
#include "ui/main_window.h"
#include "ui/page_bridge.h"
#include "ui/topic_tree.h"

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tally::testing {

// Generous: the tests wait for events, never for a fixed time.
constexpr int kTimeoutMs = 20000;

bool waitFor(const std::function<bool()>& condition);

// Runs `answer` on the next modal dialog that opens (polled on the event loop).
void onNextDialog(std::function<void(QDialog&)> answer);

// The repository's data directory and a fixed seed.
AppOptions repositoryData();

// Starts the program and hands the start-up login dialog to `answerLogin`;
// null unless start-up ends with the tree shown and the view ready.
std::unique_ptr<DesktopApp> start(std::function<void(QDialog&)> answerLogin,
                                  const AppOptions& options = repositoryData());

// Start-up with the login answered through its own controls: the advanced
// item with this password, or the student item when the password is empty.
std::unique_ptr<DesktopApp> startLoggedIn(const QString& password);

// Runs JavaScript in a view and waits for its result.
QVariant evalJs(DesktopApp& app, const QString& code, Pane pane = Pane::WebBrowser1);

// Waits until WebBrowser1's own value for `code` equals `expected`.
bool waitForJs(DesktopApp& app, const QString& code, const QVariant& expected);

// Writes a body through the model and waits until the view shows it.
bool writeBodyAndWait(DesktopApp& app, const std::string& html);

// Types into the view's element as a child does (the value, then an input
// event) and waits until the model holds the value.
bool typeInView(DesktopApp& app, const QString& name, const QString& value);

// Opens a topic from the tree and waits until both the model and the view
// hold the element of this name.
bool openInView(DesktopApp& app, const std::string& key, const std::string& element);

// Answers the next message box with the button of this caption; its text goes to `asked`.
void answerNextBox(QString& asked, const QString& button);

// Waits until the text the browser lays out is the model's body text (white space aside).
bool viewShowsModelText(DesktopApp& app);

}  // namespace tally::testing
