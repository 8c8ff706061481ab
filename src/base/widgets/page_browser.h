#pragma once
// The browser a report window shows its page in, as the program's services
// know it: an interface and the factory that makes one. The report windows
// hold the rest (the engine module, its loading and its host).

#include <QString>
#include <functional>
#include <memory>

class QWidget;
class DialogFolders;
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
// through `dialogs`, whose file dialogs start in `folders`.
using ReportBrowserFactory = std::function<std::unique_ptr<ReportBrowser>(
    QWidget* parent, UserDialogs& dialogs, DialogFolders& folders)>;
