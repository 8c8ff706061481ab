#include "reports/unthtml_utils.h"

#include "base/errors.h"
#include "base/program_folder.h"
#include "base/text_encoding.h"
#include "base/whole_file.h"
#include "document/outline_tree.h"
#include "document/unt_funciones.h"
#include "language/messages.h"
#include "reports/unthtml_constantes.h"

#include <QDir>
#include <QHash>
#include <QLocale>
#include <QSaveFile>

namespace {

constexpr int kCompleto = 100;
constexpr qsizetype kPiece = 64 * 1024;

// The markup is built as UTF-8, the form in which the records hold captions
// and texts, so that large reports convert nothing per item.
class ItemMarkup {
public:
    ItemMarkup(bool conTexto, const MarkupOutput& output) : m_conTexto(conTexto), m_output(output) {
        m_html.reserve(kPiece + kPiece / 4);
    }

    void append(const OutlineNode* node, const QDate& day) {
        const bool completed = node->nota().cumplido == kCompleto;
        m_html += "<span class=\"titulo_item\">";
        if (completed)
            m_html += "<span class=\"completado\">";
        appendPath(node);
        m_html += "<b>";
        m_html += node->captionUtf8();
        m_html += "</b> - ";
        m_html += QByteArray::number(node->nota().cumplido);
        m_html += "% (";
        m_html += dayText(day);
        m_html += ")</span><br>\r\n";
        if (completed)
            m_html += "</span>";
        if (m_conTexto) {
            m_html += "<p class=\"texto\">";
            f_textoHtml(m_html, node->nota().textoUtf8());
            m_html += "</p>\r\n";
        } else {
            m_html += "<br>";
        }
    }

    // Hands on what is there once a piece is full, keeping the buffer's
    // memory: fresh memory for a whole large page costs more than the markup.
    void flush(qsizetype atLeast) {
        if (m_html.size() < atLeast)
            return;
        m_output(m_html);
        m_html.resize(0);
    }

private:
    // The captions of the node's ancestors, top-level first, each followed by " - ".
    void appendPath(const OutlineNode* node) {
        m_ancestors.clear();
        for (const OutlineNode* up = node->parent(); up; up = up->parent())
            m_ancestors.push_back(up);
        for (auto it = m_ancestors.rbegin(); it != m_ancestors.rend(); ++it) {
            m_html += (*it)->captionUtf8();
            m_html += " - ";
        }
    }

    // Formatting through the locale costs more than the rest of an item's
    // markup, and many items share a day; the format is worked out once.
    const QByteArray& dayText(const QDate& day) {
        auto found = m_dayTexts.constFind(day);
        if (found == m_dayTexts.constEnd())
            found = m_dayTexts.insert(day, m_locale.toString(day, m_dateFormat).toUtf8());
        return *found;
    }

    bool m_conTexto;
    const MarkupOutput& m_output;
    QLocale m_locale;
    QString m_dateFormat = shortDateFormat();
    QByteArray m_html;
    std::vector<const OutlineNode*> m_ancestors;
    QHash<QDate, QByteArray> m_dayTexts;
};

// Where the first line that starts at least `length` bytes after `start`
// begins, or the end. A line end never splits a UTF-8 sequence.
qsizetype nextLineStart(QByteArrayView text, qsizetype start, qsizetype length) {
    if (text.size() - start <= length)
        return text.size();
    const qsizetype lineEnd = text.indexOf('\n', start + length);
    return lineEnd < 0 ? text.size() : lineEnd + 1;
}

void prefetch(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    Q_UNUSED(address);
#endif
}

void prefetchContents(const OutlineNode* node) {
    prefetch(node->captionUtf8().data());
    prefetch(node->nota().textoUtf8().data());
    prefetch(node->parent());
}

bool isListed(const OutlineNode* node, const ReportOptions& options) {
    if (!options.conCompletados && node->nota().cumplido == kCompleto)
        return false;
    return !(options.soloTerminales && node->hasChildren());
}

} // namespace

QString f_carpetaWeb(const ProgramFolder& folder) {
    return folder.webParent() + Unthtml_constantes::carpetaWeb + u'/';
}

bool f_crearCarpetaWeb(const QString& webFolder) {
    return QDir().mkpath(webFolder);
}

WebPageFile::WebPageFile(const QString& webFolder, const QString& name)
    : m_path(webFolder + name), m_file(std::make_unique<QSaveFile>(m_path)) {
    f_crearCarpetaWeb(webFolder);
    if (!openWhole(*m_file))
        fail();
}

WebPageFile::~WebPageFile() = default;

// Line by line, so that large text is never converted whole; plain ASCII is
// already Windows-1252.
void WebPageFile::write(QByteArrayView utf8) {
    for (qsizetype start = 0; start < utf8.size();) {
        const qsizetype end = nextLineStart(utf8, start, kPiece);
        const QByteArrayView part = utf8.sliced(start, end - start);
        const bool written = writeAll(
            *m_file, TextEncoding::isAscii(part)
                         ? QByteArray::fromRawData(part.data(), part.size())
                         : TextEncoding::encodeCp1252WithReferences(QString::fromUtf8(part)));
        if (!written)
            fail();
        start = end;
    }
}

void WebPageFile::commit() {
    if (!m_file->commit())
        fail();
}

void WebPageFile::fail() {
    throw EInOutError(f_getTexto(Messages::reporteNoEscrito)
                          .arg(QDir::toNativeSeparators(m_path), m_file->errorString()));
}

void f_guardarArchivoWeb(const QString& webFolder, const QString& name, QByteArrayView utf8) {
    WebPageFile page(webFolder, name);
    page.write(utf8);
    page.commit();
}

// One scan does what replacing CR LF, then CR, then LF does, since CR LF pairs
// never overlap; the text between line breaks is appended in one piece.
void f_textoHtml(QByteArray& html, QByteArrayView text) {
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        html += text.sliced(runStart, i - runStart);
        html += "<BR>";
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        runStart = i + 1;
    }
    html += text.sliced(runStart);
}

QString reportDateText(const QDate& day) {
    return QLocale().toString(day, shortDateFormat());
}

void f_htmlItems(const ReportOptions& options, const ReportSource& source,
                 const MarkupOutput& output) {
    std::vector<OutlineNode*> items;
    f_itemsEntreFechas(items, options.porFecha, options.todoElArbol, options.fechaDesde,
                       options.fechaHasta, source);
    ItemMarkup markup(options.conTexto, output);
    for (size_t i = 0; i < items.size(); ++i) {
        const OutlineNode* node = items[i];
        // In date order the items lie all over memory: asking for those a few
        // places ahead (their nodes, then what the nodes point to) overlaps
        // the waits for memory with the work on this one.
        if (i + 8 < items.size())
            prefetch(items[i + 8]);
        if (i + 4 < items.size())
            prefetchContents(items[i + 4]);
        if (!isListed(node, options))
            continue;
        markup.append(node, *reportDay(node));
        markup.flush(kPiece);
    }
    markup.flush(1);
}

void f_htmlItemsHoy(const QDate& first, const QDate& last, const ReportSource& source,
                    const MarkupOutput& output) {
    ReportOptions options;
    options.porFecha = false;
    options.conCompletados = false;
    options.conTexto = true;
    options.fechaDesde = first;
    options.fechaHasta = last;
    options.soloTerminales = false;
    options.todoElArbol = true;
    f_htmlItems(options, source, output);
}
