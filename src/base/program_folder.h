#pragma once
// The program folder, and where the program keeps the files it writes: its
// settings file, its language files and the "web" folder of report pages.
// A folder the program can write to (a build folder, an unpacked copy) is a
// complete portable installation: those files live beside the executable. An
// installed copy, whose folder it cannot write or which lies in an installed
// layout, keeps the same files, with the same names and bytes, in the user's
// folders. The program's services hold the running program's; a test makes a
// portable one for a folder of its own, or has `locate` decide for one.

#include <QString>

class ProgramFolder {
public:
    // A portable program: every file beside the executable.
    explicit ProgramFolder(QString executablePath);
    // Decides where the files of the executable at this path live, creating
    // the user's folders when they are the place: beside it when its folder
    // can be written and is no installed layout, else the user's config folder
    // (settings and language files) and cache folder ("web"), each in a
    // folder named after the executable.
    static ProgramFolder locate(const QString& executablePath);
    // The same for the executable that is running.
    static ProgramFolder ofRunningProgram();

    // The executable's full path (the settings file name derives from it).
    const QString& executablePath() const { return m_executablePath; }
    // The executable's folder, with a trailing '/'.
    const QString& path() const { return m_path; }
    // Whether the files live beside the executable.
    bool portable() const { return m_configFolder == m_path; }
    // Where the settings file and the language files live, with a trailing '/'.
    const QString& configFolder() const { return m_configFolder; }
    // The folder that holds the "web" folder, with a trailing '/'.
    const QString& webParent() const { return m_webParent; }

    // Where the browser module of the executable at this path lies: beside
    // it in a build folder or portable copy, else in its installed place.
    static QString moduleFolder(const QString& executablePath);

private:
    ProgramFolder(QString executablePath, QString configFolder, QString webParent);
    QString m_executablePath;
    QString m_path;
    QString m_configFolder;
    QString m_webParent;
};
