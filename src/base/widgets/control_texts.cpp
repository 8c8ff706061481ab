#include "base/widgets/control_texts.h"

#include "language/unt_idioma.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace {
QString keyName(const QWidget* control, const QString& name) {
    return name.isEmpty() ? control->objectName() : name;
}
} // namespace

QString captionText(const QString& section, const QString& name, const QString& designed) {
    return f_getTexto(section, name + QStringLiteral(".Caption"), designed);
}

QString hintText(const QString& section, const QString& name, const QString& designed) {
    return f_getTexto(section, name + QStringLiteral(".Hint"), designed);
}

void applyWindowTitle(const QString& section, QWidget* window) {
    window->setWindowTitle(
        f_getTexto(section, QStringLiteral("Self.Caption"), window->windowTitle()));
}

void applyCaption(const QString& section, QWidget* control, const QString& name) {
    const QString key = keyName(control, name);
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(captionText(section, key, button->text()));
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(captionText(section, key, group->title()));
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(captionText(section, key, label->text()));
}

void applyCaptionAndHint(const QString& section, QWidget* control, const QString& name) {
    applyCaption(section, control, name);
    applyHint(section, control, name);
}

void applyHint(const QString& section, QWidget* control, const QString& name) {
    control->setToolTip(hintText(section, keyName(control, name), control->toolTip()));
}

void applyActionTexts(const QString& section, QAction* action) {
    const QString name = action->objectName();
    action->setText(captionText(section, name, action->text()));
    const QString hint = hintText(section, name, action->statusTip());
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? action->text() : hint);
}

void applyMenuTexts(const QString& section, QMenu* menu, const QString& name) {
    menu->setTitle(captionText(section, name, menu->title()));
    menu->menuAction()->setStatusTip(hintText(section, name, menu->menuAction()->statusTip()));
}
