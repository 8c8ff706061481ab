#include "document/text_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextEncoding {

namespace {
constexpr const char* kCp1252 = "windows-1252";

// Encodes one character to Windows-1252; empty when the code page lacks it.
QByteArray cp1252Char(QStringView ch) {
    QStringEncoder encoder(kCp1252, QStringConverter::Flag::Stateless);
    QByteArray out = encoder.encode(ch);
    return encoder.hasError() ? QByteArray() : out;
}
} // namespace

bool isAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool isValidUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return false;
        p += extra + 1;
    }
    return true;
}

QString decode(QByteArrayView bytes) {
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(kCp1252, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray decodeToUtf8(const QByteArray& bytes) {
    if (isValidUtf8(bytes))
        return bytes;
    return decode(bytes).toUtf8();
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder(kCp1252, QStringConverter::Flag::Stateless);
    QByteArray out = encoder.encode(text);
    return encoder.hasError() ? text.toUtf8() : out;
}

QByteArray encodeUtf8(const QByteArray& utf8) {
    if (isAscii(utf8))
        return utf8;
    return encode(QString::fromUtf8(utf8));
}

QByteArray encodeCp1252WithReferences(const QString& text) {
    QStringEncoder encoder(kCp1252, QStringConverter::Flag::Stateless);
    QByteArray out = encoder.encode(text);
    if (!encoder.hasError())
        return out;
    // Slow path, only for text holding characters outside the code page.
    out.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() &&
                          text[i + 1].isLowSurrogate();
        const QStringView ch = QStringView(text).mid(i, pair ? 2 : 1);
        const QByteArray encoded = cp1252Char(ch);
        if (!encoded.isEmpty()) {
            out += encoded;
        } else {
            const char32_t cp = pair ? QChar::surrogateToUcs4(text[i], text[i + 1])
                                     : char32_t(text[i].unicode());
            out += "&#" + QByteArray::number(quint32(cp)) + ';';
        }
        if (pair)
            ++i;
    }
    return out;
}

} // namespace TextEncoding
