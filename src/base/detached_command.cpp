#include "base/detached_command.h"

#include <QProcess>

bool startDetached(const DetachedCommand& command) {
    return QProcess::startDetached(command.program, command.arguments);
}
