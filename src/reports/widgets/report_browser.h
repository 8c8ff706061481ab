#pragma once
// The browser of the report windows, behind a small interface: a window shows
// a local page and runs print, preview and save on it. The program uses Qt
// WebEngine, kept in the module quillnest_browser beside the executable and
// loaded only when the first report window opens; tests hand the windows a
// browser that records what it is asked instead.

#include <QString>
#include <functional>
#include <memory>

class QWidget;
class UserDialogs;

class ReportBrowser {
public:
    enum class Command { Print, Preview, SaveAs };

    virtual ~ReportBrowser() = default;
    // The widget showing the page, a child of the browser's parent.
    virtual QWidget* widget() const = 0;
    // Shows the file at the local path.
    virtual void navigate(const QString& path) = 0;
    // Whether the command can run on what the browser shows.
    virtual bool isSupported(Command command) const = 0;
    // Runs the command, letting the user choose printer, preview or file;
    // `parent` owns the dialogs. Throws QuillnestError when the browser cannot.
    virtual void exec(Command command, QWidget* parent) = 0;
};

// Makes the browser of a report window inside `parent`, asking the user
// through `dialogs`.
using ReportBrowserFactory =
    std::function<std::unique_ptr<ReportBrowser>(QWidget* parent, UserDialogs& dialogs)>;

// Everything the browser module uses of the program. The module links no
// library of ours and takes no symbol from the executable, so all of it comes
// in here; the browser keeps a copy.
struct BrowserHost {
    enum class Text { NoPage, StillPrinting, PageNotPrinted };

    // The print dialog and the print preview.
    UserDialogs& dialogs;
    // Save as: a copy of the page's file where the user chooses.
    std::function<void(QWidget* parent, const QString& page)> saveCopyOfPage;
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
std::unique_ptr<ReportBrowser> createWebEngineBrowser(QWidget* parent, UserDialogs& dialogs);

// Save as: the user picks a file name, is asked before an existing file is
// replaced, and gets a copy of the page's file, byte for byte.
void saveCopyOfPage(UserDialogs& dialogs, QWidget* parent, const QString& page);
