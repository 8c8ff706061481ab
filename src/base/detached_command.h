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

// Starts a command and says whether its program could be started (it is
// found and runs); how it ends is not observed. The program's services hold
// the one in use: startDetached, or a recorder in tests.
using CommandStarter = std::function<bool(const DetachedCommand&)>;

// Starts the program of the command.
bool startDetached(const DetachedCommand& command);
