// SPDX-License-Identifier: GPL-3.0-or-later
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

#include "system/atomic_file.h"

namespace tally {
namespace {

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

// The page as PDF bytes; empty when the engine could not print it.
QByteArray printedPdf(QWebEnginePage& page) {
    QEventLoop loop;
    QByteArray pdf;
    bool done = false;
    page.printToPdf(
        [&](const QByteArray& bytes) {
            pdf = bytes;
            done = true;
            loop.quit();
        },
        printedPageLayout());
    if (!done) loop.exec();
    return pdf;
}

// Why the file cannot be written, before anything is printed; empty when it can.
QString refusal(const QFileInfo& target) {
    if (target.isDir()) {
        return "这是一个文件夹，请在后面加上文件名，比如“" + QDir(target.filePath()).filePath("练习卷.pdf") + "”。";
    }
    if (!target.absoluteDir().exists()) return "没有这个文件夹。";
    if (target.exists() && !target.isWritable()) return "这个文件是只读的，原来的文件没有动。";
    if (!QFileInfo(target.absolutePath()).isWritable()) return "不能在这个文件夹里写文件。";
    return "";
}

}  // namespace

// The margins of the print style sheet, so both agree whichever the engine takes.
QPageLayout printedPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 18),
                       QPageLayout::Millimeter);
}

QString pdfFileRefusal(const QString& file) {
    const QString why = refusal(QFileInfo(file));
    return why.isEmpty() ? why : "不能写文件“" + file + "”：" + why;
}

bool keepPdf(const QString& file, const QByteArray& pdf, QString* error) {
    if (!pdf.isEmpty() && replaceFileAtomically(QFile::encodeName(file).toStdString(), pdf.toStdString())) return true;
    if (error) *error = "不能写文件“" + file + "”，请换一个能写的地方。";
    return false;
}

bool writeWorksheetPdf(const QString& html, const QString& baseDir, const QString& file, QString* error) {
    if (const QString why = pdfFileRefusal(file); !why.isEmpty()) {
        if (error) *error = why;
        return false;
    }
    QWebEnginePage page;
    if (!loadPage(page, html, baseDir)) {
        if (error) *error = "练习卷的页面没能打开。";
        return false;
    }
    return keepPdf(file, printedPdf(page), error);
}

}  // namespace tally
