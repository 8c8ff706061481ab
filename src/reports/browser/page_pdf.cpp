#include "reports/browser/page_pdf.h"

#include <QBuffer>
#include <QEventLoop>
#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QProgressDialog>
#include <QWebEnginePage>
#include <algorithm>
#include <cmath>

namespace {

// A progress box for a short job would only flicker.
constexpr int kProgressDelayMs = 400;

// The preview holds every page as a picture: sharp pages up to this many
// bytes in all, coarser ones beyond, so that a long report stays previewable.
constexpr double kPreviewBytes = 256.0 * 1024 * 1024;
constexpr double kPreviewBestDpi = 150;
constexpr double kPreviewLeastDpi = 48;

double previewDpi(const QPdfDocument& document) {
    double points = 0;
    for (int i = 0; i < document.pageCount(); ++i) {
        const QSizeF size = document.pagePointSize(i);
        points += size.width() * size.height();
    }
    if (points <= 0)
        return kPreviewBestDpi;
    // Four bytes a pixel, (dpi / 72)^2 pixels a point.
    const double fitting = 72.0 * std::sqrt(kPreviewBytes / (4.0 * points));
    return std::clamp(fitting, kPreviewLeastDpi, kPreviewBestDpi);
}

// Hidden for good: a box that was not shown yet would otherwise still show
// once its delay has passed.
void closeProgress(QProgressDialog& progress) {
    progress.reset();
    progress.hide();
}

} // namespace

std::shared_ptr<PdfJob> PdfJob::start(QWebEnginePage& page, QWidget* parent,
                                      const QString& progressText, const QPageLayout& layout,
                                      const QPageRanges& ranges, Done done) {
    std::shared_ptr<PdfJob> job(new PdfJob);
    job->m_done = std::move(done);
    job->m_progress = new QProgressDialog(parent);
    QProgressDialog& progress = *job->m_progress;
    progress.setWindowModality(Qt::WindowModal);
    progress.setLabelText(progressText);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setRange(0, 0); // the engine tells nothing of how far it is
    progress.setMinimumDuration(kProgressDelayMs);
    // Starts the delay: until a first value the box keeps Qt's own, 4 s.
    progress.setValue(0);
    const std::weak_ptr<PdfJob> weak = job;
    // The Cancel button, closing the box and Escape all cancel.
    const auto cancel = [weak] {
        if (const auto running = weak.lock())
            running->finish(std::nullopt);
    };
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, cancel);
    QObject::connect(&progress, &QDialog::rejected, &progress, cancel);
    // The engine keeps the callback until it is done, also after a cancel, and
    // calls it with nothing when the page goes away first.
    page.printToPdf(
        [job](const QByteArray& pdf) {
            job->m_running = false;
            job->finish(pdf);
        },
        layout, ranges);
    return job;
}

PdfJob::~PdfJob() {
    abandon();
}

void PdfJob::abandon() {
    m_done = nullptr;
    if (m_progress) {
        closeProgress(*m_progress);
        m_progress->deleteLater();
    }
}

void PdfJob::finish(std::optional<QByteArray> pdf) {
    if (m_progress)
        closeProgress(*m_progress);
    // Called once: a cancelled job's late result goes nowhere.
    if (const Done done = std::exchange(m_done, nullptr))
        done(std::move(pdf));
}

std::optional<QByteArray> pdfNow(QWebEnginePage& page, QWidget* parent, const QString& progressText,
                                 const QPageLayout& layout, const QPageRanges& ranges) {
    QEventLoop loop;
    bool finished = false;
    std::optional<QByteArray> result;
    const auto job = PdfJob::start(page, parent, progressText, layout, ranges,
                                   [&](std::optional<QByteArray> pdf) {
                                       result = std::move(pdf);
                                       finished = true;
                                       loop.quit();
                                   });
    if (!finished)
        loop.exec();
    job->abandon();
    return result;
}

bool paintPdfPages(QPrinter& printer, const QByteArray& pdf) {
    QBuffer buffer;
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument document;
    document.load(&buffer);
    if (document.status() != QPdfDocument::Status::Ready || document.pageCount() == 0)
        return false;
    const double dpi = previewDpi(document);
    // The painter starts at the printable area; the PDF's pages are whole
    // sheets, margins included.
    const QRectF sheet = printer.paperRect(QPrinter::DevicePixel)
                             .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft());
    QPainter painter(&printer);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            printer.newPage();
        const QSize pixels = (document.pagePointSize(i) * dpi / 72.0).toSize();
        painter.drawImage(sheet, document.render(i, pixels));
    }
    return true;
}
