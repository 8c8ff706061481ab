#include "reports/widgets/printed_pdf.h"

#include "base/errors.h"
#include "base/whole_file.h"
#include "language/messages.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryFile>

#include <cups/cups.h>

namespace {

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
    explicit JobOptions(const QPrinter& printer) {
        add("copies", QByteArray::number(printer.copyCount()));
        if (printer.copyCount() > 1)
            add("collate", printer.collateCopies() ? "true" : "false");
        add("sides", sides(printer));
        if (printer.colorMode() == QPrinter::GrayScale)
            add("print-color-mode", "monochrome");
    }
    ~JobOptions() { cupsFreeOptions(m_count, m_options); }
    JobOptions(const JobOptions&) = delete;
    JobOptions& operator=(const JobOptions&) = delete;

    int count() const { return m_count; }
    cups_option_t* options() const { return m_options; }

private:
    void add(const char* name, const QByteArray& value) {
        m_count = cupsAddOption(name, value.constData(), m_count, &m_options);
    }
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
    const JobOptions options(choices);
    const int job = cupsPrintFile(name.toLocal8Bit().constData(),
                                  QFile::encodeName(file.fileName()).constData(),
                                  title.toUtf8().constData(), options.count(), options.options());
    if (job == 0)
        throw QuillnestError(f_getTexto(Messages::impresoraRechaza)
                                 .arg(name, QString::fromUtf8(cupsLastErrorString())));
}

void deliverPrintedPdf(const QPrinter& printer, const QByteArray& pdf, const QString& title) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        writePdfFile(printer.outputFileName(), pdf);
    else
        sendPdfToPrinter(printer.printerName(), printer, pdf, title);
}
