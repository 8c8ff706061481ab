#include "reports/report_browser.h"

#include "document/errors.h"
#include "language/messages.h"
#include "mainwindow/user_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
ReportBrowserFactory& installedFactory() {
    static ReportBrowserFactory factory;
    return factory;
}
} // namespace

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
