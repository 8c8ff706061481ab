#pragma once
// Programs started without waiting for them: the help viewer and the tools
// that refresh the desktop's databases. Nothing waits on them and their own
// failures are not observed, so the program never hangs on one.

#include <QString>
#include <QStringList>
#include <functional>

struct DetachedCommand {
    QString program;
    QStringList arguments;

    bool operator==(const DetachedCommand&) const = default;
};

// Starts a command; whether it could be started is not reported. The
// program's services hold the one in use: startDetached, or a recorder in tests.
using CommandStarter = std::function<void(const DetachedCommand&)>;

// Starts the program of the command.
void startDetached(const DetachedCommand& command);
