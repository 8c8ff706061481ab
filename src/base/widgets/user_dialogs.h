#pragma once
// Every question, information box and common dialog of the program goes
// through this interface, so tests can answer them without a modal box.

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

class UserDialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~UserDialogs() = default;
    // Yes/No/Cancel; closing the box counts as Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    // OK/Cancel; true for OK.
    virtual bool askOkCancel(QWidget* parent, const QString& text) = 0;
    // A question with buttons of its own, the first the default; the index of
    // the one chosen, or -1 when the box was closed.
    virtual int askChoice(QWidget* parent, const QString& text, const QStringList& buttons) = 0;
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A failure's message.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // File dialogs for documents, starting in `folder` (empty: the dialog's
    // own choice); an empty result means cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter, const QString& folder) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter,
                                 const QString& defaultSuffix, const QString& folder) = 0;
    // Font dialog with an Apply button; `apply` is called for Apply and for OK.
    // Returns whether OK closed it.
    virtual bool chooseFont(QWidget* parent, QFont& font,
                            const std::function<void(const QFont&)>& apply) = 0;
    // One of the program's own dialogs (the options), run modally until it closes.
    virtual void runModal(QDialog& dialog) = 0;
    // Print dialog; true when the user chose to print on `printer`.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Print preview of what `paint` renders onto the printer it is given.
    virtual void previewPrint(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter*)>& paint) = 0;
};

// Where the file dialogs start: the folder of the document in use, else the
// folder the user chose last. Told of every file the user chooses.
class DialogFolders {
public:
    virtual ~DialogFolders() = default;
    virtual QString startFolder() = 0;
    virtual void rememberFolder(const QString& chosenFile) = 0;
};

// Message boxes and Qt's own dialogs: the running program's. The program's
// services hold the dialogs in use.
std::unique_ptr<UserDialogs> messageBoxDialogs();

// Shows the message of a failure that no operation could report itself, over
// the active window.
void reportError(UserDialogs& dialogs, const QString& message);
