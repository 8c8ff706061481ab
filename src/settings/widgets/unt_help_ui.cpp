#include "settings/widgets/unt_help_ui.h"

#include "language/messages.h"
#include "base/widgets/user_dialogs.h"
#include "settings/unt_help.h"

#include <QFileInfo>

bool f_existeAyuda(bool quiet, QWidget* parent) {
    if (QFileInfo(helpFileName()).isFile())
        return true;
    if (!quiet)
        userDialogs().inform(parent, messageWithPath(Messages::noExisteHelp, helpFileName()));
    return false;
}

void f_mostrarAyuda(const QString& topic, QWidget* parent) {
    if (f_existeAyuda(false, parent))
        startDetached(helpCommand(topic, htmlHelpViewer()));
}
