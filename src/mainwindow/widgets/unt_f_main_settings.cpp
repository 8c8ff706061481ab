// The main window's options, help and About commands, the file type
// registration at start, and the first-run question for a language.
#include "mainwindow/widgets/unt_f_main.h"

#include "mainwindow/widgets/main_actions.h"

#include "base/errors.h"
#include "base/widgets/program_services.h"
#include "base/widgets/user_dialogs.h"
#include "document/outline_document.h"
#include "language/unt_idioma.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "settings/unt_extensiones.h"
#include "settings/widgets/unt_f_about.h"
#include "settings/widgets/unt_f_opciones.h"
#include "settings/widgets/unt_help_ui.h"

#include <QAction>

void Tfrm_ppal::connectSettingsActions() {
    connect(action(ActionName::opciones), &QAction::triggered, this, &Tfrm_ppal::opcionesExecute);
    connect(action(ActionName::help), &QAction::triggered, this, &Tfrm_ppal::helpExecute);
    connect(action(ActionName::about), &QAction::triggered, this, &Tfrm_ppal::aboutExecute);
    connect(&tm_init, &QTimer::timeout, this, &Tfrm_ppal::tm_initTimer);
}

void Tfrm_ppal::registerFileTypeAtStart() {
    if (!m_services.settings().flag(Settings::opciones::regexts))
        return;
    try {
        f_registrarExtension(m_services.folder(), m_services.startCommand());
    } catch (const QuillnestError& error) {
        m_services.reportError(error.message());
    }
}

void Tfrm_ppal::opcionesExecute() {
    // Modal, and made afresh each time, so it always shows the stored settings.
    Tf_opciones f_opciones(this, m_services, *this);
    m_services.dialogs().runModal(f_opciones);
}

void Tfrm_ppal::helpExecute() {
    f_mostrarAyuda(m_services, HelpTopic::start, this);
}

void Tfrm_ppal::aboutExecute() {
    m_aboutBoxes.show(this, m_services.folder());
}

void Tfrm_ppal::tm_initTimer() {
    tm_init.stop();
    // With a settings file that cannot be read, no choice could be stored:
    // the program goes on in its designed texts.
    if (f_getIdioma() != Settings::opciones::idioma.defaultValue || m_settingsErrorShown)
        return;
    // No language was ever chosen: ask for one, then end, since the texts of
    // the chosen language appear only from the next start.
    opcionesExecute();
    m_document->markSaved(); // nothing to ask about: the program ends at once
    close();
}
