#pragma once
// The two built-in language files share their keys and their order; only the
// values, the warning line and the layout of the equals signs differ. One table
// holds both languages side by side, and one writer lays either file out.

#include <QString>
#include <QStringView>
#include <span>

namespace BuiltinLanguage {

struct Entry {
    QStringView key;
    QStringView espanol;
    QStringView english;
};

struct EntryRef {
    QStringView section;
    QStringView key;
};

// What sets one language's file apart.
struct Layout {
    QStringView Entry::*value;
    QStringView warning;
    // Column of the "=" on an entry's line, counted from 1.
    int (*equalsColumn)(QStringView section, QStringView key);
    // Empty values whose line still ends in "= ".
    std::span<const EntryRef> blankAfterEmptyValue;
};

// The whole file's text, as writeFile writes it.
QString fileText(const Layout& layout);
// Writes the whole file in Windows-1252 with CR LF line ends, replacing any
// file at the path. Throws EInOutError when it cannot be written.
void writeFile(const QString& path, const Layout& layout);

} // namespace BuiltinLanguage
