#include "reports/report_texts.h"

#include "language/unt_idioma.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

void applyCaptionAndHint(const QString& section, QWidget* control) {
    const QString key = control->objectName() + QStringLiteral(".Caption");
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(f_getTexto(section, key, button->text()));
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(f_getTexto(section, key, group->title()));
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(f_getTexto(section, key, label->text()));
    applyHint(section, control);
}

void applyHint(const QString& section, QWidget* control) {
    control->setToolTip(
        f_getTexto(section, control->objectName() + QStringLiteral(".Hint"), control->toolTip()));
}
