#include "language/builtin_language.h"

#include "language/messages.h"

#include "base/text_encoding.h"
#include "base/unt_constantes.h"
#include "language/ini_text.h"

#include <algorithm>

namespace BuiltinLanguage {

namespace {

struct Section {
    QStringView name;
    std::span<const Entry> entries;
};

// The entries of both files, section by section, in file order.
// clang-format off
// [frm_ppal]
constexpr Entry frmPpal[] = {
    {u"Self.Caption", u"Quillnest", u"Quillnest"},
    {u"fuentes.Caption", u"Fuentes", u"Fonts"},
    {u"fuentes.Hint", u"Configurar la fuente del programa", u"Configure application´s font"},
    {u"salir.Caption", u"Salir", u"Exit"},
    {u"salir.Hint", u"Cerrar la aplicacion", u"Quit application"},
    {u"cortar.Caption", u"Cortar", u"Cut"},
    {u"cortar.Hint", u"Cortar", u"Cut"},
    {u"copiar.Caption", u"Copiar", u"Copy"},
    {u"copiar.Hint", u"Copiar", u"Copy"},
    {u"pegar.Caption", u"Pegar", u"Paste"},
    {u"pegar.Hint", u"Pegar", u"Paste"},
    {u"opciones.Caption", u"Opciones", u"Options"},
    {u"opciones.Hint", u"Ver las opciones del programa", u"Application options"},
    {u"about.Caption", u"Acerca de...", u"About"},
    {u"about.Hint", u"", u""},
    {u"buscar.Caption", u"Buscar", u"Find"},
    {u"buscar.Hint", u"Buscar texto", u"Find text"},
    {u"buscarsiguiente.Caption", u"Buscar Siguiente", u"Find Next"},
    {u"buscarsiguiente.Hint", u"", u""},
    {u"help.Caption", u"Ayuda", u"Help"},
    {u"help.Hint", u"", u""},
    {u"guardar.Caption", u"Guardar", u"Save"},
    {u"guardar.Hint", u"Guardar los cambios", u"Save changes"},
    {u"recuperar.Caption", u"Abrir", u"Open"},
    {u"recuperar.Hint", u"Abrir un documento", u"Open document"},
    {u"guardarcomo.Caption", u"Guardar como...", u"Save as..."},
    {u"guardarcomo.Hint", u"", u""},
    {u"guardarnodo.Caption", u"Guardar item como documento...", u"Save item as document..."},
    {u"guardarnodo.Hint", u"", u""},
    {u"nuevodoc.Caption", u"Nuevo", u"New"},
    {u"nuevodoc.Hint", u"Nuevo documento", u"New document"},
    {u"nombrarnodo.Caption", u"Renombrar", u"Rename"},
    {u"nombrarnodo.Hint", u"Renombrar el item seleccionado", u"Rename selected item"},
    {u"derecha.Caption", u"Derecha", u"Right"},
    {u"derecha.Hint", u"Mover el item hacia la derecha", u"Move item to right"},
    {u"izquierda.Caption", u"Izquierda", u"Left"},
    {u"izquierda.Hint", u"Mover el item hacia la izquierda", u"Move item to left"},
    {u"agregaritemtexto.Caption", u"Agregar texto como item", u"Insert text"},
    {u"agregaritemtexto.Hint", u"Agrega el texto seleccionado como item del arbol", u"Insert selected text as a new item"},
    {u"borrarnodo.Caption", u"Borrar", u"Delete"},
    {u"borrarnodo.Hint", u"Borrar el item seleccionado", u"Delete selected item"},
    {u"arriba.Caption", u"Arriba", u"Up"},
    {u"arriba.Hint", u"Mover el item hacia la arriba", u"Move item up"},
    {u"abajo.Caption", u"Abajo", u"Down"},
    {u"abajo.Hint", u"Mover el item hacia la abajo", u"Move item down"},
    {u"copiaritem.Caption", u"Copiar Item", u"Copy Item"},
    {u"copiaritem.Hint", u"Copiar", u"Copy"},
    {u"pegaritem.Caption", u"Pegar Item", u"Paste Item"},
    {u"pegaritem.Hint", u"Pegar", u"Paste"},
    {u"prioridadalta.Caption", u"Prioridad Alta", u"High"},
    {u"prioridadalta.Hint", u"Establecer el item como de prioridad alta", u"Set item as high priority"},
    {u"prioridadbaja.Caption", u"Prioridad baja", u"Low"},
    {u"prioridadbaja.Hint", u"Establecer el item como de prioridad baja", u"Set item as low priority"},
    {u"verhoy.Caption", u"Ver items para hoy", u"Today"},
    {u"verhoy.Hint", u"Muestra los items programados para el dia de hoy", u"View items for today"},
    {u"definicionreportes.Caption", u"Reportes", u"Reports"},
    {u"definicionreportes.Hint", u"Ver los items de acuerdo a configuracion personalizada", u"View items"},
    {u"File1.Caption", u"Archivo", u"File"},
    {u"File1.Hint", u"Menú archivo", u"File menu"},
    {u"Edicion1.Caption", u"Edición", u"Edit"},
    {u"Edicion1.Hint", u"Menú edición", u"Edit menu"},
    {u"Items1.Caption", u"Items", u"Items"},
    {u"Items1.Hint", u"Menú items", u"Items menu"},
    {u"ver.Caption", u"Ver", u"View"},
    {u"ver.Hint", u"Menú ver", u"View menu"},
    {u"Ayuda1.Caption", u"Ayuda", u"Help"},
    {u"Ayuda1.Hint", u"", u"Help menu"},
    {u"agregarnodo.Caption", u"Agregar", u"New Item"},
    {u"agregarnodo.Hint", u"Insertar un nuevo item", u"Inserts a new item"},
    {u"lb_prioridad.Caption", u"Prioridad", u"Priority"},
    {u"lb_fecha.Caption", u"Fecha:", u"Date:"},
    {u"lb_cumplido.Caption", u"Cumplido:", u"Done:"},
};

// [f_opciones]
constexpr Entry fOpciones[] = {
    {u"Self.Caption", u"Opciones", u"Options"},
    {u"sb_aceptar.Caption", u"Aceptar", u"Ok"},
    {u"sb_aceptar.Hint", u"Aceptar y guardar los cambios", u""},
    {u"sb_cancelar.Caption", u"Cancelar", u"Cancel"},
    {u"sb_cancelar.Hint", u"No guardar los cambios", u""},
    {u"ts_generales.Caption", u"Opciones generales", u"General"},
    {u"ts_generales.Hint", u"", u""},
    {u"rg_archivos.Caption", u"Documento por defecto", u"Default document"},
    {u"rg_archivos.Hint", u"Determina el documento que se va a mostrar al abrir la aplicación.", u"Set de default document to open with application"},
    {u"rg_archivos.Items[0]", u"Ultimo usado", u"Last used"},
    {u"rg_archivos.Items[1]", u"Documento en blanco", u"Blank document"},
    {u"cb_extension.Caption", u"Registrar extensión QNF", u"Register QNF extension"},
    {u"cb_extension.Hint", u"Registra los archivos de Quillnest en el sistema", u""},
    {u"cb_borrarhistorial.Caption", u"Borrar historial de archivos", u"Delete file history"},
    {u"cb_borrarhistorial.Hint", u"", u""},
    {u"lb_intervalo.Caption", u"Intervalo de guardado automático", u"Autosave interval"},
    {u"lb_intervalo.Hint", u"", u""},
    {u"lb_min.Caption", u"Min", u"Min"},
    {u"lb_min.Hint", u"", u""},
    {u"gb_autoguardado.Caption", u"Guardado Automático ", u"Autosave"},
    {u"gb_autoguardado.Hint", u"Define cada cuantos minutos se guarda el documento (0 no se graba)", u""},
    {u"gb_idioma.Caption", u"Idioma", u"Language"},
    {u"gb_idioma.Hint", u"Define el idioma del programa (debe reiniciar la aplicación)", u""},
    {u"lb_idiomas.Items[0]", u"Español", u"Spanish"},
    {u"lb_idiomas.Items[1]", u"Inglés", u"English"},
};

// [f_help]
constexpr Entry fHelp[] = {
    {u"Self.Caption", u"Ayuda", u"Help"},
    {u"bt_aceptar.Caption", u"Aceptar", u"Ok"},
    {u"bt_aceptar.Hint", u"", u""},
    {u"ts_help.Caption", u"Ayuda", u"Help"},
    {u"ts_help.Hint", u"", u""},
    {u"ts_historia.Caption", u"Historia", u"Versions"},
    {u"ts_historia.Hint", u"", u""},
    {u"ts_about.Caption", u"Acerca de", u"About"},
    {u"ts_about.Hint", u"", u""},
};

// [f_defreportexdia]
constexpr Entry fDefreportexdia[] = {
    {u"Self.Caption", u"Reportes", u"Reports"},
    {u"bt_cerrar.Caption", u"Cerrar ", u"Close "},
    {u"bt_cerrar.Hint", u"", u""},
    {u"bt_mostrar.Caption", u"Mostrar", u"View"},
    {u"bt_mostrar.Hint", u"", u""},
    {u"gb_fecha.Caption", u"Fechas", u"Dates"},
    {u"gb_fecha.Hint", u"", u""},
    {u"gb_mostrar.Caption", u"Mostrar:", u"Show:"},
    {u"gb_mostrar.Hint", u"", u""},
    {u"gb_orden.Caption", u"Ordenar por:", u"Sort:"},
    {u"gb_orden.Hint", u"", u""},
    {u"gb_raiz.Caption", u"Raíz", u"Root"},
    {u"gb_raiz.Hint", u"", u""},
    {u"lb_fechaini.Caption", u"Fecha desde:", u"Start date:"},
    {u"lb_fechaini.Hint", u"", u""},
    {u"lb_fechafin.Caption", u"Fecha hasta:", u"End date:"},
    {u"lb_fechafin.Hint", u"", u""},
    {u"dt_fechaini.Hint", u"Destildar la fecha inicial para ver todas las fechas", u""},
    {u"dt_fechafin.Hint", u"Destildar la fecha inicial para ver todas las fechas", u""},
    {u"rb_fecha.Caption", u"Fecha", u"Date"},
    {u"rb_fecha.Hint", u"Ver los items ordenados por fecha", u""},
    {u"rb_noorden.Caption", u"Mantener orden arbol", u"Keep tree order"},
    {u"rb_noorden.Hint", u"No ordenar los items", u""},
    {u"cb_completados.Caption", u"Completados", u"Done"},
    {u"cb_completados.Hint", u"Si esta tildado se ven los items ya completados", u""},
    {u"cb_texto.Caption", u"Texto", u"Text"},
    {u"cb_texto.Hint", u"Si esta tildado se muestra el texto asociado a los items", u""},
    {u"cb_terminales.Caption", u"Solo terminales", u"Only terminals"},
    {u"cb_terminales.Hint", u"Si esta tildado se muestran solo los items que no tienen sub-items", u""},
    {u"rb_completo.Caption", u"Todo el arbol", u"All the tree"},
    {u"rb_completo.Hint", u"Si esta tildado se mostrara todo el arbol", u""},
    {u"rb_seleccion.Caption", u"A partir del item seleccionado", u"From selected item"},
    {u"rb_seleccion.Hint", u"Si esta tildado el item seleccionado y todos los sub-items", u""},
};

// [f_customreportes]
constexpr Entry fCustomreportes[] = {
    {u"Self.Caption", u"Reportes", u"Reports"},
    {u"bt_cerrar.Caption", u"Cerrar", u"Close"},
    {u"bt_cerrar.Hint", u"", u""},
    {u"bt_guardar.Caption", u"Guardar", u"Save"},
    {u"bt_guardar.Hint", u"", u""},
    {u"bt_preview.Caption", u"Vista previa", u"Preview"},
    {u"bt_preview.Hint", u"", u""},
    {u"bt_print.Caption", u"Imprimir", u"Print"},
    {u"bt_print.Hint", u"", u""},
};

// [f_today]
constexpr Entry fToday[] = {
    {u"Self.Caption", u"Tareas para hoy", u"Today tasks"},
    {u"Tareas del dia", u"Tareas del día", u"Today tasks"},
};

// [f_reportexdia]
constexpr Entry fReportexdia[] = {
    {u"tareas", u"Tareas", u"Tasks"},
    {u"Periodo desde", u"Período desde", u"From"},
    {u"hasta", u"hasta", u"to"},
    {u"no", u"no", u"no"},
    {u"si", u"sí", u"yes"},
    {u"opciones", u"Opciones", u"Options"},
    {u"ordenado por fecha", u"Ordenado por fecha", u"Sort by date"},
    {u"ver completados", u"Ver completados", u"View completed"},
    {u"mostrar texto", u"Mostrar texto", u"View text"},
    {u"solo terminales", u"Solo terminales", u"Only terminals"},
};

// [mensajes]
constexpr Entry mensajes[] = {
    {u"Version:", u"Version:", u"Version:"},
    {u"guarda los cambios", u"¿Desea guardar los cambios?", u"Save changes?"},
    {u"nuevo item", u"nuevo", u"new item"},
    {u"guardando", u"Guardando...", u"Saving..."},
    {u"seguro borra", u"¿Esta seguro de borrar el item y sus sub-items?", u"Do you really want to delete this item and his childs?"},
    {u"nuevo archivo", u"Nuevo archivo", u"new document"},
    {u"descripcion archivo", u"Archivo Quillnest", u"Quillnest File"},
    {u"se ha registrado", u"Se ha registrado el tipo de archivo", u"Registration done"},
    {u"debe cerrar idioma", u"Debe cerrar la aplicación para que el cambios de idioma surta efecto", u"You must restart application to see your changes"},
    {u"no existe help", u"No se encuentra el archivo de ayuda %s. Revise su instalación", u"The help file %s is missing. Check your instalation"},
    {u"no existe archivo", u"No se encuentra el archivo %s. ", u"File %s not found."},
    {u"creando nuevo documento", u"Se creará un documento nuevo.", u"Creating new blank document."},
    {u"borra el texto", u"¿Desea borrar el texto de origen?.", u"Do you want to erase selected text?."},
    {u"desea sobreescribir", u"¿Desea sobreescribier el archivo?.", u"Do you want to overwrite the file?."},
    {u"cargando item", u"Cargando item: ", u"Loading item: "},
};

// clang-format on

constexpr Section kSections[] = {
    {u"frm_ppal", frmPpal},
    {u"f_opciones", fOpciones},
    {u"f_help", fHelp},
    {u"f_defreportexdia", fDefreportexdia},
    {u"f_customreportes", fCustomreportes},
    {u"f_today", fToday},
    {u"f_reportexdia", fReportexdia},
    {u"mensajes", mensajes},
};

bool endsWithBlank(const Layout& layout, QStringView section, QStringView key) {
    return std::any_of(
        layout.blankAfterEmptyValue.begin(), layout.blankAfterEmptyValue.end(),
        [&](const EntryRef& ref) { return ref.section == section && ref.key == key; });
}

QString entryLine(const Layout& layout, QStringView section, const Entry& entry) {
    QString line = entry.key.toString().leftJustified(layout.equalsColumn(section, entry.key) - 1);
    line += u'=';
    const QStringView value = entry.*layout.value;
    if (!value.isEmpty())
        line += u' ' + value.toString();
    else if (endsWithBlank(layout, section, entry.key))
        line += u' ';
    return line;
}

} // namespace

QString fileText(const Layout& layout) {
    const QLatin1StringView lineEnd = Unt_constantes::crlf;
    QString text = QLatin1StringView("version ") + QString(Unt_constantes::version) + lineEnd;
    text += layout.warning.toString() + lineEnd;
    bool first = true;
    for (const Section& section : kSections) {
        // Sections after the first are set apart by a line of two blanks.
        if (!first)
            text += QLatin1StringView("  ") + lineEnd;
        first = false;
        text += u'[' + section.name.toString() + u']' + lineEnd;
        for (const Entry& entry : section.entries)
            text += entryLine(layout, section.name, entry) + lineEnd;
    }
    return text;
}

void writeFile(const QString& path, const Layout& layout) {
    IniText::writeFile(path, TextEncoding::encode(fileText(layout)), Messages::archivoIdioma);
}

} // namespace BuiltinLanguage
