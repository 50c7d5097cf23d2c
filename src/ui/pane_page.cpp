// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pane_page.h"

#include <QDir>
#include <QFileInfo>

#include "app/fact_grid_page.h"
#include "app/record_page.h"
#include "classroom/class_links.h"
#include "app/weekly_report_page.h"
#include "classroom/pupil_assignments_page.h"

namespace tally {

PanePage::PanePage(const QString& dataRoot, QObject* parent)
    : QWebEnginePage(parent), root_(QFileInfo(dataRoot).absoluteFilePath()) {}

void PanePage::open(const QString& relPath) {
    const QString path = QDir(root_).filePath(relPath);
    if (QFileInfo(path).isFile()) {
        load(QUrl::fromLocalFile(path));
        return;
    }
    show("<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body></body></html>");
}

void PanePage::show(const QString& html) {
    blankPending_ = true;
    // The base ends in "/" so that "reading.css" means the file inside the directory.
    setHtml(html, QUrl::fromLocalFile(root_ + '/'));
}

bool PanePage::allowed(const QUrl& url, const QString& dataRoot) {
    if (!url.isLocalFile()) return false;
    const QString root = QDir::cleanPath(QFileInfo(dataRoot).absoluteFilePath());
    const QFileInfo target(url.toLocalFile());
    // Resolve symbolic links where the file exists, so a link cannot lead out.
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString path = target.exists() ? target.canonicalFilePath() : QDir::cleanPath(target.absoluteFilePath());
    const QString base = target.exists() && !canonicalRoot.isEmpty() ? canonicalRoot : root;
    return path == base || path.startsWith(base + '/');
}

bool PanePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // The record page asks for a re-drill through a link the window keeps for itself.
    if (type == NavigationTypeLinkClicked && url.isLocalFile() && url.fileName() == kRedrillLink) {
        emit redrillRequested();
        return false;
    }
    if (type == NavigationTypeLinkClicked && url.isLocalFile()) {
        const std::string name = url.fileName().toStdString();
        if (const auto child = linkedChild(name, kShowChildLink)) {
            emit childRecordRequested(*child);
            return false;
        }
        if (const auto child = linkedChild(name, kGiveEarlierLink)) {
            emit earlierSheetsGiven(*child);
            return false;
        }
        if (const auto child = linkedChild(name, kShowChildReportLink)) {
            emit childReportRequested(*child);
            return false;
        }
        if (linkedAssignment(name)) {
            emit assignmentRequested(url.fileName());
            return false;
        }
        if (const auto grid = linkedFactGrid(name)) {
            emit factGridRequested(static_cast<int>(grid->first), grid->second);
            return false;
        }
        if (linkedClassPage(name)) {
            emit classLinkFollowed(url.fileName());
            return false;
        }
    }
    // A built page (or the empty one that stands in for a missing file) is loaded once, by us.
    if (blankPending_ && isMainFrame && url.scheme() == "data") {
        blankPending_ = false;
        return true;
    }
    return allowed(url, root_);
}

void PanePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                        const QString& source) {
    if (level == ErrorMessageLevel) scriptErrors_ << QString("%1:%2: %3").arg(QUrl(source).fileName()).arg(line).arg(message);
}

}  // namespace tally
