#pragma once
// Language texts of a window and its controls: "<name>.Caption" and
// "<name>.Hint" of the window's section, where <name> is the control's object
// name unless given, and the control's current texts are the defaults. Every
// window takes its texts through these.

#include <QList>
#include <QString>

class QAction;
class QMenu;
class QWidget;

// The "<name>.Caption" and "<name>.Hint" texts of the section, `designed` when
// the language has none.
QString captionText(const QString& section, const QString& name, const QString& designed);
QString hintText(const QString& section, const QString& name, const QString& designed);

// The window's title: "Self.Caption".
void applyWindowTitle(const QString& section, QWidget* window);
// The caption of a button, check box, radio button, label or group box, and its hint.
void applyCaptionAndHint(const QString& section, QWidget* control, const QString& name = {});
// The caption only.
void applyCaption(const QString& section, QWidget* control, const QString& name = {});
// The hint only, shown as the control's tool tip.
void applyHint(const QString& section, QWidget* control, const QString& name = {});
// An action's caption, and its hint as status tip and tool tip; the tool tip
// shows the caption when the hint is empty. The key is the action's object name.
void applyActionTexts(const QString& section, QAction* action);
// A menu's title, and its hint as the status tip of the menu's action.
void applyMenuTexts(const QString& section, QMenu* menu, const QString& name);

// Mnemonics for every command of the containers (a menu bar, its menus, the
// popups): each visible action gets one unlike those of every container it is
// in. A caption with its own keeps it. Run again whenever a caption changes; a
// caption set since the last run is taken as it now reads.
void assignActionMnemonics(const QList<QWidget*>& containers);
// Mnemonics for the window's buttons and the labels that name a field, unlike
// each other and unlike any designed one.
void assignMnemonics(QWidget* window);
