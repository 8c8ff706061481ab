#include "base/widgets/control_texts.h"

#include "language/unt_idioma.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace {
QString keyName(const QWidget* control, const QString& name) {
    return name.isEmpty() ? control->objectName() : name;
}
} // namespace

void applyCaptionAndHint(const QString& section, QWidget* control, const QString& name) {
    const QString key = keyName(control, name) + QStringLiteral(".Caption");
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(f_getTexto(section, key, button->text()));
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(f_getTexto(section, key, group->title()));
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(f_getTexto(section, key, label->text()));
    applyHint(section, control, name);
}

void applyHint(const QString& section, QWidget* control, const QString& name) {
    control->setToolTip(f_getTexto(section, keyName(control, name) + QStringLiteral(".Hint"),
                                   control->toolTip()));
}
