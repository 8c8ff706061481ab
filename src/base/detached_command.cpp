#include "base/detached_command.h"

#include <QProcess>

namespace {
std::function<void(const DetachedCommand&)>& testStarter() {
    static std::function<void(const DetachedCommand&)> starter;
    return starter;
}
} // namespace

void startDetached(const DetachedCommand& command) {
    if (testStarter()) {
        testStarter()(command);
        return;
    }
    QProcess::startDetached(command.program, command.arguments);
}

void setCommandStarterForTests(std::function<void(const DetachedCommand&)> starter) {
    testStarter() = std::move(starter);
}
