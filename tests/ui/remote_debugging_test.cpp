#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

#include "ui/remote_debugging.h"

namespace tally::testing {
namespace {

TEST(RemoteDebugging, EverySwitchOfItLeavesTheFlags) {
    struct Case { const char* flags; const char* kept; };
    const Case cases[] = {
        {"--remote-debugging-port=9222", ""},
        {"--disable-gpu  --remote-debugging-port=0 -remote-debugging-pipe", "--disable-gpu"},
        {"--remote-debugging-address=0.0.0.0 --no-sandbox\t--remote-debugging-socket-name=x", "--no-sandbox"},
        {"--disable-gpu --debugging-remote=1 remote-debugging-port", "--disable-gpu --debugging-remote=1 remote-debugging-port"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(withoutRemoteDebugging(c.flags), c.kept) << c.flags;
}

// Only the developer option keeps what the environment asks for.
TEST(RemoteDebugging, TheEnvironmentIsHonouredOnlyForTheDeveloperOption) {
    const QByteArray flagsBefore = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    struct Case { std::vector<const char*> argv; const char* variable; const char* flags; };
    const Case cases[] = {
        {{"tallymoo"}, "", "--disable-gpu"},
        {{"tallymoo", "--developer-remote-debugging"}, "9222", "--disable-gpu --remote-debugging-port=9223"},
    };
    for (const Case& c : cases) {
        qputenv("QTWEBENGINE_REMOTE_DEBUGGING", "9222");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --remote-debugging-port=9223");
        refuseRemoteDebugging(static_cast<int>(c.argv.size()), c.argv.data());
        EXPECT_EQ(qEnvironmentVariable("QTWEBENGINE_REMOTE_DEBUGGING"), c.variable) << c.argv.size();
        EXPECT_EQ(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS"), c.flags) << c.argv.size();
    }
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flagsBefore);
}

}  // namespace
}  // namespace tally::testing
