#pragma once
// What every test of the main window sets up: a program folder of its own in
// a temporary folder, so that settings, language files, pages and recovery
// copies land there; the language table built afresh for each test; and
// dialogs answered from a script. A test class derives from it and calls setUpWindowTest() first in
// init() and tearDownWindowTest() last in cleanup().

#include "base/widgets/program_services.h"
#include "document/document_file.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "outline_text.h"
#include "reports/widgets/report_browser.h"
#include "scripted_dialogs.h"
#include "settings/settings_store.h"

#include <QObject>
#include <QTemporaryDir>
#include <memory>

class MainWindowTest : public QObject {
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    // The program's services for the test's folder: its settings, language
    // files, pages and recovery copies land there.
    std::unique_ptr<ProgramServices> m_services;
    SettingsStore* m_settings = nullptr; // the services' settings
    std::unique_ptr<Tfrm_ppal> m_window;
    ScriptedDialogs* m_dialogs = nullptr;
    QList<DetachedCommand> m_started; // the programs the window started
    bool m_startsSucceed = true;      // whether they could be started
    // Makes the report windows' browsers; set it before a report window opens.
    ReportBrowserFactory m_newBrowser = createWebEngineBrowser;

    void setUpWindowTest() {
        m_dir = std::make_unique<QTemporaryDir>();
        auto dialogs = std::make_unique<ScriptedDialogs>();
        m_dialogs = dialogs.get();
        m_started.clear();
        m_startsSucceed = true;
        m_services = std::make_unique<ProgramServices>(ProgramServices::Parts{
            ProgramFolder(m_dir->filePath(QStringLiteral("quillnest"))),
            m_dir->filePath(QStringLiteral("recovery")), std::move(dialogs),
            [this](const DetachedCommand& command) {
                m_started << command;
                return m_startsSucceed;
            },
            [this](QWidget* parent, UserDialogs& dialogs, DialogFolders& folders) {
                return m_newBrowser(parent, dialogs, folders);
            }});
        m_settings = &m_services->settings();
    }
    // The window goes first, while the services it may still use are in place.
    void tearDownWindowTest() {
        m_window.reset();
        m_settings = nullptr;
        m_dialogs = nullptr;
        m_services.reset();
    }

    // A window started with a document "doc.qnf" holding the tree.
    Tfrm_ppal* openDocument(const OutlineTree& tree) {
        const QString path = m_dir->filePath(QStringLiteral("doc.qnf"));
        f_guardarNodos(tree, path);
        m_window = std::make_unique<Tfrm_ppal>(*m_services, path);
        return m_window.get();
    }
    OutlineNode* node(const QString& caption) const {
        return findNode(m_window->model()->tree(), caption);
    }
    QStringList currentOutline() const { return outlineLines(m_window->model()->tree()); }
};
