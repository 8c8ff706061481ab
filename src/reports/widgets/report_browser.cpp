#include "reports/widgets/report_browser.h"

#include "base/errors.h"
#include "base/program_folder.h"
#include "base/whole_file.h"
#include "base/widgets/user_dialogs.h"
#include "language/messages.h"
#include "reports/unthtml_constantes.h"
#include "reports/widgets/printed_pdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>

// QtGui's hook for engines that draw through OpenGL contexts shared with one
// global context; exported, but declared in no public header.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {
using WebEngineEntry = decltype(&quillnest_newWebEngineBrowser);

// The browser engine needs the global shared OpenGL context before it loads.
// Qt would make it at start-up when asked, and so load the OpenGL driver into
// every run (tens of megabytes under a software renderer); made here, only a
// run that shows a report pays for it. Where no OpenGL context can be made
// (no display, a platform without OpenGL) the engine draws in software, but
// still reads the shared context's format: it gets the context that failed,
// as Qt itself would give it, since none at all crashes it.
void shareOpenGLContexts() {
    if (qt_gl_global_share_context())
        return;
    auto* context = new QOpenGLContext; // lives as long as the program
    context->create();
    qt_gl_set_global_share_context(context);
}

// Linked into the program, the browser engine would cost every start its memory
// and time, so it lives in a module beside the executable (or in its installed
// place), loaded once and never unloaded: its views may live until the program
// ends.
WebEngineEntry webEngineEntry() {
    static WebEngineEntry entry = nullptr;
    if (entry)
        return entry;
    shareOpenGLContexts();
    QLibrary module(ProgramFolder::moduleFolder(QCoreApplication::applicationFilePath()) +
                    QStringLiteral("/quillnest_browser"));
    // Every symbol is resolved now: one missing fails here with a message
    // rather than ending the program at its first call.
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    entry = reinterpret_cast<WebEngineEntry>(module.resolve("quillnest_newWebEngineBrowser"));
    if (!entry)
        throw QuillnestError(f_getTexto(Messages::navegadorNoCargado).arg(module.errorString()));
    return entry;
}

const NewText& browserMessage(BrowserHost::Text text) {
    switch (text) {
    case BrowserHost::Text::NoPage:
        return Messages::sinPagina;
    case BrowserHost::Text::StillPrinting:
        return Messages::imprimiendo;
    case BrowserHost::Text::PreparingPages:
        return Messages::preparandoPaginas;
    case BrowserHost::Text::PageNotPrinted:
        break;
    }
    return Messages::paginaNoImpresa;
}
// Replaces `target` with the bytes of `source` as a whole; `notSaved` names
// the failure to write.
void copyWhole(const QString& source, const QString& target, const NewText& notSaved) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw EInOutError(f_getTexto(Messages::paginaNoLeida)
                              .arg(QDir::toNativeSeparators(source), in.errorString()));
    QString reason;
    if (!writeWholeFile(target, in.readAll(), reason))
        throw EInOutError(f_getTexto(notSaved).arg(QDir::toNativeSeparators(target), reason));
}
} // namespace

std::unique_ptr<ReportBrowser> createWebEngineBrowser(QWidget* parent, UserDialogs& dialogs,
                                                      DialogFolders& folders) {
    const BrowserHost host{
        dialogs,
        [&dialogs, &folders](QWidget* owner, const QString& page) {
            saveCopyOfPage(dialogs, folders, owner, page);
        },
        deliverPrintedPdf,
        [&dialogs](const QString& message) { reportError(dialogs, message); },
        [](BrowserHost::Text text) { return f_getTexto(browserMessage(text)); },
    };
    return std::unique_ptr<ReportBrowser>(webEngineEntry()(parent, host));
}

void saveCopyOfPage(UserDialogs& dialogs, DialogFolders& folders, QWidget* parent,
                    const QString& page) {
    const QString target = dialogs.saveFileName(parent, QStringLiteral("HTML (*.htm *.html)"),
                                                QStringLiteral("htm"), folders.startFolder());
    if (!target.isEmpty())
        folders.rememberFolder(target);
    // Saving the page onto itself would only empty it.
    if (target.isEmpty() || QFileInfo(target) == QFileInfo(page))
        return;
    if (QFileInfo::exists(target) &&
        dialogs.askYesNoCancel(parent, f_getTexto(Messages::deseaSobreescribir)) !=
            UserDialogs::Answer::Yes)
        return;
    copyWhole(page, target, Messages::paginaNoGuardada);
    // The page takes its style from "reports.css" beside it: a copy without
    // one would open unstyled. A style sheet already there is the user's.
    const QString styleSheet = QFileInfo(page).dir().filePath(Unthtml_constantes::hojaEstilos);
    const QString besideCopy = QFileInfo(target).dir().filePath(Unthtml_constantes::hojaEstilos);
    if (QFileInfo::exists(styleSheet) && !QFileInfo::exists(besideCopy))
        copyWhole(styleSheet, besideCopy, Messages::hojaNoGuardada);
}
