#pragma once

#include <QString>

// Writes the built-in English language file, replacing any file at the path.
// Throws EInOutError when it cannot be written.
void f_crearEnglish(const QString& path);
