#include "reports/widgets/Unt_f_today.h"

#include "base/errors.h"
#include "base/widgets/control_texts.h"
#include "base/widgets/screen_place.h"
#include "base/widgets/user_dialogs.h"
#include "language/unt_idioma.h"
#include "reports/report_heads.h"
#include "reports/unthtml_constantes.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QDate>

Tf_today::Tf_today(const ReportContext& context)
    : Tf_customreportes(context, QStringLiteral("Tareas para hoy")) {
    setObjectName(QStringLiteral("f_today"));
    f_setTextos();
    placeWindow();
    // The window opens even when its page cannot be written, so the user sees
    // the error and the window alike.
    try {
        f_Show();
    } catch (const QuillnestError& error) {
        reportError(context.dialogs, error.message());
    }
}

void Tf_today::placeWindow() {
    // "left,top,width,height"; a damaged value counts as none.
    const QStringList parts = context().settings.text(Settings::ventanas::hoy).split(u',');
    int n[4] = {};
    bool valid = parts.size() == 4;
    for (int i = 0; valid && i < 4; ++i)
        n[i] = parts[i].toInt(&valid);
    if (valid && n[2] > 0 && n[3] > 0)
        placeOnAScreen(*this, QRect(n[0], n[1], n[2], n[3]));
    else
        centreOn(*this, *context().host.reportOwner());
}

void Tf_today::hideEvent(QHideEvent* event) {
    Tf_customreportes::hideEvent(event);
    // The frame's corner, as move() takes it, and the size of the contents,
    // as resize() takes it.
    const QPoint corner = frameGeometry().topLeft();
    const QString place =
        QStringLiteral("%1,%2,%3,%4").arg(corner.x()).arg(corner.y()).arg(width()).arg(height());
    try {
        context().settings.write(Settings::ventanas::hoy, place);
    } catch (const QuillnestError& error) {
        reportError(context().dialogs, error.message());
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
