#pragma once
// The browser of the report windows, behind a small interface: a window shows
// a local page and runs print, preview and save on it. The program uses Qt
// WebEngine, kept in the module quillnest_browser beside the executable and
// loaded only when the first report window opens; tests hand the windows a
// browser that records what it is asked instead.

#include "base/widgets/page_browser.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;
class DialogFolders;
class UserDialogs;

// Everything the browser module uses of the program. The module links no
// library of ours and takes no symbol from the executable, so all of it comes
// in here; the browser keeps a copy.
struct BrowserHost {
    enum class Text { NoPage, StillPrinting, PageNotPrinted, PreparingPages };

    // The print dialog and the print preview.
    UserDialogs& dialogs;
    // Save as: a copy of the page's file where the user chooses.
    std::function<void(QWidget* parent, const QString& page)> saveCopyOfPage;
    // Hands the printed pages, a PDF, to the file or printer chosen on
    // `printer`, as a job named `title`; throws QuillnestError when it cannot.
    std::function<void(const QPrinter& printer, const QByteArray& pdf, const QString& title)>
        deliverPdf;
    // Shows a failure that no caller can catch: printing reports its end later.
    std::function<void(const QString& message)> reportError;
    // A message in the user's language.
    std::function<QString(Text text)> text;
};

// The browser module's one entry point: a new Qt WebEngine browser inside
// `parent`, owned by the caller, with JavaScript off: pages carry item texts as
// they are.
extern "C" ReportBrowser* quillnest_newWebEngineBrowser(QWidget* parent, const BrowserHost& host);
// The Qt WebEngine browser, the factory the program uses; loads the browser
// module on first use and throws QuillnestError when it cannot.
std::unique_ptr<ReportBrowser> createWebEngineBrowser(QWidget* parent, UserDialogs& dialogs,
                                                      DialogFolders& folders);

// Save as: the user picks a file name, starting in `folders`, is asked before
// an existing file is replaced, and gets a copy of the page's file, byte for
// byte, with a copy of its style sheet beside it unless one is there already.
void saveCopyOfPage(UserDialogs& dialogs, DialogFolders& folders, QWidget* parent,
                    const QString& page);
