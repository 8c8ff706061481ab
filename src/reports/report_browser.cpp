#include "reports/report_browser.h"

#include "document/errors.h"
#include "language/messages.h"
#include "mainwindow/user_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QSaveFile>

namespace {
ReportBrowserFactory& installedFactory() {
    static ReportBrowserFactory factory;
    return factory;
}

using WebEngineEntry = decltype(&quillnest_newWebEngineBrowser);

// Linked into the program, the browser engine would cost every start its memory
// and time, so it lives in a module beside the executable, loaded once and
// never unloaded: its views may live until the program ends.
WebEngineEntry webEngineEntry() {
    static WebEngineEntry entry = nullptr;
    if (entry)
        return entry;
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/quillnest_browser"));
    // The module takes some functions from the program: one missing fails
    // here with a message rather than ending the program at its first call.
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    entry = reinterpret_cast<WebEngineEntry>(module.resolve("quillnest_newWebEngineBrowser"));
    if (!entry)
        throw QuillnestError(
            QStringLiteral("The report browser could not be loaded: %1").arg(module.errorString()));
    return entry;
}
} // namespace

std::unique_ptr<ReportBrowser> createWebEngineBrowser(QWidget* parent) {
    return std::unique_ptr<ReportBrowser>(webEngineEntry()(parent));
}

std::unique_ptr<ReportBrowser> createReportBrowser(QWidget* parent) {
    const ReportBrowserFactory& factory = installedFactory();
    return factory ? factory(parent) : createWebEngineBrowser(parent);
}

void setReportBrowserFactory(ReportBrowserFactory factory) {
    installedFactory() = std::move(factory);
}

void saveCopyOfPage(QWidget* parent, const QString& page) {
    const QString target = userDialogs().saveFileName(parent, QStringLiteral("HTML (*.htm *.html)"),
                                                      QStringLiteral("htm"));
    // Saving the page onto itself would only empty it.
    if (target.isEmpty() || QFileInfo(target) == QFileInfo(page))
        return;
    if (QFileInfo::exists(target) &&
        userDialogs().askYesNoCancel(parent, f_getTexto(Messages::deseaSobreescribir)) !=
            UserDialogs::Answer::Yes)
        return;
    QFile source(page);
    QSaveFile copy(target);
    if (!source.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("The report page %1 could not be read: %2")
                              .arg(QDir::toNativeSeparators(page), source.errorString()));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(source.readAll()) < 0 || !copy.commit())
        throw EInOutError(QStringLiteral("The report page could not be saved as %1: %2")
                              .arg(QDir::toNativeSeparators(target), copy.errorString()));
}
