#include "settings/widgets/unt_help_ui.h"

#include "base/widgets/program_services.h"
#include "base/widgets/user_dialogs.h"
#include "language/messages.h"

#include <QFileInfo>

bool f_existeAyuda(ProgramServices& services, HelpTopic topic, QWidget* parent) {
    const QString page = helpFileName(services.folder(), topic);
    if (QFileInfo(page).isFile())
        return true;
    services.dialogs().inform(parent, messageWithPath(Messages::noExisteHelp, page));
    return false;
}

void f_mostrarAyuda(ProgramServices& services, HelpTopic topic, QWidget* parent) {
    if (f_existeAyuda(services, topic, parent))
        services.startCommand()(helpCommand(helpFileName(services.folder(), topic)));
}
