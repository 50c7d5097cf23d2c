// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "ui/app_options.h"
#include "ui/desktop_app.h"
#include "ui/print_command.h"
#include "ui/remote_debugging.h"
#include "ui/script_runner.h"
#include "tallymoo_version.h"

namespace {

// A worksheet is printed without a window: no display is needed for it.
void printWithoutDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const bool printing = std::strcmp(argv[i], "--print") == 0 || std::strcmp(argv[i], "--print-code") == 0;
        if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so it works without a display.
    if (argc == 2 && QByteArray(argv[1]) == "--version") {
        std::fputs("tallymoo ", stdout);
        std::puts(tally::kVersion);
        return 0;
    }
    printWithoutDisplay(argc, argv);
    tally::refuseRemoteDebugging(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName("tallymoo");
    QTextStream err(stderr);
    // Qt's own words (message-box buttons, the print dialog) in Chinese too.
    QTranslator qtWords;
    if (qtWords.load(QLocale(QLocale::Chinese, QLocale::China), "qt", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtWords);
    } else {
        err << "tallymoo: Qt's Chinese translations are not installed (qt6-translations-l10n)\n";
    }

    QString error;
    const auto options = tally::AppOptions::parse(QApplication::arguments(), &error);
    if (!options) {
        err << error << "\n" << tally::AppOptions::usage() << "\n";
        return 2;
    }
    if (options->print) {
        QTextStream out(stdout);
        return tally::runPrintCommand(*options, out, err);
    }
    std::optional<QStringList> script;
    if (!options->script.isEmpty()) {
        script = tally::ScriptRunner::read(options->script);
        if (!script) {
            err << "cannot read " << options->script << "\n";
            return 2;
        }
    }

    tally::DesktopApp desktop(*options);
    if (!QFileInfo::exists(QDir(desktop.dataRoot()).filePath("help.htm"))) {
        err << "tallymoo: no start page in " << desktop.dataRoot() << " (give the data directory with --data DIR)\n";
        err.flush();
    }
    std::unique_ptr<tally::ScriptRunner> runner;
    if (script) {
        runner = std::make_unique<tally::ScriptRunner>(desktop, *script);
        runner->begin();
    }
    desktop.start();
    return QApplication::exec();
}
