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

protected:
    // Where the user leaves the window is where the next one opens.
    void hideEvent(QHideEvent* event) override;

private:
    void f_setTextos();
    // Where the user left the last one, else centred on the host's window;
    // on a screen either way.
    void placeWindow();
};
