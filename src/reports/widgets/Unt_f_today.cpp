#include "reports/widgets/Unt_f_today.h"

#include "base/errors.h"
#include "base/widgets/control_texts.h"
#include "base/widgets/user_dialogs.h"
#include "language/unt_idioma.h"
#include "reports/report_heads.h"
#include "reports/unthtml_constantes.h"

#include <QDate>

Tf_today::Tf_today(const ReportContext& context)
    : Tf_customreportes(context, QStringLiteral("Tareas para hoy")) {
    setObjectName(QStringLiteral("f_today"));
    f_setTextos();
    // The window opens even when its page cannot be written, so the user sees
    // the error and the window alike.
    try {
        f_Show();
    } catch (const QuillnestError& error) {
        reportError(context.dialogs, error.message());
    }
}

void Tf_today::f_setTextos() {
    applyWindowTitle(QStringLiteral("f_today"), this);
}

QString Tf_today::f_cabecera() {
    return todayPageHead(context().webFolder);
}

void Tf_today::f_Show() {
    const QDate today = QDate::currentDate();
    showPage(QString(Unthtml_constantes::reporteHoy),
             [&](const ReportSource& source, const MarkupOutput& output) {
                 f_htmlItemsHoy(today, today, source, output);
             });
}
