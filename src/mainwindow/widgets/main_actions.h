#pragma once
// The main window's commands, declared once: name, caption, hint,
// shortcuts and image. Menus, tool bars and popups are lists of action names.

#include <QKeySequence>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <vector>

// The name of every action, typed only here: it is the action's object name,
// the key of its language texts ("<name>.Caption", "<name>.Hint") and its
// entry in menus, tool bars and popups.
namespace ActionName {
inline constexpr QLatin1StringView nuevodoc{"nuevodoc"};
inline constexpr QLatin1StringView recuperar{"recuperar"};
inline constexpr QLatin1StringView guardar{"guardar"};
inline constexpr QLatin1StringView guardarcomo{"guardarcomo"};
inline constexpr QLatin1StringView guardarnodo{"guardarnodo"};
inline constexpr QLatin1StringView salir{"salir"};
inline constexpr QLatin1StringView cortar{"cortar"};
inline constexpr QLatin1StringView copiar{"copiar"};
inline constexpr QLatin1StringView pegar{"pegar"};
inline constexpr QLatin1StringView deshacer{"deshacer"};
inline constexpr QLatin1StringView rehacer{"rehacer"};
inline constexpr QLatin1StringView buscar{"buscar"};
inline constexpr QLatin1StringView buscarsiguiente{"buscarsiguiente"};
inline constexpr QLatin1StringView fuentes{"fuentes"};
inline constexpr QLatin1StringView opciones{"opciones"};
inline constexpr QLatin1StringView agregarnodo{"agregarnodo"};
inline constexpr QLatin1StringView borrarnodo{"borrarnodo"};
inline constexpr QLatin1StringView nombrarnodo{"nombrarnodo"};
inline constexpr QLatin1StringView arriba{"arriba"};
inline constexpr QLatin1StringView abajo{"abajo"};
inline constexpr QLatin1StringView izquierda{"izquierda"};
inline constexpr QLatin1StringView derecha{"derecha"};
inline constexpr QLatin1StringView prioridadalta{"prioridadalta"};
inline constexpr QLatin1StringView prioridadbaja{"prioridadbaja"};
inline constexpr QLatin1StringView agregaritemtexto{"agregaritemtexto"};
inline constexpr QLatin1StringView verhoy{"verhoy"};
inline constexpr QLatin1StringView definicionreportes{"definicionreportes"};
inline constexpr QLatin1StringView help{"help"};
inline constexpr QLatin1StringView about{"about"};
} // namespace ActionName

struct ActionSpec {
    QString name;
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
// The recent-document actions, one for each place of the recent list, place 1 first.
QStringList recentActionNames();
