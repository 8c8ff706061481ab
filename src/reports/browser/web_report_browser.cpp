// The module links no library of ours: the headers below declare only
// classes whose code is all in them, and everything else of the program's
// comes through the BrowserHost.
#include "base/errors.h"
#include "base/widgets/user_dialogs.h"
#include "reports/widgets/report_browser.h"

#include <QEventLoop>
#include <QFont>
#include <QFontInfo>
#include <QPrinter>
#include <QUrl>
#include <QWebEngineSettings>
#include <QWebEngineView>

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

// The view prints pages as pictures: 300 dots per inch keep text sharp on
// paper, where a printer's highest resolution makes a page take many seconds.
std::unique_ptr<QPrinter> newPrinter() {
    auto printer = std::make_unique<QPrinter>();
    printer->setResolution(300);
    return printer;
}

class WebEngineBrowser final : public ReportBrowser {
public:
    WebEngineBrowser(QWidget* parent, const BrowserHost& host) : m_host(host) {
        prepareEngine();
        m_view = new QWebEngineView(parent);
        m_view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        useDesktopSansSerif(*m_view->settings());
        // Queued: the view still paints on the printer while it reports the end.
        QObject::connect(
            m_view, &QWebEngineView::printFinished, m_view,
            [this](bool success) {
                m_printer.reset();
                if (!success)
                    m_host.reportError(m_host.text(BrowserHost::Text::PageNotPrinted));
            },
            Qt::QueuedConnection);
    }

    // The view goes first, so that nothing it reports can reach a browser half gone.
    ~WebEngineBrowser() override { delete m_view; }

    QWidget* widget() const override { return m_view; }

    void navigate(const QString& path) override {
        m_page = path;
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
    // The view prints in the background; the printer lives until it is done.
    void print(QWidget* parent) {
        if (m_printer)
            throw QuillnestError(m_host.text(BrowserHost::Text::StillPrinting));
        auto printer = newPrinter();
        if (!m_host.dialogs.choosePrinter(parent, *printer))
            return;
        m_printer = std::move(printer);
        m_view->print(m_printer.get());
    }

    // The preview asks for its pages synchronously, so each request waits for
    // the view to finish printing onto the preview's printer.
    void preview(QWidget* parent) {
        if (m_printer)
            throw QuillnestError(m_host.text(BrowserHost::Text::StillPrinting));
        const auto printer = newPrinter();
        m_host.dialogs.previewPrint(parent, *printer, [this](QPrinter* target) {
            QEventLoop loop;
            const auto done =
                QObject::connect(m_view, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
            m_view->print(target);
            loop.exec();
            QObject::disconnect(done);
        });
    }

    const BrowserHost m_host;
    QWebEngineView* m_view;
    QString m_page;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace

extern "C" Q_DECL_EXPORT ReportBrowser* quillnest_newWebEngineBrowser(QWidget* parent,
                                                                      const BrowserHost& host) {
    return new WebEngineBrowser(parent, host);
}
