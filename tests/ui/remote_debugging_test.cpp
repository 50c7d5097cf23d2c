// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QString>
#include <QtGlobal>
#include <vector>

#include "ui/remote_debugging.h"

namespace tally::testing {
namespace {

// Only the developer option keeps the remote debugging the environment asks for.
TEST(RemoteDebugging, TheEnvironmentIsHonouredOnlyForTheDeveloperOption) {
    struct Case { std::vector<const char*> argv; const char* flags; const char* variable; const char* keptFlags; };
    const Case cases[] = {
        {{"tallymoo"}, "--remote-debugging-port=9222", "", ""},
        {{"tallymoo", "--seed", "3"}, "--disable-gpu  -remote-debugging-pipe\t--remote-debugging-address=0.0.0.0 --no-sandbox",
         "", "--disable-gpu --no-sandbox"},
        {{"tallymoo"}, "--disable-gpu --debugging-remote=1 remote-debugging-port", "",
         "--disable-gpu --debugging-remote=1 remote-debugging-port"},
        {{"tallymoo", "--developer-remote-debugging"}, "--disable-gpu --remote-debugging-port=9223", "9222",
         "--disable-gpu --remote-debugging-port=9223"},
    };
    const QString flagsBefore = qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const Case& c : cases) {
        qputenv("QTWEBENGINE_REMOTE_DEBUGGING", "9222");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", c.flags);
        refuseRemoteDebugging(static_cast<int>(c.argv.size()), c.argv.data());
        EXPECT_EQ(qEnvironmentVariable("QTWEBENGINE_REMOTE_DEBUGGING"), c.variable) << c.flags;
        EXPECT_EQ(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS"), c.keptFlags) << c.flags;
    }
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flagsBefore.toUtf8());
}

}  // namespace
}  // namespace tally::testing
