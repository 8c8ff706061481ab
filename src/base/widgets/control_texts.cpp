#include "base/widgets/control_texts.h"

#include "base/mnemonics.h"
#include "language/unt_idioma.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <functional>

namespace {
QString keyName(const QWidget* control, const QString& name) {
    return name.isEmpty() ? control->objectName() : name;
}
// A caption given its mnemonic here, so that the next run starts again from
// the caption as set: the language tables keep their texts without one.
const char* const kPlainCaption = "quillnestPlainCaption";
const char* const kMarkedCaption = "quillnestMarkedCaption";

struct Captioned {
    QObject* owner;
    std::function<QString()> text;
    std::function<void(const QString&)> setText;
};

QString plainCaption(const Captioned& control) {
    const QString shown = control.text();
    if (!shown.isEmpty() && control.owner->property(kMarkedCaption).toString() == shown)
        return control.owner->property(kPlainCaption).toString();
    return shown;
}

void assign(const QList<Captioned>& controls, const QList<QList<int>>& groups) {
    QStringList plain;
    for (const Captioned& control : controls)
        plain << plainCaption(control);
    const QStringList marked = withMnemonics(plain, groups);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        controls[i].owner->setProperty(kPlainCaption, plain[i]);
        controls[i].owner->setProperty(kMarkedCaption, marked[i]);
        controls[i].setText(marked[i]);
    }
}

Captioned captioned(QAction* action) {
    return {action, [action] { return action->text(); },
            [action](const QString& text) { action->setText(text); }};
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
    action->setToolTip(hint.isEmpty() ? withoutMnemonic(action->text()) : hint);
}

void applyMenuTexts(const QString& section, QMenu* menu, const QString& name) {
    menu->setTitle(captionText(section, name, menu->title()));
    menu->menuAction()->setStatusTip(hintText(section, name, menu->menuAction()->statusTip()));
}

void assignActionMnemonics(const QList<QWidget*>& containers) {
    QList<Captioned> controls;
    QList<QAction*> actions;
    QList<QList<int>> groups;
    for (const QWidget* container : containers) {
        QList<int> group;
        for (QAction* action : container->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            qsizetype index = actions.indexOf(action);
            if (index < 0) {
                index = actions.size();
                actions << action;
                controls << captioned(action);
            }
            group << int(index);
        }
        groups << group;
    }
    assign(controls, groups);
}

void assignMnemonics(QWidget* window) {
    QList<Captioned> controls;
    const auto shown = [window](const QWidget* control) {
        return control->window() == window && control->isVisibleTo(window);
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // A tool button shows its action's image, and its action has its own caption.
        if (shown(button) && !qobject_cast<QToolButton*>(button))
            controls.push_back({button, [button] { return button->text(); },
                                [button](const QString& text) { button->setText(text); }});
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (shown(label) && label->buddy())
            controls.push_back({label, [label] { return label->text(); },
                                [label](const QString& text) { label->setText(text); }});
    }
    QList<int> all;
    for (qsizetype i = 0; i < controls.size(); ++i)
        all << int(i);
    assign(controls, {all});
}
