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

    // Reads "--data DIR", "--seed N", "--script FILE" and "--record FILE" (arguments[0] is the
    // program); nullopt with a reason in `error` for anything else.
    static std::optional<AppOptions> parse(const QStringList& arguments, QString* error);
    static QString usage();
};

// The data directory of a program in `programDir` (see locateDataDirectory).
QString findDataDirectory(const QString& programDir);

}  // namespace tally
