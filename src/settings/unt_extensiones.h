#pragma once
// The document file type with the desktop: a shared-mime-info package that
// names "*.qnf" files, and a desktop entry that opens them with this
// executable. Both lie in the user's data home, which needs no administrator
// rights; nothing ever removes them.

#include "base/detached_command.h"

#include <QString>

// Whether both files are in place and the entry starts the running
// executable. A registration made by a copy of the program in another folder
// counts as missing, so the next registration points at the running copy.
// Throws EInOutError, as f_registrarExtension does, when the system names no
// data folder for the user.
bool f_extensionRegistrada(const QString& executable);

// Writes both files unless f_extensionRegistrada, then has the desktop's
// databases refreshed by their tools where the system has them, started with
// `start` without waiting for them. Throws EInOutError when a file cannot be
// written.
void f_registrarExtension(const QString& executable, const CommandStarter& start);

QString mimePackagePath();
QString desktopEntryPath();

// The desktop entry's command line: the executable quoted and escaped by the
// desktop entry rules, so that any path survives, then the file placeholder.
QString desktopExecValue(const QString& executable);
