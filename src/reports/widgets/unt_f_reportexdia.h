#pragma once
// The per-day report: the items of a range of days with the choices of the
// report definition dialog, rendered again at every "Mostrar".

#include "reports/widgets/unt_f_customreportes.h"

#include <QPointer>

class Tf_reportexdia : public Tf_customreportes {
    Q_OBJECT
public:
    // Created hidden; f_Show() renders and shows it.
    explicit Tf_reportexdia(const ReportContext& context);
    ~Tf_reportexdia() override;

    // On its first showing the window goes beside the dialog, over the main
    // window's editor; later it keeps where the user put it.
    void f_Show() override;
    QString f_cabecera() override;

private:
    void placeBesideDialog();
};
