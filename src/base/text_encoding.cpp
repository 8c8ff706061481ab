#include "base/text_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <cstring>

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
    Utf8Validator validator;
    validator.add(bytes);
    return validator.isValid();
}

void Utf8Validator::add(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end && !m_invalid) {
        if (m_pending > 0) {
            if (*p < m_low || *p > m_high) {
                m_invalid = true;
                return;
            }
            ++p;
            --m_pending;
            m_low = 0x80;
            m_high = 0xBF;
            continue;
        }
        // Documents are mostly ASCII: skip it eight bytes at a time.
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, sizeof word);
            if (word & 0x8080808080808080u)
                break;
            p += 8;
        }
        while (p < end && *p < 0x80)
            ++p;
        if (p == end)
            return;
        const unsigned char lead = *p++;
        if (lead >= 0xC2 && lead <= 0xDF) {
            m_pending = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            m_pending = 2;
            if (lead == 0xE0)
                m_low = 0xA0; // below: overlong
            else if (lead == 0xED)
                m_high = 0x9F; // above: surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            m_pending = 3;
            if (lead == 0xF0)
                m_low = 0x90; // below: overlong
            else if (lead == 0xF4)
                m_high = 0x8F; // above: past U+10FFFF
        } else {
            // A stray continuation byte, C0/C1 (always overlong) or F5..FF.
            m_invalid = true;
        }
    }
}

QString decode(QByteArrayView bytes) {
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(kCp1252, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray cp1252ToUtf8(QByteArrayView bytes) {
    // Each byte is one character of the code page, so a table built once from
    // the same decoder decode() uses gives exactly its characters.
    static const std::array<QByteArray, 256> table = [] {
        std::array<QByteArray, 256> utf8;
        QStringDecoder decoder(kCp1252, QStringConverter::Flag::Stateless);
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            utf8[size_t(byte)] = QString(decoder.decode(QByteArrayView(&c, 1))).toUtf8();
        }
        return utf8;
    }();
    qsizetype size = 0;
    for (char c : bytes)
        size += table[static_cast<unsigned char>(c)].size();
    // Built at its final size: converted lines end up in the document tree.
    QByteArray out(size, Qt::Uninitialized);
    char* to = out.data();
    for (char c : bytes) {
        const QByteArray& utf8 = table[static_cast<unsigned char>(c)];
        std::memcpy(to, utf8.constData(), size_t(utf8.size()));
        to += utf8.size();
    }
    return out;
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder(kCp1252, QStringConverter::Flag::Stateless);
    QByteArray out = encoder.encode(text);
    // Windows-1252 bytes that happen to form valid UTF-8 ("Ã©" gives C3 A9)
    // would be read back as UTF-8, as other text: such text goes in UTF-8.
    if (encoder.hasError() || (!isAscii(out) && isValidUtf8(out)))
        return text.toUtf8();
    return out;
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
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView ch = QStringView(text).mid(i, pair ? 2 : 1);
        const QByteArray encoded = cp1252Char(ch);
        if (!encoded.isEmpty()) {
            out += encoded;
        } else {
            const char32_t cp =
                pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
            out += "&#" + QByteArray::number(quint32(cp)) + ';';
        }
        if (pair)
            ++i;
    }
    return out;
}

} // namespace TextEncoding
