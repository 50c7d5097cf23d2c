// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pane_printer.h"

#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
#include <QWebEngineView>
#include <QWebEnginePage>
#include <algorithm>
#include <memory>

#include "ui/clock_panel.h"
#include "ui/main_window.h"
#include "ui/worksheet_pdf.h"

namespace tally {

namespace {

// A printer for A4 with the margins of every printed page.
std::unique_ptr<QPrinter> makePrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(printedPageLayout());
    return printer;
}

// The dialog may have chosen a printer whose own margins are narrower.
void keepMargins(QPrinter& printer) {
    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
    const auto atLeast = [](double side) { return std::max(side, kSmallestMarginMm); };
    printer.setPageMargins(
        QMarginsF(atLeast(chosen.left()), atLeast(chosen.top()), atLeast(chosen.right()), atLeast(chosen.bottom())),
        QPageLayout::Millimeter);
}

// The file the dialog chose to print into, or nothing for a real printer.
QString pdfFileOf(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}

}  // namespace

PanePrinter::PanePrinter(MainWindow& window) : QObject(&window), window_(window) {
    for (Pane pane : {Pane::WebBrowser1, Pane::WebBrowser2}) {
        QWebEngineView& view = window_.browser(pane);
        connect(&view, &QWebEngineView::printFinished, this, [this] { busy_ = false; });
    }
}

PanePrinter::~PanePrinter() {
    // A print still running writes to its printer from the view's worker
    // thread: the printer and the view are left to the end of the process
    // rather than pulled from under it.
    if (busy_) {
        static_cast<void>(pagePrinter_.release());
        static_cast<void>(worksheetView_.release());
    }
}

void PanePrinter::print() {
    if (busy_) return;  // the view prints one page at a time
    if (window_.front() == Pane::Picture2) {
        printWidget(window_.clockPanel());
    } else {
        printPage(window_.browser(window_.front()));
    }
}

bool PanePrinter::askPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, &window_);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() != QDialog::Accepted) return false;
    keepMargins(printer);
    return true;
}

// Printed into a file, the page is written by the engine as a PDF of its own,
// with its text as text, and kept as --print keeps a worksheet; a printer
// gets the pages as the view draws them.
void PanePrinter::printPage(QWebEngineView& view) {
    auto printer = makePrinter();
    if (!askPrinter(*printer)) return;
    if (const QString file = pdfFileOf(*printer); !file.isEmpty()) {
        if (const QString why = pdfFileRefusal(file); !why.isEmpty()) {
            QMessageBox::warning(&window_, "提示", why);
            return;
        }
        busy_ = true;
        view.page()->printToPdf(
            [self = QPointer<PanePrinter>(this), file](const QByteArray& pdf) {
                if (!self) return;  // the window closed while the engine printed
                self->busy_ = false;
                if (QString error; !keepPdf(file, pdf, &error)) QMessageBox::warning(&self->window_, "提示", error);
            },
            printer->pageLayout());
        return;
    }
    busy_ = true;
    pagePrinter_ = std::move(printer);
    view.print(pagePrinter_.get());
}

void PanePrinter::printWorksheet(const QString& html, const QString& baseDir) {
    if (busy_) return;
    auto printer = makePrinter();
    if (!askPrinter(*printer)) return;
    if (const QString file = pdfFileOf(*printer); !file.isEmpty()) {
        QString error;
        if (!writeWorksheetPdf(html, baseDir, file, &error)) QMessageBox::warning(&window_, "提示", error);
        return;
    }
    busy_ = true;
    pagePrinter_ = std::move(printer);
    worksheetView_ = std::make_unique<QWebEngineView>();
    QWebEngineView& view = *worksheetView_;
    connect(&view, &QWebEngineView::printFinished, this, [this] { busy_ = false; });
    connect(&view, &QWebEngineView::loadFinished, this, [this, &view](bool) { view.print(pagePrinter_.get()); });
    view.setHtml(html, QUrl::fromLocalFile(QDir(baseDir).absolutePath() + "/"));
}

void PanePrinter::printWidget(QWidget& widget) {
    const auto printer = makePrinter();
    if (!askPrinter(*printer)) return;
    const QPixmap picture = widget.grab();
    QPainter painter(printer.get());
    const QRect page = painter.viewport();
    QSize size = picture.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(picture.rect());
    painter.drawPixmap(0, 0, picture);
}

}  // namespace tally
