#pragma once
// The report files and the markup of the report items: the web folder beside
// the executable, writing a page, converting an item's text, and the markup of
// the chosen items.

#include "base/program_folder.h"
#include "reports/report_items.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <functional>
#include <memory>

class QSaveFile;

// The seven choices of the per-day report.
struct ReportOptions {
    bool porFecha = true;        // sort by date, else keep the tree's order
    bool conCompletados = false; // include items at 100 %
    bool conTexto = true;        // each item's text in a paragraph
    QDate fechaDesde;            // first day, included
    QDate fechaHasta;            // last day, included
    bool soloTerminales = false; // leave out items that have sub-items
    bool todoElArbol = true;     // the whole tree, else the selected item's subtree
};

// The web folder of the program folder (in its web parent), with a trailing '/'.
QString f_carpetaWeb(const ProgramFolder& folder);
// Creates the web folder with any missing parents; true when it exists afterwards.
bool f_crearCarpetaWeb(const QString& webFolder);

// A page written into a web folder piece by piece, in Windows-1252 with
// characters outside that code page as numeric character references. It goes
// through a temporary file that replaces any file of that name only once the
// page is complete. Throws EInOutError when the folder or the file cannot be
// written.
class WebPageFile {
public:
    WebPageFile(const QString& webFolder, const QString& name);
    ~WebPageFile();
    // Appends text given as UTF-8.
    void write(QByteArrayView utf8);
    // Puts the complete page in place.
    void commit();

private:
    [[noreturn]] void fail();

    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
};

// Writes the whole text, given as UTF-8, as the page `name`.
void f_guardarArchivoWeb(const QString& webFolder, const QString& name, QByteArrayView utf8);

// Appends the UTF-8 text with every line break (CR LF, a lone CR or a lone LF)
// as "<BR>"; nothing else is changed, so markup in a text reaches the page as it is.
void f_textoHtml(QByteArray& html, QByteArrayView text);

// A day in the user's short date format, as report pages show dates.
QString reportDateText(const QDate& day);

// Receives markup as UTF-8, the form in which the records hold captions and
// texts, in pieces of some kilobytes each ending with an item: a report of a
// large outline is never held whole.
using MarkupOutput = std::function<void(QByteArrayView utf8)>;

// The markup of the chosen items, in order.
void f_htmlItems(const ReportOptions& options, const ReportSource& source,
                 const MarkupOutput& output);
// The open items of the whole tree from `first` to `last`, in tree order, with their texts.
void f_htmlItemsHoy(const QDate& first, const QDate& last, const ReportSource& source,
                    const MarkupOutput& output);
