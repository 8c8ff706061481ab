#pragma once
// Every text the user reads is looked up by section, key and default in the
// language file beside the executable. The table is built from the file on the
// first lookup and kept for the whole run: a language chosen later takes effect
// at the next start.

#include <QString>
#include <QStringView>

// A text of the language table with the default its caller holds.
struct LanguageText {
    QStringView section;
    QStringView key;
    QStringView defaultText;
};

// A text the built-in language files do not hold. Its default follows the
// current language (Spanish for "espanol", English for any other), and a
// language file of the user's own can still translate it under its key.
struct NewText {
    QStringView section;
    QStringView key;
    QStringView spanish;
    QStringView english;
};

// Makes the name the current language; the table already built is kept.
void f_setIdioma(const QString& name);
QString f_getIdioma();

// The text stored under the key in the section (both in any letter case), or
// the default when either is missing.
QString f_getTexto(const QString& section, const QString& key, const QString& defaultText);
QString f_getTexto(const LanguageText& text);
QString f_getTexto(const NewText& text);

// Builds the table from the file of the current language, first writing the
// built-in Spanish or English file when it is missing or from another version.
// When that file cannot be written or read, a built-in language takes its
// table from the program itself, any other its designed texts, and the reason
// is kept for f_takeLanguageProblem.
void f_cargarIdioma();
// Why the language file was out of reach, once; empty when it was not.
QString f_takeLanguageProblem();

// Whether the file exists and names this program's version in its first line.
// Throws EInOutError when an existing file cannot be read.
bool f_idiomaActualizado(const QString& path);

// Forgets the table and the current language, so each test starts a fresh run.
void discardLanguageTableForTests();
