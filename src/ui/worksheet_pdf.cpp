#include "ui/worksheet_pdf.h"

#include <sys/stat.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryFile>
#include <QUrl>
#include <QWebEnginePage>
#include <cstdio>

#include "shell/atomic_file.h"

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

bool printPage(QWebEnginePage& page, const QString& file) {
    QEventLoop loop;
    bool written = false;
    QObject::connect(&page, &QWebEnginePage::pdfPrintingFinished, &loop, [&](const QString&, bool ok) {
        written = ok;
        loop.quit();
    });
    page.printToPdf(file, printedPageLayout());
    loop.exec();
    return written;
}

// The mode the PDF gets: that of the file it replaces, else the user's usual
// mode for a new file.
mode_t pdfMode(const QString& target) {
    struct stat existing {};
    if (::stat(QFile::encodeName(target).constData(), &existing) == 0) return existing.st_mode & 07777;
    return newFileMode();
}

// Why the file cannot be written, before anything is printed; empty when it can.
QString refusal(const QFileInfo& target) {
    if (target.isDir()) return "这是一个文件夹，请在后面加上文件名，比如“" + target.filePath() + "/练习卷.pdf”。";
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

bool writeWorksheetPdf(const QString& html, const QString& baseDir, const QString& file, QString* error) {
    const QFileInfo target(file);
    if (const QString why = refusal(target); !why.isEmpty()) {
        if (error) *error = "不能写文件“" + file + "”：" + why;
        return false;
    }
    QWebEnginePage page;
    if (!loadPage(page, html, baseDir)) {
        if (error) *error = "练习卷的页面没能打开。";
        return false;
    }
    // Printed beside the file and moved into its place only when complete: a
    // file that was there stays as it was unless the new one replaces it whole.
    const QString path = target.absoluteFilePath();
    QTemporaryFile temporary(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    bool printed = temporary.open();
    const QByteArray part = QFile::encodeName(temporary.fileName());
    temporary.close();
    printed = printed && printPage(page, temporary.fileName()) && QFileInfo(temporary.fileName()).size() > 0 &&
              ::chmod(part.constData(), pdfMode(path)) == 0 &&
              std::rename(part.constData(), QFile::encodeName(path).constData()) == 0;
    if (!printed) {
        if (error) *error = "不能写文件“" + file + "”，请换一个能写的地方。";
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

}  // namespace tally
