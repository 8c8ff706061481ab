#pragma once
// The program folder: language files, the settings file and the "web" folder
// live beside the executable, so a build folder is a complete installation.

#include <QString>

// The folder with a trailing '/'. Normally the executable's folder.
QString programFolder();
// The running executable's full path (the settings file name derives from it).
QString programPath();

// Tests point the program at a temporary folder; an empty path restores the default.
void setProgramPathForTests(const QString& executablePath);
