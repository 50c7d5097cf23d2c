// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The option that lets a developer attach Chromium's remote debugging to the
// window's pages, as QTWEBENGINE_REMOTE_DEBUGGING or
// QTWEBENGINE_CHROMIUM_FLAGS ask.
inline constexpr const char* kDeveloperRemoteDebugging = "--developer-remote-debugging";

// Chromium's flags, blank-separated, with every remote-debugging switch taken out.
std::string withoutRemoteDebugging(const std::string& chromiumFlags);

// Whatever attaches to the pages reads all they hold and can drive them, so
// before the web engine starts the remote debugging variable is unset and its
// switches leave QTWEBENGINE_CHROMIUM_FLAGS, unless the developer option is
// among the arguments.
void refuseRemoteDebugging(int argc, const char* const* argv);

}  // namespace tally
