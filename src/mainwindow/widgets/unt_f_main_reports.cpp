// The main window's report commands.

#include "mainwindow/widgets/unt_f_main.h"
#include "reports/widgets/Unt_f_today.h"
#include "reports/widgets/unt_f_defreportexdia.h"
#include "reports/widgets/unt_f_reportexdia.h"

// An existing today window is shown as it is, with the page of its creation.
void Tfrm_ppal::verhoyExecute() {
    if (!f_today)
        f_today = new Tf_today(this);
    bringToFront(f_today);
}

// The per-day window comes forward with the dialog, but only "Mostrar" creates it.
void Tfrm_ppal::definicionreportesExecute() {
    if (!f_defreportexdia)
        f_defreportexdia = new Tf_defreportexdia(this, m_settings);
    bringToFront(f_defreportexdia);
    if (f_reportexdia)
        bringToFront(f_reportexdia);
}
