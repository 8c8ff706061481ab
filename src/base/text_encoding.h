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

// isValidUtf8 for a file taken in pieces, so that the rule above can be applied
// without holding the whole file: a character may begin in one piece and end
// in the next, and the verdict over all pieces is the one isValidUtf8 gives for
// them joined.
class Utf8Validator {
public:
    void add(QByteArrayView bytes);
    // False once no further bytes can make the whole valid, so a reader may stop early.
    bool canStillBeValid() const { return !m_invalid; }
    // The verdict for everything added: a sequence cut off at the end is not UTF-8.
    bool isValid() const { return !m_invalid && m_pending == 0; }

private:
    int m_pending = 0; // continuation bytes the current character still needs
    // Allowed range of the next continuation byte: narrower right after some
    // lead bytes, which rules out overlong forms, surrogates and values past U+10FFFF.
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
    bool m_invalid = false;
};

// Bytes as read from disk, turned into text by the rule above.
QString decode(QByteArrayView bytes);
// Windows-1252 bytes as UTF-8: the characters decode() gives for a file that
// is not UTF-8, for readers that convert a file piece by piece.
QByteArray cp1252ToUtf8(QByteArrayView bytes);

// Text to the bytes written to disk: Windows-1252 when every character fits,
// unless those bytes would read back as UTF-8.
QByteArray encode(const QString& text);
// Same rule for text already held as UTF-8 (cheap when it is plain ASCII).
QByteArray encodeUtf8(const QByteArray& utf8);

// Windows-1252 only: characters the code page cannot hold become numeric
// character references (&#8364; style), for HTML pages.
QByteArray encodeCp1252WithReferences(const QString& text);

} // namespace TextEncoding
