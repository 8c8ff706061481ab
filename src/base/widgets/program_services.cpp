#include "base/widgets/program_services.h"

#include "base/widgets/user_dialogs.h"

#include <QStandardPaths>

ProgramServices::Parts ProgramServices::runningProgram(ReportBrowserFactory newBrowser) {
    return {ProgramFolder::ofRunningProgram(),
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                QStringLiteral("/recovery"),
            messageBoxDialogs(), startDetached, std::move(newBrowser)};
}

ProgramServices::ProgramServices(Parts parts)
    : m_parts(std::move(parts)), m_language(m_parts.folder.configFolder()),
      m_settings(f_nombreIni(m_parts.folder)) {
    m_language.use();
}

ProgramServices::~ProgramServices() = default;

void ProgramServices::reportError(const QString& message) {
    ::reportError(dialogs(), message);
}
