#pragma once
// The main window's commands, declared once: name, category, caption, hint,
// shortcuts and image. Menus, tool bars and popups are lists of action names.

#include <QKeySequence>
#include <QList>
#include <QString>
#include <vector>

struct ActionSpec {
    QString name;
    QString category;
    QString caption;
    QString hint;
    QList<QKeySequence> shortcuts;
    int image; // index into the action images; -1 for none
    bool checkable = false;
};

// Every action of the main window, in table order.
const std::vector<ActionSpec>& mainActions();

// Entries of a menu, tool bar or popup: action names, "-" for a separator.
struct MenuSpec {
    QString name;
    QString caption;
    QStringList entries;
};

inline const QString kSeparator = QStringLiteral("-");

const std::vector<MenuSpec>& mainMenus();
const QStringList& editToolBar();
const QStringList& treeToolBar();
const QStringList& treePopup();
const QStringList& editorPopup();
// The recent-document actions, place 1 first.
QStringList recentActionNames();
