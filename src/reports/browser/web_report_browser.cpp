// The module links no library of ours: the headers below declare only
// classes whose code is all in them, and everything else of the program's
// comes through the BrowserHost.
#include "base/errors.h"
#include "base/widgets/user_dialogs.h"
#include "reports/widgets/report_browser.h"

#include "reports/browser/page_pdf.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPointer>
#include <QPrinter>
#include <QUrl>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <vector>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

// Chromium refuses to start as root with its sandbox on, so only then is the
// sandbox switched off; the engine reads this when its first view is made.
void prepareEngine() {
#if defined(Q_OS_UNIX)
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

// The style sheet asks for fonts that a Linux desktop seldom has, and the
// engine's own fallback is a serif face: the desktop's sans-serif font
// stands in for both, so pages read as the rest of the desktop does.
void useDesktopSansSerif(QWebEngineSettings& settings) {
    QFont sans(QStringLiteral("sans-serif"));
    sans.setStyleHint(QFont::SansSerif);
    const QString family = QFontInfo(sans).family();
    settings.setFontFamily(QWebEngineSettings::StandardFont, family);
    settings.setFontFamily(QWebEngineSettings::SansSerifFont, family);
}

// The printer the print dialog and the preview set up: at the highest
// resolution, since the pages reach it as PDF and only the preview draws them.
std::unique_ptr<QPrinter> newPrinter() {
    return std::make_unique<QPrinter>(QPrinter::HighResolution);
}

// What the preview's printer is while the preview draws its pages; its print
// button hands over a printer that prints for real.
bool drawsPreview(QPrinter& printer) {
    return printer.paintEngine() && printer.paintEngine()->type() == QPaintEngine::Picture;
}

class WebEngineBrowser final : public ReportBrowser {
public:
    WebEngineBrowser(QWidget* parent, const BrowserHost& host) : m_host(host) {
        prepareEngine();
        m_view = new QWebEngineView(parent);
        m_view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        useDesktopSansSerif(*m_view->settings());
        QObject::connect(m_view, &QWebEngineView::loadFinished, m_view, [this] {
            m_loaded = true;
            for (const auto& waiting : std::exchange(m_whenLoaded, {}))
                waiting();
        });
    }

    // Nothing the engine still reports may reach a browser half gone.
    ~WebEngineBrowser() override {
        if (m_job)
            m_job->abandon();
        delete m_view;
    }

    QWidget* widget() const override { return m_view; }

    void navigate(const QString& path) override {
        m_page = path;
        m_loaded = false;
        m_whenLoaded.clear();
        m_view->load(QUrl::fromLocalFile(path));
    }

    bool isSupported(Command) const override { return !m_page.isEmpty(); }

    void exec(Command command, QWidget* parent) override {
        if (m_page.isEmpty())
            throw QuillnestError(m_host.text(BrowserHost::Text::NoPage));
        switch (command) {
        case Command::Print:
            print(parent);
            break;
        case Command::Preview:
            preview(parent);
            break;
        case Command::SaveAs:
            m_host.saveCopyOfPage(parent, m_page);
            break;
        }
    }

private:
    // The engine makes the PDF in the background, behind a progress box; the
    // printer lives until the PDF is handed to it.
    void print(QWidget* parent) {
        refuseWhilePrinting();
        std::shared_ptr<QPrinter> printer = newPrinter();
        if (!m_host.dialogs.choosePrinter(parent, *printer))
            return;
        whenLoaded([this, parent = QPointer<QWidget>(parent), printer] {
            m_job = PdfJob::start(*m_view->page(), parent, progressText(), printer->pageLayout(),
                                  printer->pageRanges(),
                                  [this, printer](std::optional<QByteArray> pdf) {
                                      if (pdf)
                                          deliver(*printer, *pdf);
                                  });
        });
    }

    // The preview shows the pages of the same PDF that printing makes, for
    // the layout chosen in it; its print button prints that PDF.
    void preview(QWidget* parent) {
        refuseWhilePrinting();
        const auto printer = newPrinter();
        m_host.dialogs.previewPrint(parent, *printer, [this, parent](QPrinter* target) {
            waitUntilLoaded();
            const bool onScreen = drawsPreview(*target);
            const auto pdf = pdfNow(*m_view->page(), parent, progressText(), target->pageLayout(),
                                    onScreen ? QPageRanges() : target->pageRanges());
            if (!pdf)
                return;
            if (!onScreen)
                deliver(*target, *pdf);
            else if (!paintPdfPages(*target, *pdf))
                m_host.reportError(m_host.text(BrowserHost::Text::PageNotPrinted));
        });
    }

    void deliver(const QPrinter& printer, const QByteArray& pdf) {
        if (pdf.isEmpty()) {
            m_host.reportError(m_host.text(BrowserHost::Text::PageNotPrinted));
            return;
        }
        try {
            m_host.deliverPdf(printer, pdf, title());
        } catch (const QuillnestError& error) {
            m_host.reportError(error.message());
        }
    }

    void refuseWhilePrinting() const {
        if (m_job && m_job->running())
            throw QuillnestError(m_host.text(BrowserHost::Text::StillPrinting));
    }

    QString progressText() const { return m_host.text(BrowserHost::Text::PreparingPages); }

    // The print job's name: the page's title, else its file's.
    QString title() const {
        const QString shown = m_view->title();
        return shown.isEmpty() || shown == QUrl::fromLocalFile(m_page).toString()
                   ? QFileInfo(m_page).fileName()
                   : shown;
    }

    // A page still loading would print blank.
    void whenLoaded(std::function<void()> action) {
        if (m_loaded)
            action();
        else
            m_whenLoaded.push_back(std::move(action));
    }
    void waitUntilLoaded() {
        if (m_loaded)
            return;
        QEventLoop loop;
        whenLoaded([&loop] { loop.quit(); });
        loop.exec();
    }

    const BrowserHost m_host;
    QWebEngineView* m_view;
    QString m_page;
    bool m_loaded = false;
    std::vector<std::function<void()>> m_whenLoaded;
    std::shared_ptr<PdfJob> m_job;
};

} // namespace

extern "C" Q_DECL_EXPORT ReportBrowser* quillnest_newWebEngineBrowser(QWidget* parent,
                                                                      const BrowserHost& host) {
    return new WebEngineBrowser(parent, host);
}
