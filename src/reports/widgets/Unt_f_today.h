#pragma once
// The today report: the open items dated today, rendered once when the window
// is created. Showing the window again shows the same page.

#include "reports/widgets/unt_f_customreportes.h"

class Tf_today : public Tf_customreportes {
    Q_OBJECT
public:
    // Renders the page; a failure is reported and leaves the browser empty.
    explicit Tf_today(const ReportContext& context);

    void f_Show() override;
    QString f_cabecera() override;

private:
    void f_setTextos();
};
