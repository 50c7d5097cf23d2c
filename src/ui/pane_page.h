// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWebEnginePage>

namespace tally {

// The document of a browser pane: it goes nowhere but to files of the data
// directory.
class PanePage : public QWebEnginePage {
    Q_OBJECT

public:
    PanePage(const QString& dataRoot, QObject* parent = nullptr);

    // Loads a file of the data directory; a missing file shows an empty page
    // whose links still resolve inside the directory.
    void open(const QString& relPath);
    // Shows a page the program built; its links resolve inside the directory.
    void show(const QString& html);

    // Whether a link may lead to this address: only files inside the root.
    static bool allowed(const QUrl& url, const QString& dataRoot);

    // Script errors the pages reported since the last clear, as "file:line: message".
    const QStringList& scriptErrors() const { return scriptErrors_; }
    void clearScriptErrors() { scriptErrors_.clear(); }

signals:
    // The record page's 错题重练 link was followed.
    void redrillRequested();
    // The parent chose whose record to see, or gave the sheets of no child away.
    void childRecordRequested(long long childId);
    void earlierSheetsGiven(long long childId);
    // The parent chose whose weekly report to see.
    void childReportRequested(long long childId);
    // A fact grid of a child was chosen on the record page or another grid.
    void factGridRequested(int place, long long childId);
    // A pupil chose an assignment on 下发的练习 (its link's file name).
    void assignmentRequested(const QString& fileName);
    // A link of the teacher's 班级 pages was followed (its file name).
    void classLinkFollowed(const QString& fileName);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;

private:
    QString root_;
    bool blankPending_ = false;
    QStringList scriptErrors_;
};

}  // namespace tally
