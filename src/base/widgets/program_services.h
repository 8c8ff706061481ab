#pragma once
// The program's services, built and owned in one place: the program folder,
// the language table, the settings, the dialogs, the starter of outside
// programs, the factory of report browsers and the folder of recovery copies.
// main() builds the running program's; each test builds its own, for a
// folder of its own, with scripted dialogs and recorded commands. The main
// window is handed them and hands each window below it what it needs.

#include "base/detached_command.h"
#include "base/program_folder.h"
#include "base/widgets/page_browser.h"
#include "base/widgets/user_dialogs.h"
#include "language/unt_idioma.h"
#include "settings/settings_store.h"

#include <QString>
#include <memory>

class ProgramServices {
public:
    struct Parts {
        ProgramFolder folder;
        QString recoveryFolder;
        std::unique_ptr<UserDialogs> dialogs;
        CommandStarter startCommand;
        ReportBrowserFactory newBrowser;
    };
    // The running program's parts: its own folder, recovery copies in the
    // user's data folder, message boxes and Qt's dialogs, programs really
    // started, and the browsers `newBrowser` makes.
    static Parts runningProgram(ReportBrowserFactory newBrowser);

    // Puts its language table in use for as long as it lives.
    explicit ProgramServices(Parts parts);
    ~ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    const ProgramFolder& folder() const { return m_parts.folder; }
    const QString& recoveryFolder() const { return m_parts.recoveryFolder; }
    LanguageTable& language() { return m_language; }
    SettingsStore& settings() { return m_settings; }
    UserDialogs& dialogs() { return *m_parts.dialogs; }
    const CommandStarter& startCommand() const { return m_parts.startCommand; }
    const ReportBrowserFactory& newBrowser() const { return m_parts.newBrowser; }

    // Shows the message of a failure that no operation could report itself,
    // over the active window.
    void reportError(const QString& message);

private:
    Parts m_parts;
    LanguageTable m_language;
    SettingsStore m_settings;
};
