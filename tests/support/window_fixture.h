#pragma once
// What every test of the main window sets up: a program folder of its own in
// a temporary folder, so that settings, language files, pages and recovery
// copies land there; the language table built afresh for each test; and
// dialogs answered from a script. A test class derives from it and calls setUpWindowTest() first in
// init() and tearDownWindowTest() last in cleanup().

#include "document/document_file.h"
#include "base/program_folder.h"
#include "document/recovery.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "outline_text.h"
#include "scripted_dialogs.h"
#include "settings/settings_store.h"

#include <QObject>
#include <QTemporaryDir>
#include <memory>

class MainWindowTest : public QObject {
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    // The settings of the test's program folder, loaded on first use.
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Tfrm_ppal> m_window;
    ScriptedDialogs* m_dialogs = nullptr;
    std::unique_ptr<LanguageTable> m_language;

    void setUpWindowTest() {
        m_dir = std::make_unique<QTemporaryDir>();
        setProgramPathForTests(m_dir->filePath(QStringLiteral("quillnest")));
        setRecoveryFolderForTests(m_dir->filePath(QStringLiteral("recovery")));
        m_settings = std::make_unique<SettingsStore>(f_nombreIni());
        m_language = std::make_unique<LanguageTable>(m_dir->path() + u'/');
        m_language->use();
        m_dialogs = ScriptedDialogs::install();
    }
    // The window goes first, while the dialogs it may still use are in place.
    void tearDownWindowTest() {
        m_window.reset();
        m_settings.reset();
        setUserDialogs(nullptr);
        m_language.reset();
        setProgramPathForTests(QString());
        setRecoveryFolderForTests(QString());
    }

    // A window started with a document "doc.qnf" holding the tree.
    Tfrm_ppal* openDocument(const OutlineTree& tree) {
        const QString path = m_dir->filePath(QStringLiteral("doc.qnf"));
        f_guardarNodos(tree, path);
        m_window = std::make_unique<Tfrm_ppal>(*m_settings, path);
        return m_window.get();
    }
    OutlineNode* node(const QString& caption) const {
        return findNode(m_window->model()->tree(), caption);
    }
    QStringList currentOutline() const { return outlineLines(m_window->model()->tree()); }
};
