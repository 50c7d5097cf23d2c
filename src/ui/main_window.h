// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHash>
#include <QMainWindow>
#include <QString>
#include <functional>

#include "base/ports.h"

class QAction;
class QLabel;
class QStackedWidget;
class QTabBar;
class QWebEngineView;

namespace tally {

class ClockPanel;
class PanePage;
class TopicTree;

// Form1's window: toolbar, tab strip, topic tree, the three panes that share
// one area (WebBrowser1, WebBrowser2, Picture2) and the status bar. It owns no
// rules: each control reports its events as signals.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const QString& dataRoot, QWidget* parent = nullptr);

    QWebEngineView& browser(Pane pane);
    PanePage& pane(Pane pane);
    ClockPanel& clockPanel() { return *clockPanel_; }
    TopicTree& tree() { return *tree_; }
    QTabBar& tabStrip() { return *tabStrip_; }
    QAction* toolbarAction(const QString& key) const { return actions_.value(key); }

    void setStatus(const QString& text);
    // Who is practising, in the title and the status bar ("" for nobody named).
    void setWho(const QString& who);
    QString who() const;
    QString status() const;
    void bringToFront(Pane pane);
    Pane front() const;
    // Clicks the tab with this caption as the mouse does; false if there is none.
    bool clickTab(const QString& caption);
    // Shows the tab with this caption without telling anyone (a tab click that was called off).
    void showTab(const QString& caption);
    // The window as it looks, web views included.
    QImage picture();
    // Asked before the window closes (its close button, Ctrl+Q): false keeps it open.
    void setCloseCheck(std::function<bool()> mayClose) { mayClose_ = std::move(mayClose); }

    // The size the window opens at on a screen with this much room: its own
    // size where it fits, never larger than the room.
    static QSize fittingSize(const QSize& available);
    static constexpr QSize kPreferredSize{1240, 780};
    static constexpr QSize kSmallestSize{640, 480};
    static constexpr int kFrameAllowance = 32;

signals:
    void toolbarClicked(const QString& key);
    void tabClicked(const QString& caption);
    void nodeClicked(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<bool()> mayClose_;
    QHash<QString, QAction*> actions_;
    QTabBar* tabStrip_;
    TopicTree* tree_;
    QStackedWidget* panes_;
    QWebEngineView* browser1_;
    QWebEngineView* browser2_;
    ClockPanel* clockPanel_;
    QLabel* statusPanel_;
    QLabel* whoPanel_ = nullptr;

    void fitToScreen();
    void buildToolbar();
    void buildTabStrip();
    QWidget* buildArea();
    QWebEngineView* makeBrowser(const QString& name, const QString& dataRoot);
};

}  // namespace tally
