#pragma once
// The help file follows the current language at once, even though every other
// text keeps the language the program started with.

#include <QString>

// Names the help file after the current language: the program folder,
// "quilnst_", the language name and ".chm".
void f_setHelpFile();
// The name set by the last f_setHelpFile; empty before the first.
QString helpFileName();
