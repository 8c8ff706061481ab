#pragma once

#include <QString>

// Writes the built-in English language file, replacing any file at the path.
// Throws EInOutError when it cannot be written.
void f_crearEnglish(const QString& path);
// The same file's text, for a program folder where the file is out of reach.
QString f_textoEnglish();
