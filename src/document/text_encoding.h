#pragma once
// Text on disk: Windows-1252 whenever the text fits that code page, otherwise
// the whole file in UTF-8 (no byte-order mark). Readers take a file that is
// entirely valid UTF-8 and holds a non-ASCII byte as UTF-8, anything else as
// Windows-1252.

#include <QByteArray>
#include <QString>

namespace TextEncoding {

bool isAscii(QByteArrayView bytes);
bool isValidUtf8(QByteArrayView bytes);

// Bytes as read from disk, turned into text by the rule above.
QString decode(QByteArrayView bytes);
// Same rule, but the result stays UTF-8 (cheap when the file already is).
QByteArray decodeToUtf8(const QByteArray& bytes);

// Text to the bytes written to disk: Windows-1252 when every character fits.
QByteArray encode(const QString& text);
// Same rule for text already held as UTF-8 (cheap when it is plain ASCII).
QByteArray encodeUtf8(const QByteArray& utf8);

// Windows-1252 only: characters the code page cannot hold become numeric
// character references (&#8364; style), for HTML pages.
QByteArray encodeCp1252WithReferences(const QString& text);

} // namespace TextEncoding
