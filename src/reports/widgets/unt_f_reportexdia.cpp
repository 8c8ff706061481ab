#include "reports/widgets/unt_f_reportexdia.h"

#include "mainwindow/widgets/unt_f_main.h"
#include "reports/report_heads.h"
#include "reports/widgets/unt_f_defreportexdia.h"
#include "reports/unthtml_constantes.h"

Tf_reportexdia::Tf_reportexdia(Tfrm_ppal* frm_ppal)
    : Tf_customreportes(frm_ppal, QStringLiteral("Reportes")) {
    setObjectName(QStringLiteral("f_reportexdia"));
}

Tf_reportexdia::~Tf_reportexdia() {
    posicionInicial = true;
}

QString Tf_reportexdia::f_cabecera() {
    return perDayPageHead(opciones);
}

void Tf_reportexdia::f_Show() {
    if (posicionInicial && f_defreportexdia) {
        placeBesideDialog();
        posicionInicial = false;
    }
    showPage(QString(Unthtml_constantes::reporteXDia),
             [this](const MarkupOutput& output) { f_htmlItems(opciones, reportSource(), output); });
    bringToFront(this);
}

// Right of the dialog, as wide as the main window less the dialog, from the
// top of the editor panel down to the bottom of the main window.
void Tf_reportexdia::placeBesideDialog() {
    create(); // the platform knows the frame once the window exists
    const QRect dialog = f_defreportexdia->frameGeometry();
    const QRect main = mainWindow()->frameGeometry();
    const int editorTop = mainWindow()->pn_texto->mapToGlobal(QPoint(0, 0)).y();
    const QSize frame = frameGeometry().size() - size();
    move(dialog.right() + 1, editorTop);
    resize(QSize(main.width() - dialog.width(), main.bottom() + 1 - editorTop) - frame);
}
