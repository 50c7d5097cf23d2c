// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QActionGroup>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "topics/catalogue.h"
#include "app/toolbar_actions.h"
#include "ui/clock_panel.h"
#include "ui/pane_page.h"
#include "ui/pictures.h"
#include "ui/topic_tree.h"

namespace tally {

MainWindow::MainWindow(const QString& dataRoot, QWidget* parent)
    : QMainWindow(parent),
      tabStrip_(new QTabBar),
      tree_(new TopicTree),
      panes_(new QStackedWidget),
      browser1_(makeBrowser("WebBrowser1", dataRoot)),
      browser2_(makeBrowser("WebBrowser2", dataRoot)),
      clockPanel_(new ClockPanel),
      statusPanel_(new QLabel) {
    setObjectName("Form1");
    setWindowTitle("tallymoo 小学数学练习");
    fitToScreen();
    buildToolbar();
    buildTabStrip();
    setCentralWidget(buildArea());

    statusBar()->setObjectName("StatusBar1");
    statusPanel_->setObjectName("Panel1");
    statusPanel_->setMinimumWidth(120);
    statusBar()->addWidget(statusPanel_, 1);
    connect(tree_, &TopicTree::nodeClicked, this, &MainWindow::nodeClicked);
}

void MainWindow::buildToolbar() {
    QToolBar* toolbar = addToolBar("Toolbar1");
    toolbar->setObjectName("Toolbar1");
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(32, 32));
    // Captions under the pictures keep every button narrow enough that the
    // whole toolbar fits a 1024×768 screen, with none behind its overflow.
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto* drillForms = new QActionGroup(this);
    drillForms->setExclusive(true);
    for (const ToolbarAction& button : toolbarActions()) {
        const QString key = button.key;
        if (button.kind == ToolbarAction::Kind::Separator) {
            toolbar->addSeparator();
            continue;
        }
        QAction* action = toolbar->addAction(pictures::toolbarButton(button.icon), QString::fromUtf8(button.caption));
        action->setObjectName(key);
        action->setToolTip(QString::fromUtf8(button.tooltip));
        if (*button.shortcut) {
            action->setShortcut(QKeySequence(QString::fromUtf8(button.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            action->setToolTip(action->toolTip() + "（" + action->shortcut().toString(QKeySequence::NativeText) + "）");
        }
        if (button.kind == ToolbarAction::Kind::DrillForm) {
            action->setCheckable(true);
            action->setActionGroup(drillForms);
            action->setChecked(key == "w6");
        }
        connect(action, &QAction::triggered, this, [this, key] { emit toolbarClicked(key); });
        actions_.insert(key, action);
    }
    auto* quit = new QAction("退出", this);
    quit->setObjectName("quit");
    quit->setShortcut(QKeySequence(QString::fromUtf8(kQuitShortcut)));
    quit->setShortcutContext(Qt::WindowShortcut);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (mayClose_ && !mayClose_()) return event->ignore();
    QMainWindow::closeEvent(event);
}

QSize MainWindow::fittingSize(const QSize& available) {
    // Room for the title bar and the frame, which the window manager adds.
    const QSize room = available - QSize(kFrameAllowance, 2 * kFrameAllowance);
    return kPreferredSize.boundedTo(room).expandedTo(kSmallestSize.boundedTo(available));
}

void MainWindow::fitToScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(kPreferredSize);
        return;
    }
    const QRect available = screen->availableGeometry();
    resize(fittingSize(available.size()));
    move(available.center() - QPoint(width() / 2, height() / 2 + kFrameAllowance / 2));
}

void MainWindow::buildTabStrip() {
    tabStrip_->setObjectName("TabStrip1");
    tabStrip_->setExpanding(false);
    tabStrip_->setUsesScrollButtons(true);
    tabStrip_->setDocumentMode(true);
    for (const Tab& tab : tabs()) tabStrip_->addTab(QString::fromStdString(tab.caption));
    // A click on the tab already shown rebuilds it too.
    connect(tabStrip_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == tabStrip_->currentIndex()) emit tabClicked(tabStrip_->tabText(index));
    });
    connect(tabStrip_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) emit tabClicked(tabStrip_->tabText(index));
    });
}

QWidget* MainWindow::buildArea() {
    panes_->setObjectName("Panes");
    panes_->addWidget(browser1_);
    panes_->addWidget(browser2_);
    panes_->addWidget(clockPanel_);

    // The tree and the panes share a splitter, so a long caption can be read
    // by widening the tree.
    auto* split = new QSplitter(Qt::Horizontal);
    split->setObjectName("TreeSplitter");
    split->setChildrenCollapsible(false);
    split->setHandleWidth(5);
    split->addWidget(tree_);
    split->addWidget(panes_);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({250, 990});

    auto* area = new QWidget;
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(2, 3, 2, 2);
    column->setSpacing(2);
    column->addWidget(tabStrip_);
    column->addWidget(split, 1);
    return area;
}

QWebEngineView* MainWindow::makeBrowser(const QString& name, const QString& dataRoot) {
    auto* view = new QWebEngineView;
    view->setObjectName(name);
    view->setPage(new PanePage(dataRoot, view));
    view->setContextMenuPolicy(Qt::NoContextMenu);
    QWebEngineSettings* settings = view->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    return view;
}

QWebEngineView& MainWindow::browser(Pane pane) { return pane == Pane::WebBrowser2 ? *browser2_ : *browser1_; }

PanePage& MainWindow::pane(Pane which) { return *static_cast<PanePage*>(browser(which).page()); }

void MainWindow::setStatus(const QString& text) { statusPanel_->setText(text); }

QString MainWindow::status() const { return statusPanel_->text(); }

void MainWindow::setWho(const QString& who) {
    setWindowTitle(who.isEmpty() ? QString("tallymoo 小学数学练习") : who + " — tallymoo 小学数学练习");
    if (!whoPanel_) {
        whoPanel_ = new QLabel;
        whoPanel_->setObjectName("WhoPanel");
        whoPanel_->setTextFormat(Qt::PlainText);  // a name is text, never markup
        statusBar()->addPermanentWidget(whoPanel_);
    }
    whoPanel_->setText(who);
    whoPanel_->setVisible(!who.isEmpty());
}

QString MainWindow::who() const { return whoPanel_ ? whoPanel_->text() : QString(); }

void MainWindow::bringToFront(Pane pane) {
    switch (pane) {
        case Pane::WebBrowser1: panes_->setCurrentWidget(browser1_); break;
        case Pane::WebBrowser2: panes_->setCurrentWidget(browser2_); break;
        case Pane::Picture2: panes_->setCurrentWidget(clockPanel_); break;
    }
}

Pane MainWindow::front() const {
    if (panes_->currentWidget() == browser2_) return Pane::WebBrowser2;
    if (panes_->currentWidget() == clockPanel_) return Pane::Picture2;
    return Pane::WebBrowser1;
}

void MainWindow::showTab(const QString& caption) {
    const QSignalBlocker quiet(tabStrip_);
    for (int index = 0; index < tabStrip_->count(); ++index) {
        if (tabStrip_->tabText(index) == caption) tabStrip_->setCurrentIndex(index);
    }
}

bool MainWindow::clickTab(const QString& caption) {
    for (int index = 0; index < tabStrip_->count(); ++index) {
        if (tabStrip_->tabText(index) != caption) continue;
        if (index == tabStrip_->currentIndex()) {
            emit tabClicked(caption);
        } else {
            tabStrip_->setCurrentIndex(index);
        }
        return true;
    }
    return false;
}

// A web view draws through its own render surface, which a plain grab of the
// window may miss; the view in front is painted over its place.
QImage MainWindow::picture() {
    QImage image = grab().toImage();
    if (front() == Pane::Picture2) return image;
    QWebEngineView& view = browser(front());
    QWidget* surface = view.focusProxy() ? view.focusProxy() : &view;
    const QPixmap content = surface->grab();
    if (!content.isNull()) {
        QPainter painter(&image);
        painter.drawPixmap(view.mapTo(this, QPoint(0, 0)), content);
    }
    return image;
}

}  // namespace tally
