// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_options.h"

#include <QDir>
#include <algorithm>

#include "practice/practice_rows.h"
#include "system/data_location.h"
#include "window/options_dialog.h"
#include "ui/remote_debugging.h"

namespace tally {
namespace {

bool takesOneValue(const QString& name) {
    return name == "--data" || name == "--seed" || name == "--script" || name == "--record" || name == "--count" ||
           name == "--child" || name == "--today" || name == "--grade" || name == "--school";
}

// The counts the options dialog offers; a worksheet has no others.
std::optional<int> questionCount(const QString& value) {
    bool ok = false;
    const int count = value.toInt(&ok);
    const auto& allowed = OptionsDialog::kCountValues;
    if (!ok || std::find(allowed.begin(), allowed.end(), count) == allowed.end()) return std::nullopt;
    return count;
}

bool fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return false;
}

bool setValue(AppOptions& options, const QString& name, const QString& value, QString* error) {
    if (name == "--data") {
        options.dataDir = value;
    } else if (name == "--script") {
        options.script = value;
    } else if (name == "--record") {
        options.recordFile = value;
    } else if (name == "--child") {
        options.child = value;
    } else if (name == "--school") {
        options.school = value;
    } else if (name == "--today") {
        options.today = parseGivenDay(value.toStdString());
        if (!options.today) return fail(error, QString::fromStdString(givenDayProblem(value.toStdString())));
    } else if (name == "--grade") {
        bool ok = false;
        const int grade = value.toInt(&ok);
        if (!ok || grade < 1 || grade > 6) return fail(error, "--grade needs 1 to 6, not " + value);
        options.grade = grade;
    } else if (name == "--count") {
        options.count = questionCount(value);
        if (!options.count) return fail(error, "出题数只能是10、20或50，不能是" + value + "。");
    } else {
        bool ok = false;
        const qulonglong seed = value.toULongLong(&ok);
        if (!ok) return fail(error, "--seed needs a whole number, not " + value);
        options.seed = seed;
    }
    return true;
}

}  // namespace

std::optional<AppOptions> AppOptions::parse(const QStringList& arguments, QString* error) {
    AppOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        // Read from the raw arguments before Qt starts (remote_debugging.h).
        if (name == kDeveloperRemoteDebugging) continue;
        const int values = name == "--print" ? 2 : name == "--print-code" || takesOneValue(name) ? 1 : 0;
        if (values == 0) {
            fail(error, "unknown option " + name);
            return std::nullopt;
        }
        if (i + values >= arguments.size()) {
            fail(error, name + (values == 2 ? " needs a topic key and a file" : " needs a value"));
            return std::nullopt;
        }
        if (name == "--print") {
            options.print = true;
            options.printKey = arguments[++i];
            options.printFile = arguments[++i];
        } else if (name == "--print-code") {
            options.print = true;
            options.printCodeOnly = true;
            options.printKey = arguments[++i];
        } else if (!setValue(options, name, arguments[++i], error)) {
            return std::nullopt;
        }
    }
    if (options.printCodeOnly && options.printKey == "report") {
        fail(error, "每周报告没有编号。");
        return std::nullopt;
    }
    if (options.count && !options.print) {
        fail(error, "--count 只和 --print 一起用。");
        return std::nullopt;
    }
    if (!options.child.isEmpty() && !options.print) {
        fail(error, "--child 只和 --print 一起用。");
        return std::nullopt;
    }
    return options;
}

QString AppOptions::usage() {
    return "usage: tallymoo [--version] [--data DIR] [--seed N] [--script FILE] [--record FILE]"
           " [--today YYYY-MM-DD] [--grade N] [--school CONNINFO] [--developer-remote-debugging]\n"
           "       tallymoo [--data DIR] [--seed N] [--record FILE] [--today YYYY-MM-DD] --print KEY FILE.pdf"
           " [--count 10|20|50] [--child NAME]\n"
           "       tallymoo [--data DIR] [--seed N] [--record FILE] [--today YYYY-MM-DD] --print-code KEY"
           " [--count 10|20|50] [--child NAME]\n"
           "       tallymoo [--record FILE] [--today YYYY-MM-DD] --print report FILE.pdf [--child NAME]\n"
           "       tallymoo [--record FILE] [--seed N] --print mix:NAME FILE.pdf [--child NAME]";
}

QString findDataDirectory(const QString& programDir) {
    const DataLocation found = locateDataDirectory(programDir.toStdString());
    return QDir::cleanPath(QString::fromStdString(found.root.string()));
}

}  // namespace tally
