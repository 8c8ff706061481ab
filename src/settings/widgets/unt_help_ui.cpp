#include "settings/widgets/unt_help_ui.h"

#include "base/widgets/program_services.h"
#include "base/widgets/user_dialogs.h"
#include "language/messages.h"

#include <QDir>
#include <QFileInfo>

bool f_existeAyuda(ProgramServices& services, HelpTopic topic, QWidget* parent) {
    const QString page = helpFileName(services.folder(), topic);
    if (QFileInfo(page).isFile())
        return true;
    services.dialogs().inform(parent, messageWithPath(Messages::noExisteHelp, page));
    return false;
}

void f_mostrarAyuda(ProgramServices& services, HelpTopic topic, QWidget* parent) {
    if (!f_existeAyuda(services, topic, parent))
        return;
    const QString page = helpFileName(services.folder(), topic);
    // Without the desktop's opener the page is named, so that it can be
    // opened by hand.
    if (!services.startCommand()(helpCommand(page)))
        services.dialogs().inform(
            parent, f_getTexto(Messages::ayudaNoAbierta).arg(QDir::toNativeSeparators(page)));
}
