#pragma once
// The program folder: language files, the settings file and the "web" folder
// live beside the executable, so a build folder is a complete installation.
// The program's services hold the running program's; a test makes one for a
// folder of its own.

#include <QString>

class ProgramFolder {
public:
    explicit ProgramFolder(QString executablePath);
    // The folder of the executable that is running.
    static ProgramFolder ofRunningProgram();

    // The executable's full path (the settings file name derives from it).
    const QString& executablePath() const { return m_executablePath; }
    // The folder, with a trailing '/'.
    const QString& path() const { return m_path; }

private:
    QString m_executablePath;
    QString m_path;
};
