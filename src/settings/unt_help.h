#pragma once
// The manual: HTML pages, one folder per language, shown in the desktop's
// browser. The page follows the current language at once, even though every
// other text keeps the language the program started with.

#include "base/detached_command.h"
#include "base/program_folder.h"

#include <QString>

// The places of the manual that the program opens. Each one is a page of its
// own in every language's folder, so a browser needs no fragment to land on it.
enum class HelpTopic {
    start,   // the manual's start page, for the help command
    options, // the options dialog, for its F1 key
};

// Every topic, for whoever must check that each has its page.
inline constexpr HelpTopic kHelpTopics[] = {HelpTopic::start, HelpTopic::options};

// The page of a topic inside a language's folder ("opciones.htm").
QString helpPageName(HelpTopic topic);

// The folder of the manual, with a trailing '/': "help" beside the executable
// when it is there (a build folder, an unpacked copy), else where an
// installation puts it (<prefix>/share/quillnest/help for <prefix>/bin), else
// beside the executable again, so that a missing manual is named where a
// portable copy keeps it.
QString helpFolder(const ProgramFolder& folder);

// The full path of a topic's page in the current language: the manual's
// folder, the language name ("espanol", "english"), the page. A language
// without a manual of its own names a page that does not exist.
QString helpFileName(const ProgramFolder& folder, HelpTopic topic);

// The command that shows a page: the desktop's handler of the page's file URL,
// which is its browser for HTML.
DetachedCommand helpCommand(const QString& page);
