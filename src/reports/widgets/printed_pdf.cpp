#include "reports/widgets/printed_pdf.h"

#include "base/errors.h"
#include "base/whole_file.h"
#include "language/messages.h"

#include <QDir>
#include <QLibrary>
#include <QPrinter>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <type_traits>

namespace {

// The print system's library is loaded on the first print to a printer, not
// linked: with it come a dozen libraries (TLS, Kerberos, service discovery)
// that every start of the program would load and keep in memory.
class Cups {
public:
    // The library's functions, or an error naming why they are out of reach.
    static const Cups& get() {
        static const Cups cups;
        if (!cups.m_error.isEmpty())
            throw QuillnestError(f_getTexto(Messages::sinSistemaImpresion).arg(cups.m_error));
        return cups;
    }

    decltype(&cupsAddOption) addOption = nullptr;
    decltype(&cupsFreeOptions) freeOptions = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;

private:
    Cups() {
        QLibrary library(QStringLiteral("cups"), 2);
        // Kept loaded for the rest of the run: the functions stay in use.
        library.setLoadHints(QLibrary::PreventUnloadHint);
        const auto resolve = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            if (!function && m_error.isEmpty())
                m_error = library.errorString();
        };
        resolve(addOption, "cupsAddOption");
        resolve(freeOptions, "cupsFreeOptions");
        resolve(lastErrorString, "cupsLastErrorString");
        resolve(printFile, "cupsPrintFile");
    }

    QString m_error;
};

const char* sides(const QPrinter& printer) {
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        break;
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    case QPrinter::DuplexAuto:
        return printer.pageLayout().orientation() == QPageLayout::Landscape ? "two-sided-short-edge"
                                                                            : "two-sided-long-edge";
    }
    return "one-sided";
}

// The print dialog's choices as the print system's job options.
class JobOptions {
public:
    JobOptions(const Cups& cups, const QPrinter& printer) : m_cups(cups) {
        add("copies", QByteArray::number(printer.copyCount()));
        if (printer.copyCount() > 1)
            add("collate", printer.collateCopies() ? "true" : "false");
        add("sides", sides(printer));
        if (printer.colorMode() == QPrinter::GrayScale)
            add("print-color-mode", "monochrome");
    }
    ~JobOptions() { m_cups.freeOptions(m_count, m_options); }
    JobOptions(const JobOptions&) = delete;
    JobOptions& operator=(const JobOptions&) = delete;

    int count() const { return m_count; }
    cups_option_t* options() const { return m_options; }

private:
    void add(const char* name, const QByteArray& value) {
        m_count = m_cups.addOption(name, value.constData(), m_count, &m_options);
    }
    const Cups& m_cups;
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

void writePdfFile(const QString& path, const QByteArray& pdf) {
    QString reason;
    if (!writeWholeFile(path, pdf, reason))
        throw EInOutError(
            f_getTexto(Messages::pdfNoEscrito).arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

void sendPdfToPrinter(const QString& name, const QPrinter& choices, const QByteArray& pdf,
                      const QString& title) {
    if (name.isEmpty())
        throw QuillnestError(f_getTexto(Messages::sinImpresora));
    // The print system reads the job from a file, and has it whole by the
    // time it answers.
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("quillnest-XXXXXX.pdf")));
    if (!file.open() || !writeAll(file, pdf) || !file.flush())
        throw EInOutError(f_getTexto(Messages::pdfNoEscrito)
                              .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
    const Cups& cups = Cups::get();
    const JobOptions options(cups, choices);
    const int job = cups.printFile(name.toLocal8Bit().constData(),
                                   QFile::encodeName(file.fileName()).constData(),
                                   title.toUtf8().constData(), options.count(), options.options());
    if (job == 0)
        throw QuillnestError(f_getTexto(Messages::impresoraRechaza)
                                 .arg(name, QString::fromUtf8(cups.lastErrorString())));
}

void deliverPrintedPdf(const QPrinter& printer, const QByteArray& pdf, const QString& title) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        writePdfFile(printer.outputFileName(), pdf);
    else
        sendPdfToPrinter(printer.printerName(), printer, pdf, title);
}
