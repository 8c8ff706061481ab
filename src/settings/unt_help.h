#pragma once
// The help file follows the current language at once, even though every other
// text keeps the language the program started with.

#include "base/detached_command.h"
#include "base/program_folder.h"

#include <QString>

// The help file of the current language: the program folder, "quilnst_", the
// language name and ".chm".
QString helpFileName(const ProgramFolder& folder);

// The system's HTML Help viewer, which can open the help file at a topic;
// empty where the system has none.
QString htmlHelpViewer();

// The command that shows the help file, at the topic when one is given. The
// HTML Help viewer takes the file and the topic as one address
// ("file::/topic"). Without it the desktop's handler opens the file, at its
// start: a handler takes a document, not a place inside one.
DetachedCommand helpCommand(const QString& helpFile, const QString& topic, const QString& viewer);
