// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace tally {

// The command line of the desktop program.
struct AppOptions {
    QString dataDir;
    std::optional<std::uint64_t> seed;
    QString script;
    QString recordFile;  // the progress record; the user's data location when empty
    // --print KEY FILE.pdf: the worksheet of topic KEY with its key as PDF, no
    // window. Given at all, even with an empty key (which no topic has).
    bool print = false;
    // --print-code KEY: only the code that print would carry.
    bool printCodeOnly = false;
    QString printKey;
    QString printFile;
    std::optional<int> count;  // --count N, the question count of that worksheet
    QString child;             // --child NAME, written on that worksheet's name line
    // --today YYYY-MM-DD: the day the daily practice and the record count
    // from (days since 1970-01-01), for scripts; the computer's date otherwise.
    std::optional<int> today;
    std::optional<int> grade;  // --grade 1…6: the grade whose lessons the practice follows
    QString school;            // --school CONNINFO: the school's server, kept for the next start

    // Reads "--data DIR", "--seed N", "--script FILE", "--record FILE", "--print KEY FILE"
    // (KEY "report": the weekly report), "--print-code KEY", "--count N", "--today DATE", "--grade N" and "--school CONNINFO" (arguments[0] is the program),
    // and takes "--developer-remote-debugging" (see remote_debugging.h); nullopt with a reason in `error` for
    // anything else.
    static std::optional<AppOptions> parse(const QStringList& arguments, QString* error);
    static QString usage();
};

// The data directory of a program in `programDir` (see locateDataDirectory).
QString findDataDirectory(const QString& programDir);

}  // namespace tally
