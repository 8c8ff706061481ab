#include "settings/widgets/unt_help_ui.h"

#include "base/widgets/program_services.h"
#include "base/widgets/user_dialogs.h"
#include "language/messages.h"
#include "settings/unt_help.h"

#include <QFileInfo>

bool f_existeAyuda(ProgramServices& services, bool quiet, QWidget* parent) {
    const QString file = helpFileName(services.folder());
    if (QFileInfo(file).isFile())
        return true;
    if (!quiet)
        services.dialogs().inform(parent, messageWithPath(Messages::noExisteHelp, file));
    return false;
}

void f_mostrarAyuda(ProgramServices& services, const QString& topic, QWidget* parent) {
    if (f_existeAyuda(services, false, parent))
        services.startCommand()(
            helpCommand(helpFileName(services.folder()), topic, htmlHelpViewer()));
}
