#include "mainwindow/widgets/main_actions.h"

namespace {

QKeySequence keys(QKeyCombination combination) { return QKeySequence(combination); }

std::vector<ActionSpec> buildActions() {
    using Qt::Key;
    const auto ctrl = Qt::ControlModifier;
    std::vector<ActionSpec> actions{
        {"nuevodoc", "archivo", "Nuevo...", "Nuevo documento", {}, 0},
        {"recuperar", "archivo", "&Abrir", "Abrir un documento", {keys(ctrl | Key::Key_O)}, 1},
        {"guardar", "archivo", "Guardar", "Guardar los cambios", {keys(ctrl | Key::Key_S)}, 8},
        {"guardarcomo", "archivo", "Guardar como...", "Guardar con otro nombre", {}, 34},
        {"guardarnodo", "archivo", "Crear nuevo documento desde nodo", "", {}, 35},
    };
    for (int place = 1; place <= 9; ++place)
        actions.push_back({QStringLiteral("Ultimo%1").arg(place), "archivo", "", "", {},
                           24 + place});
    const std::vector<ActionSpec> rest{
        {"salir", "", "Salir", "Cerrar la aplicación", {keys(ctrl | Key::Key_Q)}, 2},
        {"cortar", "", "Cortar", "Cortar", {keys(ctrl | Key::Key_X)}, 13},
        {"copiar", "", "Copiar", "Copiar", {keys(ctrl | Key::Key_C)}, 12},
        {"pegar", "", "Pegar", "Pegar", {keys(ctrl | Key::Key_V)}, 11},
        // Their captions and hints come from the language at start-up (see
        // Messages::deshacer) and name the change they take back.
        {"deshacer", "", "", "", {keys(ctrl | Key::Key_Z)}, 36},
        {"rehacer", "", "", "",
         {keys(ctrl | Key::Key_Y), keys(ctrl | Qt::ShiftModifier | Key::Key_Z)}, 37},
        {"buscar", "", "Buscar...", "Buscar texto dentro del documento", {keys(Key::Key_F3)}, 18},
        {"buscarsiguiente", "", "Buscar siguiente",
         "Buscar la siguiente aparicion del ultimo texto buscado", {}, -1},
        {"fuentes", "", "Fuentes", "Configurar la fuente del programa", {}, 7},
        {"opciones", "", "Opciones", "Ver las opciones del programa", {}, 16},
        {"agregarnodo", "items", "Agregar", "Insertar un nuevo item",
         {keys(ctrl | Key::Key_Return), keys(ctrl | Key::Key_Insert)}, 9},
        {"borrarnodo", "items", "Borrar", "Borrar el item seleccionado",
         {keys(ctrl | Key::Key_Delete)}, 4},
        {"nombrarnodo", "items", "Renombrar", "Renombrar el item seleccionado",
         {keys(Key::Key_F2)}, 17},
        {"arriba", "items", "Arriba", "Mover el item hacia arriba", {keys(ctrl | Key::Key_Up)}, 15},
        {"abajo", "items", "Abajo", "Mover el item hacia abajo", {keys(ctrl | Key::Key_Down)}, 14},
        {"izquierda", "items", "Izquierda", "Mover el item a la izquierda",
         {keys(ctrl | Key::Key_Left)}, 5},
        {"derecha", "items", "Derecha", "Mover el item a la derecha",
         {keys(ctrl | Key::Key_Right)}, 6},
        {"prioridadalta", "items", "Prioridad alta", "Establecer el item como de prioridad alta",
         {}, 19, true},
        {"prioridadbaja", "items", "Prioridad baja", "Establecer el item como de prioridad baja",
         {}, 20, true},
        {"agregaritemtexto", "items", "Agregar texto como item",
         "Agregar el texto seleccionado como un nuevo item", {}, 22},
        {"verhoy", "reportes", "Ver items para hoy", "Muestra la lista de items para el dia de hoy",
         {}, 23},
        {"definicionreportes", "reportes", "Reportes", "", {}, 24},
        {"help", "", "Ayuda", "", {}, 21},
        {"about", "", "Acerca de...", "Acerca de...", {}, -1},
    };
    actions.insert(actions.end(), rest.begin(), rest.end());
    return actions;
}

} // namespace

const std::vector<ActionSpec>& mainActions() {
    static const std::vector<ActionSpec> actions = buildActions();
    return actions;
}

QStringList recentActionNames() {
    QStringList names;
    for (int place = 1; place <= 9; ++place)
        names << QStringLiteral("Ultimo%1").arg(place);
    return names;
}

const std::vector<MenuSpec>& mainMenus() {
    static const std::vector<MenuSpec> menus{
        {"File1", "Archivo",
         QStringList{"nuevodoc", "recuperar", "guardar", "guardarcomo", "guardarnodo", kSeparator} +
             recentActionNames() + QStringList{kSeparator, "salir"}},
        {"Edicion1", "Edicion",
         {"deshacer", "rehacer", kSeparator, "copiar", "cortar", "pegar", kSeparator, "buscar",
          "fuentes", "opciones"}},
        {"Items1", "Items",
         {"agregarnodo", "borrarnodo", kSeparator, "arriba", "abajo", "derecha", "izquierda",
          kSeparator, "prioridadalta", "prioridadbaja", kSeparator, "nombrarnodo"}},
        {"ver", "&Ver", {"verhoy", kSeparator, "definicionreportes"}},
        {"Ayuda1", "Ayuda", {"help", kSeparator, "about"}},
    };
    return menus;
}

const QStringList& editToolBar() {
    static const QStringList entries{"nuevodoc", "recuperar", "guardar", "definicionreportes",
                                     kSeparator, "cortar", "copiar", "pegar", kSeparator,
                                     "deshacer", "rehacer", kSeparator, "opciones", "fuentes",
                                     kSeparator, "salir"};
    return entries;
}

const QStringList& treeToolBar() {
    static const QStringList entries{"agregarnodo", "borrarnodo", "nombrarnodo", kSeparator,
                                     "izquierda", "arriba", "abajo", "derecha"};
    return entries;
}

const QStringList& treePopup() {
    static const QStringList entries{"agregarnodo", "nombrarnodo", "izquierda", "derecha",
                                     kSeparator, "prioridadalta", "prioridadbaja", kSeparator,
                                     "cortar", "copiar", "pegar", "borrarnodo", kSeparator,
                                     "deshacer", "rehacer"};
    return entries;
}

const QStringList& editorPopup() {
    static const QStringList entries{"cortar", "copiar", "pegar", kSeparator, "agregaritemtexto"};
    return entries;
}
