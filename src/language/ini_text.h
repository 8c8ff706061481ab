#pragma once
// The line layout shared by the settings file and the language files: section
// headers in square brackets and "key=value" entries, read line by line, and
// the whole-file reading and writing both need.

#include "language/unt_idioma.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace IniText {

// Removes blanks and control characters (everything up to and including the
// space) from both ends, the way hand-edited INI files are forgiven.
QStringView stripBlanks(QStringView text);

// Splits on CR LF, and on a lone CR or LF, so files from any editor read alike.
QList<QStringView> splitLines(QStringView text);

struct Line {
    enum class Kind { Ignored, Section, Entry };
    Kind kind = Kind::Ignored;
    QStringView name;  // the section name, or the key of an entry
    QStringView value; // the value of an entry
};

// Reads one line: empty and ";" lines and lines without "=" are ignored; the
// key ends at the first "=", so values may hold further ones.
Line parseLine(QStringView line);

// Walks the sections and entries of a whole text in order: `onSection` for
// each section header, `onEntry` for each entry with the section it is in.
// Entries before the first section belong nowhere and are skipped.
void forEachEntry(
    QStringView text, const std::function<void(QStringView section)>& onSection,
    const std::function<void(QStringView section, QStringView key, QStringView value)>& onEntry);

// The bytes of an existing file. Throws EInOutError naming `description`
// (the kind of file, looked up only then: reading the settings comes before
// the language is known) when it cannot be opened or read.
QByteArray readFile(const QString& path, const NewText& description);

// Replaces the file as a whole: the old contents stay until the new ones are
// complete, so a full disk or a crash never leaves half a file. Throws
// EInOutError naming `description` when the file cannot be written.
void writeFile(const QString& path, const QByteArray& bytes, const NewText& description);
// Removes the file when it exists. Throws EInOutError naming `description`
// when it stays.
void removeFile(const QString& path, const NewText& description);

} // namespace IniText
