#include "reports/widgets/unt_f_reportexdia.h"

#include "reports/report_heads.h"
#include "reports/unthtml_constantes.h"
#include "reports/widgets/unt_f_defreportexdia.h"

Tf_reportexdia::Tf_reportexdia(const ReportContext& context)
    : Tf_customreportes(context, QStringLiteral("Reportes")) {
    setObjectName(QStringLiteral("f_reportexdia"));
}

Tf_reportexdia::~Tf_reportexdia() {
    context().windows.posicionInicial = true;
}

QString Tf_reportexdia::f_cabecera() {
    return perDayPageHead(opciones, context().webFolder);
}

void Tf_reportexdia::f_Show() {
    ReportWindows& windows = context().windows;
    if (windows.posicionInicial && windows.f_defreportexdia) {
        placeBesideDialog();
        windows.posicionInicial = false;
    }
    showPage(QString(Unthtml_constantes::reporteXDia),
             [this](const ReportSource& source, const MarkupOutput& output) {
                 f_htmlItems(opciones, source, output);
             });
    bringToFront(this);
}

// Right of the dialog, as wide as the host's window less the dialog, from the
// top of its editor down to its bottom.
void Tf_reportexdia::placeBesideDialog() {
    create(); // the platform knows the frame once the window exists
    const QRect dialog = context().windows.f_defreportexdia->frameGeometry();
    const QRect main = context().host.reportOwner()->frameGeometry();
    const int editorTop = context().host.editorTop();
    const QSize frame = frameGeometry().size() - size();
    move(dialog.right() + 1, editorTop);
    resize(QSize(main.width() - dialog.width(), main.bottom() + 1 - editorTop) - frame);
}
