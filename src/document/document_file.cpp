#include "document/document_file.h"

#include "document/errors.h"
#include "document/rollup.h"
#include "document/text_encoding.h"
#include "document/unt_constantes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <charconv>
#include <cstring>
#include <vector>

namespace {

constexpr QByteArrayView kFinTexto(Unt_constantes::finTexto, Unt_constantes::finTextoLen);
constexpr QByteArrayView kLineEnd("\r\n");

void appendNumber(QByteArray& out, qint64 value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr - buffer);
    out.append(kLineEnd);
}

void appendRecord(QByteArray& out, int index, int level, const OutlineNode* node) {
    const Tnota& nota = node->nota();
    appendNumber(out, index);
    appendNumber(out, level);
    out.append(node->expanded() ? "1" : "0").append(kLineEnd);
    out.append(node->captionUtf8()).append(kLineEnd);
    if (nota.fechaIsNumber())
        appendNumber(out, *nota.fechaValue());
    else
        out.append(nota.fecha().toUtf8()).append(kLineEnd);
    appendNumber(out, nota.cumplido);
    appendNumber(out, nota.prioridad);
    out.append(nota.textoUtf8()).append(kFinTexto).append(kLineEnd);
}

// Whole number with optional blanks around it and an optional sign.
std::optional<qint32> parseInteger(QByteArrayView text) {
    text = text.trimmed();
    if (!text.isEmpty() && text.front() == '+')
        text = text.sliced(1);
    qint32 value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.isEmpty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

// Reads the document's lines: a line ends at LF, a CR right before that LF is
// not part of it and any other CR is dropped.
class LineReader {
public:
    explicit LineReader(const QByteArray& data) : m_data(data) {}

    // Skips whitespace (bytes up to and including the blank) before a record;
    // false when nothing else is left.
    bool atRecord() {
        while (m_pos < m_data.size() && static_cast<unsigned char>(m_data[m_pos]) <= 0x20) {
            if (m_data[m_pos] == '\n')
                ++m_lineNumber;
            ++m_pos;
        }
        return m_pos < m_data.size();
    }

    // The next line, or nothing at the end of the file.
    std::optional<QByteArrayView> next() {
        if (m_pos >= m_data.size())
            return std::nullopt;
        const char* start = m_data.constData() + m_pos;
        const auto* newline =
            static_cast<const char*>(std::memchr(start, '\n', size_t(m_data.size() - m_pos)));
        const qsizetype length = newline ? newline - start : m_data.size() - m_pos;
        m_pos += length + (newline ? 1 : 0);
        ++m_lineNumber;
        QByteArrayView line(start, length);
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

    int lineNumber() const { return m_lineNumber; }

private:
    const QByteArray& m_data;
    qsizetype m_pos = 0;
    int m_lineNumber = 0;
};

QByteArray withoutCarriageReturns(QByteArrayView line) {
    QByteArray text = line.toByteArray();
    if (line.contains('\r'))
        text.replace('\r', QByteArray());
    return text;
}

// Drops the last `count` characters of UTF-8 text.
QByteArray chopCharacters(const QByteArray& utf8, qsizetype count) {
    qsizetype end = utf8.size();
    for (qsizetype i = 0; i < count && end > 0; ++i) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            --end;
    }
    return utf8.left(end);
}

// Builds the tree record by record; everything it throws names the file and line.
class DocumentParser {
public:
    DocumentParser(const QByteArray& utf8, const QString& fileName)
        : m_lines(utf8), m_fileName(fileName) {}

    std::unique_ptr<OutlineTree> parse(const QString& prefix, const ReadProgress& progress) {
        auto tree = std::make_unique<OutlineTree>();
        std::vector<bool> expandedStates;
        while (m_lines.atRecord()) {
            const int position = int(expandedStates.size());
            Tnota nota;
            nota.indice = number("position number");
            if (nota.indice != position)
                fail(QStringLiteral("the item is numbered %1 where %2 was expected")
                         .arg(nota.indice)
                         .arg(position));
            if (progress)
                progress(prefix, position);
            const int level = number("level");
            expandedStates.push_back(line("expanded state") == "1");
            QByteArray caption = withoutCarriageReturns(line("caption"));
            readDate(nota, line("date"));
            nota.cumplido = number("percent done");
            nota.prioridad = static_cast<quint8>(number("priority"));
            nota.setTextoUtf8(body());
            OutlineNode* node = place(*tree, position, level, std::move(caption), std::move(nota));
            f_asignaricononodo(node, node->nota().cumplido);
            applyPriorityMark(node);
        }
        // States apply by position in depth-first order, once every node exists.
        size_t index = 0;
        tree->forEach([&](OutlineNode* node) { node->setExpanded(expandedStates[index++]); });
        f_consolidarTreeView(*tree);
        return tree;
    }

private:
    [[noreturn]] void fail(const QString& what) const {
        throw EDocumentFormatError(QStringLiteral("The document %1 is damaged at line %2: %3.")
                                       .arg(m_fileName)
                                       .arg(m_lines.lineNumber())
                                       .arg(what));
    }

    QByteArrayView line(const char* what) {
        const auto text = m_lines.next();
        if (!text)
            fail(QStringLiteral("the file ends before the %1 of an item").arg(QLatin1String(what)));
        return *text;
    }

    qint32 number(const char* what) {
        const QByteArrayView text = line(what);
        const auto value = parseInteger(text);
        if (!value)
            throw EConvertError(
                QStringLiteral("The document %1 is damaged at line %2: '%3' is not a valid %4.")
                    .arg(m_fileName)
                    .arg(m_lines.lineNumber())
                    .arg(QString::fromUtf8(text))
                    .arg(QLatin1String(what)));
        return *value;
    }

    // A date may also be written as date text in the user's format, which
    // becomes the packed form; anything else is kept as it stands.
    static void readDate(Tnota& nota, QByteArrayView text) {
        if (const auto value = parseInteger(text); value && text == QByteArray::number(*value)) {
            nota.setFechaValue(*value);
            return;
        }
        const QString line = QString::fromUtf8(withoutCarriageReturns(text));
        const auto dateTime = parseFechaHora(line);
        nota.setFecha(dateTime ? QString::number(packFecha(*dateTime)) : line);
    }

    QByteArray body() {
        QByteArrayView last = line("text");
        QByteArray text = withoutCarriageReturns(last);
        while (!last.contains(kFinTexto)) {
            const auto more = m_lines.next();
            if (!more)
                fail(QStringLiteral("the text of the last item has no end"));
            last = *more;
            text.append(kLineEnd).append(withoutCarriageReturns(last));
        }
        if (text.endsWith(kFinTexto)) {
            text.chop(kFinTexto.size());
            return text;
        }
        // Text after the terminator on its line: the line's last three
        // characters go, counted as characters so no UTF-8 sequence is split.
        return chopCharacters(text, kFinTexto.size());
    }

    // The parent is the nearest earlier node one level up; without one the
    // node goes to the end of the top level.
    OutlineNode* place(OutlineTree& tree, int position, int level, QByteArray caption,
                       Tnota nota) {
        OutlineNode* parent = nullptr;
        if (position != 0 && level > 0 && size_t(level - 1) < m_lastAtLevel.size())
            parent = m_lastAtLevel[size_t(level - 1)];
        OutlineNode* node = tree.insert(parent, tree.childCount(parent), std::move(caption),
                                        std::move(nota));
        // The node is now the last one of its level in depth-first order.
        const size_t actualLevel = parent ? size_t(level) : 0;
        if (m_lastAtLevel.size() <= actualLevel)
            m_lastAtLevel.resize(actualLevel + 1, nullptr);
        m_lastAtLevel[actualLevel] = node;
        return node;
    }

    LineReader m_lines;
    QString m_fileName;
    std::vector<OutlineNode*> m_lastAtLevel;
};

} // namespace

QByteArray documentBytes(const OutlineTree& tree) {
    // One allocation for the whole document: growing the buffer step by step
    // costs more than writing it.
    qsizetype size = 0;
    tree.forEach([&size](const OutlineNode* node) {
        size += node->captionUtf8().size() + node->nota().textoUtf8().size() + 80;
    });
    QByteArray out;
    out.reserve(size);
    int index = 0;
    int level = 0;
    for (const OutlineNode* node = tree.firstTopLevel(); node;) {
        appendRecord(out, index++, level, node);
        if (node->hasChildren()) {
            node = node->firstChild();
            ++level;
            continue;
        }
        while (node && !node->nextSibling()) {
            node = node->parent();
            --level;
        }
        if (node)
            node = node->nextSibling();
    }
    return out;
}

void f_guardarNodos(const OutlineTree& tree, const QString& fileName) {
    const QByteArray bytes = TextEncoding::encodeUtf8(documentBytes(tree));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EInOutError(QStringLiteral("The document %1 could not be written: %2")
                              .arg(QFileInfo(fileName).absoluteFilePath(), file.errorString()));
}

std::unique_ptr<OutlineTree> parseDocument(const QByteArray& bytes, const QString& fileName,
                                           const TextLookup& lookup,
                                           const ReadProgress& progress) {
    const QString prefix = lookup(QStringLiteral("mensajes"), QStringLiteral("cargando item"),
                                  QStringLiteral("Cargando item: "));
    const QByteArray utf8 = TextEncoding::decodeToUtf8(bytes);
    return DocumentParser(utf8, fileName).parse(prefix, progress);
}

std::unique_ptr<OutlineTree> readDocument(const QString& fileName, const TextLookup& lookup,
                                          const ReadProgress& progress) {
    const QFileInfo info(fileName);
    const QString fullPath = info.absoluteFilePath();
    if (!info.exists())
        throw Ef_abrirarchivo(lookup(QStringLiteral("mensajes"), QStringLiteral("no existe archivo"),
                                     QStringLiteral("El archivo %s no existe."))
                                  .replace(QStringLiteral("%s"), fullPath));
    QFile file(fileName);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("The document %1 could not be read: %2")
                              .arg(fullPath, info.isDir() ? QStringLiteral("it is a folder")
                                                          : file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(
            QStringLiteral("The document %1 could not be read: %2").arg(fullPath, file.errorString()));
    return parseDocument(bytes, fullPath, lookup, progress);
}
