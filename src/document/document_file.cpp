#include "document/document_file.h"

#include "base/errors.h"
#include "base/text_encoding.h"
#include "base/unt_constantes.h"
#include "base/whole_file.h"
#include "document/rollup.h"
#include "language/messages.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// Not constexpr: under -fsanitize=undefined GCC checks the array's address
// against null, which it does not accept in a constant expression.
const QByteArrayView kFinTexto(Unt_constantes::finTexto, Unt_constantes::finTextoLen);
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

[[noreturn]] void throwReadError(const QString& fileName, const QIODevice& device) {
    throw EInOutError(f_getTexto(Messages::documentoNoLeido).arg(fileName, device.errorString()));
}

// Fills `buffer` from the device; the number of bytes read, 0 at the end.
qsizetype readPiece(QIODevice& device, QByteArray& buffer, const QString& fileName) {
    const qint64 read = device.read(buffer.data(), buffer.size());
    if (read < 0)
        throwReadError(fileName, device);
    return qsizetype(read);
}

// First pass: whether the file is UTF-8, which decides how every line is read,
// the first ones included. Stops early at the first byte that rules UTF-8 out.
bool holdsUtf8(QIODevice& device, QByteArray& buffer, const QString& fileName) {
    TextEncoding::Utf8Validator validator;
    while (validator.canStillBeValid()) {
        const qsizetype read = readPiece(device, buffer, fileName);
        if (read == 0)
            break;
        validator.add(QByteArrayView(buffer.constData(), read));
    }
    return validator.isValid();
}

// Reads the document's lines, one buffer-sized piece of the file at a time: a
// line ends at LF, a CR right before that LF is not part of it and any other
// CR is dropped. Lines come as UTF-8.
class LineReader {
public:
    // `buffer` sets the size of a piece; `fromCp1252` when the file is not UTF-8.
    LineReader(QIODevice& device, QByteArray& buffer, const QString& fileName, bool fromCp1252)
        : m_device(device), m_buffer(buffer), m_fileName(fileName), m_fromCp1252(fromCp1252) {}

    // Skips whitespace (bytes up to and including the blank) before a record;
    // false when nothing else is left.
    bool atRecord() {
        for (;;) {
            while (m_pos < m_end && static_cast<unsigned char>(m_buffer[m_pos]) <= 0x20) {
                if (m_buffer[m_pos] == '\n')
                    ++m_lineNumber;
                ++m_pos;
            }
            if (m_pos < m_end || !fill())
                return m_pos < m_end;
        }
    }

    // The next line, or nothing at the end of the file. The view lasts until
    // the next call.
    std::optional<QByteArrayView> next() {
        if (m_pos == m_end && !fill())
            return std::nullopt;
        QByteArrayView line = lineInPiece();
        if (!line.data()) {
            // The line goes on in the next pieces: gather it in m_long.
            m_long.truncate(0);
            m_long.append(m_buffer.constData() + m_pos, m_end - m_pos);
            m_pos = m_end;
            while (fill()) {
                line = lineInPiece();
                if (line.data()) {
                    m_long.append(line);
                    break;
                }
                m_long.append(m_buffer.constData(), m_end);
                m_pos = m_end;
            }
            line = m_long;
        }
        ++m_lineNumber;
        // The line rule: CR LF or LF ends a line, and a CR anywhere else is
        // dropped, in every line of a record alike.
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty() && std::memchr(line.data(), '\r', size_t(line.size()))) {
            m_cleaned.truncate(0);
            for (qsizetype cr; (cr = line.indexOf('\r')) >= 0; line = line.sliced(cr + 1))
                m_cleaned.append(line.first(cr));
            m_cleaned.append(line);
            line = m_cleaned;
        }
        // Splitting before converting is safe: LF, CR and every byte below 0x80
        // stand for themselves in Windows-1252 as in UTF-8.
        if (m_fromCp1252 && !TextEncoding::isAscii(line)) {
            m_converted = TextEncoding::cp1252ToUtf8(line);
            line = m_converted;
        }
        return line;
    }

    int lineNumber() const { return m_lineNumber; }

private:
    // The rest of a line ended within the current piece, its LF passed; a null
    // view when the piece ends first.
    QByteArrayView lineInPiece() {
        const char* start = m_buffer.constData() + m_pos;
        const auto* newline =
            static_cast<const char*>(std::memchr(start, '\n', size_t(m_end - m_pos)));
        if (!newline)
            return {};
        m_pos += newline - start + 1;
        return QByteArrayView(start, newline - start);
    }

    bool fill() {
        m_pos = 0;
        m_end = readPiece(m_device, m_buffer, m_fileName);
        return m_end > 0;
    }

    QIODevice& m_device;
    QByteArray& m_buffer;
    const QString& m_fileName;
    const bool m_fromCp1252;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;  // bytes of the current piece
    QByteArray m_long;    // a line longer than what was left of its piece
    QByteArray m_cleaned; // a line without its carriage returns
    QByteArray m_converted;
    int m_lineNumber = 0;
};

// The start of a line for a message: a damaged file may hold a line of any
// length and any bytes, and a message box shows neither well.
QString shownPrefix(QByteArrayView line) {
    constexpr qsizetype kShown = 40;
    // Four bytes at most per character: enough bytes for kShown characters.
    QString text = QString::fromUtf8(line.first(std::min(line.size(), 4 * kShown + 4)));
    const bool cut = text.size() > kShown || line.size() > 4 * kShown + 4;
    text.truncate(kShown);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.isSurrogate())
            c = QChar::ReplacementCharacter;
    return cut ? text + QChar(0x2026) : text;
}

// The size of UTF-8 text without its last `count` characters.
qsizetype sizeWithoutLastCharacters(QByteArrayView utf8, qsizetype count) {
    qsizetype end = utf8.size();
    for (qsizetype i = 0; i < count && end > 0; ++i) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            --end;
    }
    return end;
}

// Builds the tree record by record; everything it throws names the file and line.
class DocumentParser {
public:
    DocumentParser(LineReader& lines, const QString& fileName)
        : m_lines(lines), m_fileName(fileName) {}

    std::unique_ptr<OutlineTree> parse(const QString& prefix, const ReadProgress& progress) {
        auto tree = std::make_unique<OutlineTree>();
        StoredOutlineBuilder builder(*tree);
        std::vector<bool> expandedStates;
        while (m_lines.atRecord()) {
            const int position = int(expandedStates.size());
            Tnota nota;
            const qint32 written = number(Messages::campoPosicion);
            if (written != position)
                fail(f_getTexto(Messages::itemMalNumerado)
                         .arg(QString::number(written), QString::number(position)));
            if (progress)
                progress(prefix, position);
            const int level = number(Messages::campoNivel);
            expandedStates.push_back(line(Messages::campoExpandido) == "1");
            // Kept in a buffer reused from record to record: the line's view
            // ends with the next line read.
            m_caption.truncate(0);
            m_caption.append(line(Messages::campoTitulo));
            readDate(nota, line(Messages::campoFecha));
            nota.cumplido = number(Messages::campoCumplido);
            nota.prioridad = static_cast<quint8>(number(Messages::campoPrioridad));
            nota.setTextoUtf8(body(), tree->arena());
            OutlineNode* node = place(builder, position, level, m_caption, std::move(nota));
            f_asignaricononodo(node, node->nota().cumplido);
            applyPriorityMark(node);
        }
        builder.finish();
        // States apply by position in depth-first order, once every node exists.
        size_t index = 0;
        tree->forEach([&](OutlineNode* node) { node->setExpanded(expandedStates[index++]); });
        f_consolidarTreeView(*tree);
        return tree;
    }

private:
    [[noreturn]] void fail(const QString& what) const {
        throw EDocumentFormatError(
            f_getTexto(Messages::documentoDanado)
                .arg(m_fileName, QString::number(m_lines.lineNumber()), what));
    }

    QByteArrayView line(const NewText& field) {
        const auto text = m_lines.next();
        if (!text)
            fail(f_getTexto(Messages::archivoTerminaAntes).arg(f_getTexto(field)));
        return *text;
    }

    qint32 number(const NewText& field) {
        const QByteArrayView text = line(field);
        const auto value = parseInteger(text);
        if (!value)
            throw EConvertError(f_getTexto(Messages::documentoValorNoValido)
                                    .arg(m_fileName, QString::number(m_lines.lineNumber()),
                                         shownPrefix(text), f_getTexto(field)));
        return *value;
    }

    // A date may also be written as date text in the user's format, which
    // becomes the packed form; anything else is kept as it stands.
    static void readDate(Tnota& nota, QByteArrayView text) {
        if (const auto value = parseInteger(text); value && isCanonical(text, *value)) {
            nota.setFechaValue(*value);
            return;
        }
        const QString line = QString::fromUtf8(text);
        const auto dateTime = parseFechaHora(line);
        nota.setFecha(dateTime ? QString::number(packFecha(*dateTime)) : line);
    }

    // The text is exactly the decimal form of the value (no blanks, sign or
    // leading zeros).
    static bool isCanonical(QByteArrayView text, qint32 value) {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return text == QByteArrayView(buffer, result.ptr - buffer);
    }

    // The view lasts until the next body is read.
    QByteArrayView body() {
        // Gathered in a buffer kept from body to body; the record then copies
        // it at its final size.
        m_body.truncate(0);
        QByteArrayView last = line(Messages::campoTexto);
        m_body.append(last);
        while (!last.contains(kFinTexto)) {
            const auto more = m_lines.next();
            if (!more)
                fail(f_getTexto(Messages::textoSinFin));
            last = *more;
            m_body.append(kLineEnd);
            m_body.append(last);
        }
        // Text after the terminator on its line: the line's last three
        // characters go, counted as characters so no UTF-8 sequence is split.
        const qsizetype size = m_body.endsWith(kFinTexto)
                                   ? m_body.size() - kFinTexto.size()
                                   : sizeWithoutLastCharacters(m_body, kFinTexto.size());
        return QByteArrayView(m_body).first(size);
    }

    // The parent is the nearest earlier node one level up; without one the
    // node goes to the end of the top level.
    OutlineNode* place(StoredOutlineBuilder& builder, int position, int level,
                       QByteArrayView caption, Tnota nota) {
        OutlineNode* parent = nullptr;
        if (position != 0 && level > 0 && size_t(level - 1) < m_lastAtLevel.size())
            parent = m_lastAtLevel[size_t(level - 1)];
        OutlineNode* node = builder.add(parent, caption, std::move(nota));
        // The node is now the last one of its level in depth-first order.
        const size_t actualLevel = parent ? size_t(level) : 0;
        if (m_lastAtLevel.size() <= actualLevel)
            m_lastAtLevel.resize(actualLevel + 1, nullptr);
        m_lastAtLevel[actualLevel] = node;
        return node;
    }

    LineReader& m_lines;
    const QString& m_fileName;
    std::vector<OutlineNode*> m_lastAtLevel;
    QByteArray m_caption;
    QByteArray m_body;
};

// Both passes over the device, from its start: the encoding, then the records.
std::unique_ptr<OutlineTree> readRecords(QIODevice& device, const QString& fileName,
                                         const TextLookup& lookup, const ReadProgress& progress,
                                         qint64 pieceSize) {
    const QString prefix = lookup(QStringLiteral("mensajes"), QStringLiteral("cargando item"),
                                  QStringLiteral("Cargando item: "));
    // The one piece of the file held at any time, in both passes.
    QByteArray buffer(qsizetype(std::max<qint64>(pieceSize, 1)), Qt::Uninitialized);
    const bool utf8 = holdsUtf8(device, buffer, fileName);
    if (!device.seek(0))
        throwReadError(fileName, device);
    LineReader lines(device, buffer, fileName, !utf8);
    return DocumentParser(lines, fileName).parse(prefix, progress);
}

} // namespace

DocumentBytesBuilder::DocumentBytesBuilder(const OutlineTree& tree) : m_node(tree.firstTopLevel()) {
    // One allocation for the whole document: growing the buffer step by step
    // costs more than writing it.
    qsizetype size = 0;
    tree.forEach([&size](const OutlineNode* node) {
        size += node->captionUtf8().size() + node->nota().textoUtf8().size() + 80;
    });
    m_out.reserve(size);
}

bool DocumentBytesBuilder::step(int items) {
    for (int i = 0; m_node && i < items; ++i) {
        appendRecord(m_out, m_index++, m_level, m_node);
        if (m_node->hasChildren()) {
            m_node = m_node->firstChild();
            ++m_level;
            continue;
        }
        while (m_node && !m_node->nextSibling()) {
            m_node = m_node->parent();
            --m_level;
        }
        if (m_node)
            m_node = m_node->nextSibling();
    }
    return !m_node;
}

QByteArray documentBytes(const OutlineTree& tree) {
    DocumentBytesBuilder builder(tree);
    builder.step(std::numeric_limits<int>::max());
    return builder.take();
}

void f_guardarNodos(const OutlineTree& tree, const QString& fileName) {
    const QByteArray bytes = TextEncoding::encodeUtf8(documentBytes(tree));
    QString reason;
    if (!writeWholeFile(fileName, bytes, reason))
        throw EInOutError(f_getTexto(Messages::documentoNoEscrito)
                              .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

QString backupName(const QString& fileName) {
    return fileName + u'~';
}

void keepBackup(const QString& fileName) {
    QFile current(fileName);
    if (!current.exists())
        return;
    if (!current.open(QIODevice::ReadOnly))
        throw EInOutError(f_getTexto(Messages::documentoNoLeido)
                              .arg(QFileInfo(fileName).absoluteFilePath(), current.errorString()));
    const QByteArray bytes = current.readAll();
    const QString backup = backupName(fileName);
    QString reason;
    if (!writeWholeFile(backup, bytes, reason))
        throw EInOutError(f_getTexto(Messages::documentoNoEscrito)
                              .arg(QFileInfo(backup).absoluteFilePath(), reason));
}

std::unique_ptr<OutlineTree> parseDocument(const QByteArray& bytes, const QString& fileName,
                                           const TextLookup& lookup, const ReadProgress& progress,
                                           qint64 readSize) {
    QBuffer buffer;
    buffer.setData(bytes); // shared, not copied
    buffer.open(QIODevice::ReadOnly);
    return readRecords(buffer, fileName, lookup, progress, readSize);
}

std::unique_ptr<OutlineTree> readDocument(const QString& fileName, const TextLookup& lookup,
                                          const ReadProgress& progress, qint64 readSize) {
    const QFileInfo info(fileName);
    const QString fullPath = info.absoluteFilePath();
    if (!info.exists())
        throw Ef_abrirarchivo(lookup(QStringLiteral("mensajes"),
                                     QStringLiteral("no existe archivo"),
                                     QStringLiteral("El archivo %s no existe."))
                                  .replace(QStringLiteral("%s"), fullPath));
    QFile file(fileName);
    // Unbuffered: the pieces go straight into the reader's own buffer.
    if (info.isDir() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw EInOutError(f_getTexto(Messages::documentoNoLeido)
                              .arg(fullPath, info.isDir() ? f_getTexto(Messages::esCarpeta)
                                                          : file.errorString()));
    return readRecords(file, fullPath, lookup, progress, readSize);
}
