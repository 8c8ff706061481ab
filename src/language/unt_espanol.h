#pragma once

#include <QString>

// Writes the built-in Spanish language file, replacing any file at the path.
// Throws EInOutError when it cannot be written.
void f_crearEspanol(const QString& path);
// The same file's text, for a program folder where the file is out of reach.
QString f_textoEspanol();
