#pragma once
// Qt's own texts (question buttons, file, font and print dialogs) follow the
// program's language.

#include <QString>

// Loads Qt's translations for the program language: English for "english",
// Spanish otherwise (the windows' designed texts are Spanish). Loads once per run.
void installQtTranslations(const QString& language);
