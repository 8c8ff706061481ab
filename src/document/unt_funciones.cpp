#include "document/unt_funciones.h"

#include "base/errors.h"
#include "base/unt_constantes.h"
#include "document/outline_tree.h"
#include "language/messages.h"

#include <QLocale>
#include <QRegularExpression>
#include <new>
#include <utility>
#include <vector>

// ---- Tnota ----

Tnota::~Tnota() {
    if (!m_fechaIsValue)
        m_fechaOtherText.~CompactText();
}

Tnota::Tnota(const Tnota& other)
    : cumplido(other.cumplido), prioridad(other.prioridad), m_fechaValue(0),
      m_texto(other.m_texto) {
    if (!other.m_fechaIsValue)
        setFechaText(other.m_fechaOtherText);
    else
        m_fechaValue = other.m_fechaValue;
}

Tnota::Tnota(Tnota&& other) noexcept
    : cumplido(other.cumplido), prioridad(other.prioridad), m_fechaValue(0),
      m_texto(std::move(other.m_texto)) {
    if (!other.m_fechaIsValue)
        setFechaText(std::move(other.m_fechaOtherText));
    else
        m_fechaValue = other.m_fechaValue;
}

Tnota& Tnota::operator=(const Tnota& other) {
    if (this != &other)
        *this = Tnota(other);
    return *this;
}

Tnota& Tnota::operator=(Tnota&& other) noexcept {
    if (this == &other)
        return *this;
    cumplido = other.cumplido;
    prioridad = other.prioridad;
    m_texto = std::move(other.m_texto);
    if (other.m_fechaIsValue)
        setFechaValue(other.m_fechaValue);
    else
        setFechaText(std::move(other.m_fechaOtherText));
    return *this;
}

void Tnota::setFechaText(CompactText text) {
    if (m_fechaIsValue) {
        new (&m_fechaOtherText) CompactText(std::move(text));
        m_fechaIsValue = false;
    } else {
        m_fechaOtherText = std::move(text);
    }
}

QString Tnota::fecha() const {
    return m_fechaIsValue ? QString::number(m_fechaValue)
                          : QString::fromUtf8(m_fechaOtherText.view());
}

void Tnota::setFecha(const QString& text) {
    const QString cut = text.left(Unt_constantes::fechaCapacidad);
    bool ok = false;
    const qint32 value = cut.toInt(&ok);
    if (ok && cut == QString::number(value)) {
        setFechaValue(value);
    } else {
        setFechaText(CompactText(cut.toUtf8()));
    }
}

std::optional<qint32> Tnota::fechaValue() const {
    if (m_fechaIsValue)
        return m_fechaValue;
    bool ok = false;
    const qint32 value = QString::fromUtf8(m_fechaOtherText.view()).toInt(&ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

void Tnota::setFechaValue(qint32 packed) {
    if (!m_fechaIsValue) {
        m_fechaOtherText.~CompactText();
        m_fechaIsValue = true;
    }
    m_fechaValue = packed;
}

bool Tnota::sameContent(const Tnota& other) const {
    return fecha() == other.fecha() && cumplido == other.cumplido && m_texto == other.m_texto &&
           prioridad == other.prioridad;
}

// ---- packed date-time ----

qint32 packFecha(const QDateTime& value) {
    const QDate d = value.date();
    const QTime t = value.time();
    if (!d.isValid() || d.year() < kFechaPrimerAnio || d.year() > kFechaUltimoAnio)
        return 0;
    const quint32 low = quint32(t.second() / 2 + t.minute() * 32 + t.hour() * 2048);
    const quint32 high = quint32(d.day() + d.month() * 32 + (d.year() - kFechaPrimerAnio) * 512);
    return static_cast<qint32>(high << 16 | low);
}

FechaFields decodeFecha(qint32 packed) {
    const quint32 bits = static_cast<quint32>(packed);
    const quint32 high = bits >> 16;
    const quint32 low = bits & 0xFFFF;
    return {QDate(int(kFechaPrimerAnio + (high >> 9)), int((high >> 5) & 15), int(high & 31)),
            QTime(int(low >> 11), int((low >> 5) & 63), int((low & 31) * 2))};
}

std::optional<QDateTime> unpackFecha(qint32 packed) {
    const FechaFields fields = decodeFecha(packed);
    if (!fields.date.isValid() || !fields.time.isValid())
        return std::nullopt;
    return QDateTime(fields.date, fields.time);
}

// ---- locale date texts ----

namespace {

// Replaces every run of `letter` of exactly `from` letters by `to`.
QString replaceRuns(const QString& format, QChar letter, int from, const QString& to) {
    const QRegularExpression run(QStringLiteral("%1+").arg(QRegularExpression::escape(letter)));
    QString out;
    qsizetype last = 0;
    for (const auto& m : run.globalMatch(format)) {
        out += QStringView(format).mid(last, m.capturedStart() - last);
        out += m.capturedLength() == from ? to : m.captured();
        last = m.capturedEnd();
    }
    out += QStringView(format).mid(last);
    return out;
}

// Parsing is lenient about leading zeros: "5/7/2006" reads like "05/07/2006".
QString lenientDate(const QString& format) {
    return replaceRuns(replaceRuns(format, u'd', 2, QStringLiteral("d")), u'M', 2,
                       QStringLiteral("M"));
}

std::optional<QDateTime> parseWith(const QString& text, const QString& dateFormat,
                                   bool twoDigitYear) {
    const QLocale locale;
    const QString timeFormat = longTimeFormat();
    for (const QString& format : {dateFormat, dateFormat + u' ' + timeFormat}) {
        QDateTime value = locale.toDateTime(text, format);
        if (!value.isValid())
            continue;
        if (twoDigitYear) {
            // A two-digit year means the one within fifty years of today.
            const int pivot = QDate::currentDate().year() + 49;
            while (value.date().year() + 100 <= pivot)
                value = value.addYears(100);
        }
        return value;
    }
    return std::nullopt;
}

} // namespace

QString shortDateFormat() {
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    return replaceRuns(replaceRuns(format, u'y', 2, QStringLiteral("yyyy")), u'y', 1,
                       QStringLiteral("yyyy"));
}

QString longTimeFormat() {
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?"));
    return QLocale().timeFormat(QLocale::LongFormat).remove(zone).trimmed();
}

QString formatFechaHora(const QDateTime& value) {
    const QLocale locale;
    QString text = locale.toString(value.date(), shortDateFormat());
    if (value.time() != QTime(0, 0))
        text += u' ' + locale.toString(value.time(), longTimeFormat());
    return text;
}

std::optional<QDateTime> parseFechaHora(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QString fourDigits = lenientDate(shortDateFormat());
    // Two digits first: a four-digit year pattern would take "06" as the year 6.
    const QString twoDigits = replaceRuns(fourDigits, u'y', 4, QStringLiteral("yy"));
    if (auto value = parseWith(trimmed, twoDigits, true))
        return value;
    return parseWith(trimmed, fourDigits, false);
}

QString f_enteroAFecha(qint32 packed) {
    const auto value = unpackFecha(packed);
    if (!value)
        throw EConvertError(f_getTexto(Messages::fechaNoValida).arg(packed));
    return QLocale().toString(value->date(), shortDateFormat());
}

qint32 f_enteroNodo(const OutlineNode* node) {
    const auto value = node->nota().fechaValue();
    if (!value)
        throw EConvertError(f_getTexto(Messages::enteroNoValido).arg(node->nota().fecha()));
    return *value;
}

QString f_fechaNodo(const OutlineNode* node) {
    return f_enteroAFecha(f_enteroNodo(node));
}

QString f_fechaAEntero(const QString& text) {
    const auto value = parseFechaHora(text);
    if (!value)
        throw EConvertError(f_getTexto(Messages::fechaNoValida).arg(text));
    return QString::number(packFecha(*value));
}

QString f_fechaHoraAEntero(const QDateTime& value) {
    return QString::number(packFecha(value));
}

QDate f_diaDeFecha(const QString& stored) {
    bool isNumber = false;
    const qint32 packed = stored.toInt(&isNumber);
    if (!isNumber)
        throw EConvertError(f_getTexto(Messages::enteroNoValido).arg(stored));
    const auto value = unpackFecha(packed);
    if (!value)
        throw EConvertError(f_getTexto(Messages::fechaNoValida).arg(stored));
    return value->date();
}

QString textForEditor(const QString& texto) {
    QString text = texto;
    return text.replace(Unt_constantes::crlf, QStringLiteral("\n"));
}

QString textFromEditor(const QString& rawText) {
    // Both of the editor's breaks: a paragraph (Enter) and a line (Shift+Enter).
    QString text = rawText;
    return text.replace(QChar::ParagraphSeparator, Unt_constantes::crlf)
        .replace(QChar::LineSeparator, Unt_constantes::crlf);
}

Tnota newItemRecord() {
    Tnota nota;
    nota.setFechaValue(packFecha(QDateTime(QDate::currentDate(), QTime(0, 0))));
    return nota;
}

// ---- subtree copy ----

OutlineTree* f_copiarNodoAux(OutlineNode* source, OutlineTree& aux) {
    if (!source)
        return nullptr;
    aux.clear();
    copySubtree(source, nullptr, [&aux](OutlineNode* under, const OutlineNode* from) {
        // The walk hands the nodes out read-only; the records are the
        // caller's own, shared with the scratch tree as it asked.
        return aux.insertShared(under, aux.childCount(under), from->captionUtf8(),
                                const_cast<Tnota*>(&from->nota()));
    });
    return &aux;
}

// ---- line splitter ----

namespace {

bool isLineBreak(QChar c) {
    return c == QLatin1Char(Unt_constantes::cr) || c == QLatin1Char(Unt_constantes::lf);
}

// -1 when there is none. Searched from the end, so that splitting a long text
// stays linear.
qsizetype lastLineBreak(QStringView text) {
    qsizetype i = text.size() - 1;
    while (i >= 0 && !isLineBreak(text[i]))
        --i;
    return i;
}

// Trailing blanks and line breaks.
QStringView rightTrimmed(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == u' ' || text[end - 1] == QLatin1Char(Unt_constantes::tab) ||
                       isLineBreak(text[end - 1])))
        --end;
    return text.first(end);
}

// Blanks, line breaks and every other control character at both ends.
QStringView controlTrimmed(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] <= u' ')
        ++begin;
    while (end > begin && text[end - 1] <= u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

QStringList splitTextIntoLines(const QString& text) {
    QString blanks = text;
    blanks.replace(QLatin1Char(Unt_constantes::tab), u' ');
    QStringView rest = rightTrimmed(blanks);
    // Lines are taken from the end, so that the first keeps its leading blanks.
    QStringList reversed;
    for (qsizetype lastBreak = lastLineBreak(rest); lastBreak >= 0;
         lastBreak = lastLineBreak(rest)) {
        const QStringView line = controlTrimmed(rest.sliced(lastBreak));
        if (!line.isEmpty())
            reversed << line.toString();
        rest = rightTrimmed(rest.first(lastBreak));
    }
    reversed << rest.toString();
    return QStringList(reversed.crbegin(), reversed.crend());
}
