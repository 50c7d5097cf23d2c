#include "ui/worksheet_pdf.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QUrl>
#include <QWebEnginePage>

namespace tally {
namespace {

// The margins of the print style sheet, so both agree whichever the engine takes.
QPageLayout a4Layout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 18),
                       QPageLayout::Millimeter);
}

bool loadPage(QWebEnginePage& page, const QString& html, const QString& baseDir) {
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(&page, &QWebEnginePage::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    page.setHtml(html, QUrl::fromLocalFile(QDir(baseDir).absolutePath() + "/"));
    loop.exec();
    return loaded;
}

bool printPage(QWebEnginePage& page, const QString& file) {
    QEventLoop loop;
    bool written = false;
    QObject::connect(&page, &QWebEnginePage::pdfPrintingFinished, &loop, [&](const QString&, bool ok) {
        written = ok;
        loop.quit();
    });
    page.printToPdf(file, a4Layout());
    loop.exec();
    return written;
}

}  // namespace

bool writeWorksheetPdf(const QString& html, const QString& baseDir, const QString& file, QString* error) {
    const QFileInfo target(file);
    if (!target.absoluteDir().exists() || target.isDir()) {
        if (error) *error = "不能写文件“" + file + "”：没有这个文件夹。";
        return false;
    }
    QWebEnginePage page;
    if (!loadPage(page, html, baseDir)) {
        if (error) *error = "练习卷的页面没能打开。";
        return false;
    }
    if (!printPage(page, target.absoluteFilePath()) || !QFileInfo(target.absoluteFilePath()).isFile()) {
        QFile::remove(target.absoluteFilePath());
        if (error) *error = "不能写文件“" + file + "”，请换一个能写的地方。";
        return false;
    }
    return true;
}

}  // namespace tally
