#pragma once
// The document file type with the desktop. An installed copy relies on the
// entry, file type and icon its installation put in the system's folders. A
// portable copy (a build folder, an unpacked copy) writes its own into the
// user's data home, which needs no administrator rights: a shared-mime-info
// package that names "*.qnf" files and recognises a saved document by its
// first lines, a desktop entry in the application menu that opens them with
// this executable, and the application icon.

#include "base/detached_command.h"

#include <QString>

class ProgramFolder;

// Whether the user's registration is in place and made by the running
// executable as this run would write it (its comment in this run's language).
// A registration made by a copy of the program in another folder counts as
// missing, so the next registration points at the running copy. Throws
// EInOutError, as f_registrarExtension does, when the system names no data
// folder for the user.
bool f_extensionRegistrada(const QString& executable);

// For a portable copy: writes the user's registration unless
// f_extensionRegistrada. For an installed copy: writes nothing, but removes
// a user registration whose program is gone, since the user's entry would
// hide the system's. Either way, when files changed, has the desktop's
// databases refreshed by their tools where the system has them, started with
// `start` without waiting for them. Throws EInOutError when a file cannot be
// written or removed.
void f_registrarExtension(const ProgramFolder& folder, const CommandStarter& start);

QString mimePackagePath();
QString desktopEntryPath();
QString iconPath();

// The desktop entry's command line: the executable quoted and escaped by the
// desktop entry rules, so that any path survives, then the file placeholder.
QString desktopExecValue(const QString& executable);
// The program an Exec value as desktopExecValue writes it starts; empty for
// any other form.
QString desktopExecProgram(const QString& execValue);
