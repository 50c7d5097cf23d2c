// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QJsonArray>
#include <QObject>
#include <QString>

#include "page/html_page.h"

class QWebEnginePage;
class QWebChannel;

namespace tally {

class Form1;

// Keeps WebBrowser1 a picture of the page model: every change of the model is
// replayed into the view, in order, through the bridge script; what the child
// does in the view comes back over the web channel as events of Form1. Changes
// made while the view is loading wait; a new document starts from the model's
// whole body.
class PageBridge : public QObject {
    Q_OBJECT

public:
    PageBridge(QWebEnginePage& view, HtmlPage& page, Form1& form, QObject* parent = nullptr);
    ~PageBridge() override;

    // True while nothing waits to be replayed and no replay is still running.
    bool idle() const { return ready_ && queue_.isEmpty() && running_ == 0; }

    // The name under which Form1 finds the element at this position: its name,
    // else its id, else the name as given.
    static QString resolveName(const HtmlPage& page, int index, const QString& name, const QString& id);

public slots:
    // Called by the bridge script: a new document is ready, or the document
    // that stayed after a refused navigation is ready again.
    void ready();
    void resume();
    // `shownMs`: when it was typed, in milliseconds since the view showed the page.
    void input(int generation, int index, const QString& name, const QString& id, const QString& value,
               double shownMs);
    void click(int generation, int index, const QString& name, const QString& id);
    void mouseDown(int generation);
    void mouseUp(int generation, int index, const QString& name, const QString& id);
    // A key the page takes, pressed in it.
    void key(int generation, const QString& key);

signals:
    void replayed();

private:
    QWebEnginePage& view_;
    HtmlPage& page_;
    Form1& form_;
    QWebChannel* channel_;
    QJsonArray queue_;
    bool ready_ = false;
    bool bodyWritten_ = false;
    int running_ = 0;

    void installScript();
    void onChange(const PageChange& change);
    void onLoadStarted();
    void onLoadFinished();
    void flush();
    bool current(int generation) const;
};

}  // namespace tally
