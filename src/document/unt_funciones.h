#pragma once
// The item record, its packed date form and the date helpers, and the copy of
// one subtree into a scratch tree that shares the records.

#include "document/compact_text.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class OutlineNode;
class OutlineTree;

// The priorities a record can hold; any other stored value is kept but
// shows no mark.
inline constexpr quint8 kPrioridadNinguna = 0;
inline constexpr quint8 kPrioridadAlta = 1;
inline constexpr quint8 kPrioridadBaja = 2;

// The record of one item. Texts are held as UTF-8 so that large outlines stay
// compact; `fecha` keeps its exact stored text, but a canonical decimal number
// (the usual case) is held as that number.
class Tnota {
public:
    Tnota() : m_fechaValue(0) {}
    ~Tnota();
    Tnota(const Tnota& other);
    Tnota& operator=(const Tnota& other);
    Tnota(Tnota&& other) noexcept;
    Tnota& operator=(Tnota&& other) noexcept;

    qint32 cumplido = 0;
    quint8 prioridad = 0;

private:
    // Laid out next to the small public fields, so that a record takes 24 bytes.
    bool m_fechaIsValue = true;
    union {
        qint32 m_fechaValue;          // while m_fechaIsValue
        CompactText m_fechaOtherText; // otherwise: the stored text, UTF-8
    };
    CompactText m_texto;

    void setFechaText(CompactText text);

public:
    // The date in fecha form: decimal text of a packed date-time, at most 20 characters.
    QString fecha() const;
    void setFecha(const QString& text);
    // The stored date as a packed value; nothing when the text is no decimal number.
    std::optional<qint32> fechaValue() const;
    void setFechaValue(qint32 packed);
    // True when the stored text is exactly the decimal form of fechaValue().
    bool fechaIsNumber() const { return m_fechaIsValue; }

    QString texto() const { return QString::fromUtf8(m_texto.view()); }
    void setTexto(const QString& texto) { m_texto = CompactText(texto.toUtf8()); }
    QByteArrayView textoUtf8() const { return m_texto.view(); }
    void setTextoUtf8(QByteArrayView texto) { m_texto = CompactText(texto); }
    // The text in `arena`, which must outlive the record (see StoredOutlineBuilder).
    void setTextoUtf8(QByteArrayView texto, BlockArena& arena) {
        m_texto = CompactText(texto, arena);
    }

    // Same date, percentage, body and priority.
    bool sameContent(const Tnota& other) const;
};

// ---- packed date-time (FAT time stamp layout) ----

// The years the packed form can hold, and its first and last day.
inline constexpr int kFechaPrimerAnio = 1980;
inline constexpr int kFechaUltimoAnio = 2107;
inline QDate primerDiaFecha() {
    return QDate(kFechaPrimerAnio, 1, 1);
}
inline QDate ultimoDiaFecha() {
    return QDate(kFechaUltimoAnio, 12, 31);
}

// 0 for a year outside kFechaPrimerAnio..kFechaUltimoAnio.
qint32 packFecha(const QDateTime& value);
// The date and the time fields of a packed value, each invalid when its
// fields form no calendar date or time of day. No QDateTime is built: that
// costs a time-zone lookup, which counts when every item of a report is read.
struct FechaFields {
    QDate date;
    QTime time;
};
FechaFields decodeFecha(qint32 packed);
// Nothing when the fields form no valid calendar date or time (for instance 0).
std::optional<QDateTime> unpackFecha(qint32 packed);

// The user's short date format, its year widened to four digits.
QString shortDateFormat();
// The user's long time format, without a time-zone name.
QString longTimeFormat();
// Short date, and " " plus the long time unless the time is exactly midnight.
QString formatFechaHora(const QDateTime& value);
// Parses date or date-time text in the user's formats, two- or four-digit years.
std::optional<QDateTime> parseFechaHora(const QString& text);

// The conversions of the program. Each throws EConvertError when its input
// holds no date (a stored 0, text that is no number, text that is no date).
QString f_enteroAFecha(qint32 packed);
QString f_fechaNodo(const OutlineNode* node);
qint32 f_enteroNodo(const OutlineNode* node);
QString f_fechaAEntero(const QString& text);
QString f_fechaHoraAEntero(const QDateTime& value);
// The day of a date stored in fecha form (the settings keep report dates so).
// Throws EConvertError for text that is no number and for a number that is no date.
QDate f_diaDeFecha(const QString& stored);

// An item's body as the text editor takes it (line breaks as LF), and the
// editor's raw text (paragraphs separated by U+2029, lines within one by
// U+2028) back with CR LF breaks.
QString textForEditor(const QString& texto);
QString textFromEditor(const QString& rawText);

// A new item's record: no text, today at 00:00:00, 0 %, no priority.
Tnota newItemRecord();

// Clears `aux` and fills it with a copy of `source`'s subtree whose nodes share
// the source's records; the source becomes the only top-level node. Expanded
// states and images are not copied. With no source `aux` is left as it was and
// the result is nullptr; otherwise the result is `aux`.
OutlineTree* f_copiarNodoAux(OutlineNode* source, OutlineTree& aux);

// Splits selected text into the captions of new items, in text order. Tabs
// become blanks; every line but the first loses its surrounding blanks and
// control characters, and lines left empty there are dropped; the first line
// keeps its leading blanks and is kept even when empty.
QStringList splitTextIntoLines(const QString& text);
