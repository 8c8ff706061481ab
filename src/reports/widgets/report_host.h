#pragma once
// What the report windows need of the window they report for, and what they
// are built with. The report windows know the main window only through this.

#include "reports/widgets/report_browser.h"

#include <QPointer>

class OutlineNode;
class SettingsStore;
class Tf_defreportexdia;
class Tf_reportexdia;
class Tf_today;
class OutlineTree;
class QWidget;
class DialogFolders;
class UserDialogs;

class ReportHost {
public:
    virtual ~ReportHost() = default;
    // The window the report windows belong to, and are placed against.
    virtual QWidget* reportOwner() const = 0;
    // The document's items and the item selected in them (nullptr for none).
    virtual const OutlineTree& reportedTree() const = 0;
    virtual OutlineNode* reportedSelection() const = 0;
    // Puts the text being edited into its item, so that a page shows what the
    // user sees.
    virtual void commitEditorText() = 0;
    // Where the editor begins on the screen: the per-day window starts there.
    virtual int editorTop() const = 0;
};

// The report windows of a host window, each while it exists. The host owns
// them; a report window finds the others here.
struct ReportWindows {
    QPointer<Tf_today> f_today;
    QPointer<Tf_defreportexdia> f_defreportexdia;
    QPointer<Tf_reportexdia> f_reportexdia;
    // True until the per-day window has been placed beside the dialog, and
    // again once it is destroyed.
    bool posicionInicial = true;
};

// What every report window is made with.
struct ReportContext {
    ReportHost& host;
    ReportWindows& windows;
    SettingsStore& settings;
    UserDialogs& dialogs;
    DialogFolders& folders; // where the report's Save dialog starts
    ReportBrowserFactory browsers;
    QString webFolder; // where the pages are written (f_carpetaWeb)
};
