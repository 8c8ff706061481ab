#include "mainwindow/widgets/main_actions.h"

#include "document/unt_ultimosarchivos.h"

namespace {

QKeySequence keys(QKeyCombination combination) {
    return QKeySequence(combination);
}

QString recentActionName(int place) {
    return QStringLiteral("Ultimo%1").arg(place);
}

std::vector<ActionSpec> buildActions() {
    using Qt::Key;
    const auto ctrl = Qt::ControlModifier;
    std::vector<ActionSpec> actions{
        // Beside the designed keys, the ones people expect of any desktop
        // program: Ctrl+N, Ctrl+Shift+S, Ctrl+F and F1.
        {ActionName::nuevodoc, "Nuevo...", "Nuevo documento", {keys(ctrl | Key::Key_N)}, 0},
        {ActionName::recuperar, "&Abrir", "Abrir un documento", {keys(ctrl | Key::Key_O)}, 1},
        {ActionName::guardar, "Guardar", "Guardar los cambios", {keys(ctrl | Key::Key_S)}, 8},
        {ActionName::guardarcomo,
         "Guardar como...",
         "Guardar con otro nombre",
         {keys(ctrl | Qt::ShiftModifier | Key::Key_S)},
         34},
        {ActionName::guardarnodo, "Crear nuevo documento desde nodo", "", {}, 35},
    };
    for (int place = 1; place <= RecentFiles::kPlaces; ++place)
        actions.push_back({recentActionName(place), "", "", {}, 24 + place});
    const std::vector<ActionSpec> rest{
        {ActionName::salir, "Salir", "Cerrar la aplicación", {keys(ctrl | Key::Key_Q)}, 2},
        {ActionName::cortar, "Cortar", "Cortar", {keys(ctrl | Key::Key_X)}, 13},
        {ActionName::copiar, "Copiar", "Copiar", {keys(ctrl | Key::Key_C)}, 12},
        {ActionName::pegar, "Pegar", "Pegar", {keys(ctrl | Key::Key_V)}, 11},
        // Their captions and hints come from the language at start-up (see
        // Messages::deshacer) and name the change they take back.
        {ActionName::deshacer, "", "", {keys(ctrl | Key::Key_Z)}, 36},
        {ActionName::rehacer,
         "",
         "",
         {keys(ctrl | Key::Key_Y), keys(ctrl | Qt::ShiftModifier | Key::Key_Z)},
         37},
        {ActionName::buscar,
         "Buscar...",
         "Buscar texto dentro del documento",
         {keys(Key::Key_F3), keys(ctrl | Key::Key_F)},
         18},
        {ActionName::buscarsiguiente,
         "Buscar siguiente",
         "Buscar la siguiente aparicion del ultimo texto buscado",
         {},
         -1},
        {ActionName::fuentes, "Fuentes", "Configurar la fuente del programa", {}, 7},
        {ActionName::opciones, "Opciones", "Ver las opciones del programa", {}, 16},
        {ActionName::agregarnodo,
         "Agregar",
         "Insertar un nuevo item",
         {keys(ctrl | Key::Key_Return), keys(ctrl | Key::Key_Insert)},
         9},
        {ActionName::borrarnodo,
         "Borrar",
         "Borrar el item seleccionado",
         {keys(ctrl | Key::Key_Delete)},
         4},
        {ActionName::nombrarnodo,
         "Renombrar",
         "Renombrar el item seleccionado",
         {keys(Key::Key_F2)},
         17},
        {ActionName::arriba,
         "Arriba",
         "Mover el item hacia arriba",
         {keys(ctrl | Key::Key_Up)},
         15},
        {ActionName::abajo, "Abajo", "Mover el item hacia abajo", {keys(ctrl | Key::Key_Down)}, 14},
        {ActionName::izquierda,
         "Izquierda",
         "Mover el item a la izquierda",
         {keys(ctrl | Key::Key_Left)},
         5},
        {ActionName::derecha,
         "Derecha",
         "Mover el item a la derecha",
         {keys(ctrl | Key::Key_Right)},
         6},
        {ActionName::prioridadalta,
         "Prioridad alta",
         "Establecer el item como de prioridad alta",
         {},
         19,
         true},
        {ActionName::prioridadbaja,
         "Prioridad baja",
         "Establecer el item como de prioridad baja",
         {},
         20,
         true},
        {ActionName::agregaritemtexto,
         "Agregar texto como item",
         "Agregar el texto seleccionado como un nuevo item",
         {},
         22},
        {ActionName::verhoy,
         "Ver items para hoy",
         "Muestra la lista de items para el dia de hoy",
         {},
         23},
        {ActionName::definicionreportes, "Reportes", "", {}, 24},
        {ActionName::help, "Ayuda", "", {keys(Key::Key_F1)}, 21},
        {ActionName::about, "Acerca de...", "Acerca de...", {}, -1},
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
    for (int place = 1; place <= RecentFiles::kPlaces; ++place)
        names << recentActionName(place);
    return names;
}

const std::vector<MenuSpec>& mainMenus() {
    static const std::vector<MenuSpec> menus{
        {"File1", "Archivo",
         QStringList{ActionName::nuevodoc, ActionName::recuperar, ActionName::guardar,
                     ActionName::guardarcomo, ActionName::guardarnodo, kSeparator} +
             recentActionNames() + QStringList{kSeparator, ActionName::salir}},
        {"Edicion1",
         "Edicion",
         {ActionName::deshacer, ActionName::rehacer, kSeparator, ActionName::copiar,
          ActionName::cortar, ActionName::pegar, kSeparator, ActionName::buscar,
          ActionName::fuentes, ActionName::opciones}},
        {"Items1",
         "Items",
         {ActionName::agregarnodo, ActionName::borrarnodo, kSeparator, ActionName::arriba,
          ActionName::abajo, ActionName::derecha, ActionName::izquierda, kSeparator,
          ActionName::prioridadalta, ActionName::prioridadbaja, kSeparator,
          ActionName::nombrarnodo}},
        {"ver", "&Ver", {ActionName::verhoy, kSeparator, ActionName::definicionreportes}},
        {"Ayuda1", "Ayuda", {ActionName::help, kSeparator, ActionName::about}},
    };
    return menus;
}

const QStringList& editToolBar() {
    static const QStringList entries{ActionName::nuevodoc, ActionName::recuperar,
                                     ActionName::guardar,  ActionName::definicionreportes,
                                     kSeparator,           ActionName::cortar,
                                     ActionName::copiar,   ActionName::pegar,
                                     kSeparator,           ActionName::deshacer,
                                     ActionName::rehacer,  kSeparator,
                                     ActionName::opciones, ActionName::fuentes,
                                     kSeparator,           ActionName::salir};
    return entries;
}

const QStringList& treeToolBar() {
    static const QStringList entries{ActionName::agregarnodo, ActionName::borrarnodo,
                                     ActionName::nombrarnodo, kSeparator,
                                     ActionName::izquierda,   ActionName::arriba,
                                     ActionName::abajo,       ActionName::derecha};
    return entries;
}

const QStringList& treePopup() {
    static const QStringList entries{ActionName::agregarnodo,
                                     ActionName::nombrarnodo,
                                     ActionName::izquierda,
                                     ActionName::derecha,
                                     kSeparator,
                                     ActionName::prioridadalta,
                                     ActionName::prioridadbaja,
                                     kSeparator,
                                     ActionName::cortar,
                                     ActionName::copiar,
                                     ActionName::pegar,
                                     ActionName::borrarnodo,
                                     kSeparator,
                                     ActionName::deshacer,
                                     ActionName::rehacer};
    return entries;
}

const QStringList& editorPopup() {
    static const QStringList entries{ActionName::cortar, ActionName::copiar, ActionName::pegar,
                                     kSeparator, ActionName::agregaritemtexto};
    return entries;
}
