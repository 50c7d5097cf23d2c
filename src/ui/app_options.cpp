#include "ui/app_options.h"

#include <QDir>

#include "shell/data_location.h"

namespace tally {

std::optional<AppOptions> AppOptions::parse(const QStringList& arguments, QString* error) {
    AppOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (name != "--data" && name != "--seed" && name != "--script" && name != "--record") {
            if (error) *error = "unknown option " + name;
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            if (error) *error = name + " needs a value";
            return std::nullopt;
        }
        const QString& value = arguments[++i];
        if (name == "--data") {
            options.dataDir = value;
        } else if (name == "--script") {
            options.script = value;
        } else if (name == "--record") {
            options.recordFile = value;
        } else {
            bool ok = false;
            const qulonglong seed = value.toULongLong(&ok);
            if (!ok) {
                if (error) *error = "--seed needs a whole number, not " + value;
                return std::nullopt;
            }
            options.seed = seed;
        }
    }
    return options;
}

QString AppOptions::usage() { return "usage: tallymoo [--version] [--data DIR] [--seed N] [--script FILE] [--record FILE]"; }

QString findDataDirectory(const QString& programDir) {
    const DataLocation found = locateDataDirectory(programDir.toStdString());
    return QDir::cleanPath(QString::fromStdString(found.root.string()));
}

}  // namespace tally
