#include "base/program_folder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString& overridePath() {
    static QString path;
    return path;
}
} // namespace

QString programPath() {
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationFilePath();
}

QString programFolder() {
    QString folder = QFileInfo(programPath()).absolutePath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

void setProgramPathForTests(const QString& executablePath) { overridePath() = executablePath; }
