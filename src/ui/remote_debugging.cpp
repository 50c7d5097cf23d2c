// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/remote_debugging.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstring>
#include <sstream>
#include <string_view>

namespace tally {
namespace {

// Chromium reads a switch after "--" or "-".
bool isRemoteDebuggingSwitch(std::string_view word) {
    const std::size_t dashes = word.starts_with("--") ? 2 : word.starts_with('-') ? 1 : 0;
    return dashes > 0 && word.substr(dashes).starts_with("remote-debugging");
}

bool asksForRemoteDebugging(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kDeveloperRemoteDebugging) == 0) return true;
    }
    return false;
}

}  // namespace

std::string withoutRemoteDebugging(const std::string& chromiumFlags) {
    std::istringstream words(chromiumFlags);
    std::string kept;
    for (std::string word; words >> word;) {
        if (isRemoteDebuggingSwitch(word)) continue;
        kept += (kept.empty() ? "" : " ") + word;
    }
    return kept;
}

void refuseRemoteDebugging(int argc, const char* const* argv) {
    if (asksForRemoteDebugging(argc, argv)) return;
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    constexpr const char* kFlags = "QTWEBENGINE_CHROMIUM_FLAGS";
    if (!qEnvironmentVariableIsSet(kFlags)) return;
    qputenv(kFlags, QByteArray::fromStdString(withoutRemoteDebugging(qgetenv(kFlags).toStdString())));
}

}  // namespace tally
