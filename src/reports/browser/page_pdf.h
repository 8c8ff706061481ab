#pragma once
// A page's printed form is the engine's own PDF: text stays text, fonts are
// embedded and lines are never cut across pages. Printing, the preview and a
// PDF file all start from it.

#include <QByteArray>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPageLayout;
class QPageRanges;
class QPrinter;
class QWebEnginePage;
class QWidget;

// One PDF being made by the engine, with a progress box over `parent` that
// shows when it takes more than a moment and lets the user cancel. The engine
// cannot be stopped, so a cancelled job only drops its result.
class PdfJob {
public:
    // `done` gets the PDF (empty when the engine failed), or nothing when the
    // user cancelled; it is never called once the job was abandoned.
    using Done = std::function<void(std::optional<QByteArray> pdf)>;

    static std::shared_ptr<PdfJob> start(QWebEnginePage& page, QWidget* parent,
                                         const QString& progressText, const QPageLayout& layout,
                                         const QPageRanges& ranges, Done done);
    ~PdfJob();

    // Whether the engine is still at work, even for a cancelled job.
    bool running() const { return m_running; }
    // The owner goes away: nothing is reported to it any more.
    void abandon();

private:
    PdfJob() = default;
    void finish(std::optional<QByteArray> pdf);

    Done m_done;
    // Deleted later: the user's cancel may be what ends the job.
    QPointer<QProgressDialog> m_progress;
    bool m_running = true;
};

// Waits, in a local event loop, for the PDF of `page`; nothing when the user
// cancelled. For callers that must answer at once, as a print preview asks.
std::optional<QByteArray> pdfNow(QWebEnginePage& page, QWidget* parent, const QString& progressText,
                                 const QPageLayout& layout, const QPageRanges& ranges);

// Paints the pages of `pdf` onto `printer`, each over its whole paper, as
// pictures: for a print preview, which shows pages on the screen. False when
// the PDF cannot be read.
bool paintPdfPages(QPrinter& printer, const QByteArray& pdf);
