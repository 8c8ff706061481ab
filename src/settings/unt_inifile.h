#pragma once
// The settings file beside the executable. Each read or write is a single
// call that opens the file, does its work and closes it again, unless a window
// holds the file open (f_abrirIni): then reads and writes stay in memory until
// the hold ends with f_guardarIni (write everything) or f_descartarIni (drop it).
//
// Section and key names match in any letter case. The file is rewritten as a
// whole, in Windows-1252 unless a value needs more, then in UTF-8.

#include "settings/settings_keys.h"

#include <QString>

// The executable's path with its extension replaced by "ini" ("ini" appended
// when it has none).
QString f_nombreIni();

// Loads the file into memory and starts a hold; a missing file is created empty.
// Throws EInOutError when an existing file cannot be read, so that no later
// write replaces settings that were never seen.
void f_abrirIni();
// Ends the hold, first writing the whole file when `writeToDisk` is set; does
// nothing when no hold is open. The hold ends even when the write fails.
// Throws EInOutError when the file cannot be written; the old file is then intact.
void f_cerrarIni(bool writeToDisk);
void f_guardarIni();
void f_descartarIni();

// The stored value, or the default when the key is missing; the default is then
// also stored in memory, so a hold that is accepted writes it.
QString f_leerIni(const QString& section, const QString& key, const QString& defaultValue);
QString f_leerIni(const Setting& setting);
QString f_leerIni(const SettingKey& key, const QString& defaultValue);

// Stores the value; outside a hold the whole file is written at once. Line
// breaks become blanks, since a value is one line of the file.
void f_escribirIni(const QString& section, const QString& key, const QString& value);
void f_escribirIni(const SettingKey& key, const QString& value);

// A setting that holds a number, with the default standing in for a value that
// is no number, so a damaged settings file cannot stop the program.
int readSettingNumber(const Setting& setting);
