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

// Starts the command; whether it could be started is not reported.
void startDetached(const DetachedCommand& command);

// Tests: every later start goes to `starter` instead of starting a program;
// an empty function restores real starts.
void setCommandStarterForTests(std::function<void(const DetachedCommand&)> starter);
