#include "base/detached_command.h"

#include <QProcess>

void startDetached(const DetachedCommand& command) {
    QProcess::startDetached(command.program, command.arguments);
}
