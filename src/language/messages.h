#pragma once
// The texts that code fetches by name rather than by a window's control, each
// with the default its caller falls back on when the language file lacks it.

#include "language/unt_idioma.h"

namespace Messages {

inline constexpr QStringView mensajes = u"mensajes";

// Followed directly by the version in the status bar.
inline constexpr LanguageText version{mensajes, u"Version:", u"VERSION:"};
// Yes / No / Cancel before a modified document is discarded.
inline constexpr LanguageText guardaLosCambios{mensajes, u"guarda los cambios",
                                               u"GUARDA LOS CAMBIOS?"};
// Caption of an item the user adds.
inline constexpr LanguageText nuevoItem{mensajes, u"nuevo item", u"NUEVO ITEM"};
// Status text while the document is saved.
inline constexpr LanguageText guardando{mensajes, u"guardando", u"GUARDANDO..."};
// OK / Cancel before an item and its subtree are deleted.
inline constexpr LanguageText seguroBorra{mensajes, u"seguro borra",
                                          u"SEGURO BORRA EL ITEM Y TODOS LOS SUBITEMS?"};
// File name of a new document, before ".qnf".
inline constexpr LanguageText nuevoArchivo{mensajes, u"nuevo archivo", u"NUEVO  ARCHIVO"};
// Description of the document file type given to the desktop.
inline constexpr LanguageText descripcionArchivo{mensajes, u"descripcion archivo",
                                                 u"Archivo Quillnest"};
// Shown after the language was changed in the options.
inline constexpr LanguageText debeCerrarIdioma{
    mensajes, u"debe cerrar idioma",
    u"Debe cerrar la aplicacion para que los cambios surtan efecto"};
// "%s" stands for the help file's full path.
inline constexpr LanguageText noExisteHelp{mensajes, u"no existe help",
                                           u"No se encuentra el archivo de ayuda %s"};
// "%s" stands for the document's full path.
inline constexpr LanguageText noExisteArchivo{mensajes, u"no existe archivo",
                                              u"El archivo %s no existe."};
// Appended, without a blank, to the error that kept the start-up document from opening.
inline constexpr LanguageText creandoNuevoDocumento{mensajes, u"creando nuevo documento",
                                                    u"Se creará un documento nuevo."};
// OK / Cancel after selected text became items.
inline constexpr LanguageText borraElTexto{mensajes, u"borra el texto", u"BORRA EL TEXTO?"};
// Yes / No / Cancel when a save would replace an existing file.
inline constexpr LanguageText deseaSobreescribir{mensajes, u"desea sobreescribir",
                                                 u"desea sobreescribir"};
// Followed by the number of the item being read.
inline constexpr LanguageText cargandoItem{mensajes, u"cargando item", u"Cargando item: "};

// Undo and redo: the commands, then the changes they name ("Deshacer mover item").
inline constexpr QStringView frmPpal = u"frm_ppal";
inline constexpr NewText deshacer{frmPpal, u"deshacer.Caption", u"Deshacer", u"Undo"};
inline constexpr NewText deshacerHint{frmPpal, u"deshacer.Hint", u"Deshacer el último cambio",
                                      u"Undo the last change"};
inline constexpr NewText rehacer{frmPpal, u"rehacer.Caption", u"Rehacer", u"Redo"};
inline constexpr NewText rehacerHint{frmPpal, u"rehacer.Hint", u"Rehacer el último cambio deshecho",
                                     u"Redo the last undone change"};
inline constexpr NewText cambioAgregar{mensajes, u"cambio agregar", u"agregar item", u"add item"};
inline constexpr NewText cambioBorrar{mensajes, u"cambio borrar", u"borrar item", u"delete item"};
inline constexpr NewText cambioCortar{mensajes, u"cambio cortar", u"cortar item", u"cut item"};
inline constexpr NewText cambioRenombrar{mensajes, u"cambio renombrar", u"renombrar item",
                                         u"rename item"};
inline constexpr NewText cambioMover{mensajes, u"cambio mover", u"mover item", u"move item"};
inline constexpr NewText cambioPegar{mensajes, u"cambio pegar", u"pegar items", u"paste items"};
inline constexpr NewText cambioTextoItems{mensajes, u"cambio texto items", u"texto como items",
                                          u"text to items"};
inline constexpr NewText cambioTexto{mensajes, u"cambio texto", u"editar texto", u"edit text"};
inline constexpr NewText cambioFecha{mensajes, u"cambio fecha", u"cambiar fecha", u"change date"};
inline constexpr NewText cambioCumplido{mensajes, u"cambio cumplido", u"cambiar cumplido",
                                        u"change percentage done"};
inline constexpr NewText cambioPrioridad{mensajes, u"cambio prioridad", u"cambiar prioridad",
                                         u"change priority"};

// Errors the built-in tables hold no text for. "%1" and so on stand for the
// file, the line, the value and the reason the operating system gives.
inline constexpr NewText documentoNoLeido{mensajes, u"documento no leido",
                                          u"No se pudo leer el documento %1: %2",
                                          u"The document %1 could not be read: %2"};
inline constexpr NewText documentoNoEscrito{mensajes, u"documento no escrito",
                                            u"No se pudo escribir el documento %1: %2",
                                            u"The document %1 could not be written: %2"};
inline constexpr NewText esCarpeta{mensajes, u"es carpeta", u"es una carpeta", u"it is a folder"};
inline constexpr NewText documentoDanado{mensajes, u"documento danado",
                                         u"El documento %1 está dañado en la línea %2: %3.",
                                         u"The document %1 is damaged at line %2: %3."};
inline constexpr NewText documentoValorNoValido{
    mensajes, u"documento valor no valido",
    u"El documento %1 está dañado en la línea %2: '%3' no es válido como %4.",
    u"The document %1 is damaged at line %2: '%3' is not a valid %4."};
inline constexpr NewText itemMalNumerado{mensajes, u"item mal numerado",
                                         u"el item lleva el número %1 donde se esperaba el %2",
                                         u"the item is numbered %1 where %2 was expected"};
inline constexpr NewText archivoTerminaAntes{mensajes, u"archivo termina antes",
                                             u"el archivo termina antes del campo %1 de un item",
                                             u"the file ends before the %1 of an item"};
inline constexpr NewText textoSinFin{mensajes, u"texto sin fin",
                                     u"el texto del último item no tiene fin",
                                     u"the text of the last item has no end"};
// The fields of an item in a document, named in the messages above.
inline constexpr NewText campoPosicion{mensajes, u"campo posicion", u"número de posición",
                                       u"position number"};
inline constexpr NewText campoNivel{mensajes, u"campo nivel", u"nivel", u"level"};
inline constexpr NewText campoExpandido{mensajes, u"campo expandido", u"estado expandido",
                                        u"expanded state"};
inline constexpr NewText campoTitulo{mensajes, u"campo titulo", u"título", u"caption"};
inline constexpr NewText campoFecha{mensajes, u"campo fecha", u"fecha", u"date"};
inline constexpr NewText campoCumplido{mensajes, u"campo cumplido", u"porcentaje cumplido",
                                       u"percent done"};
inline constexpr NewText campoPrioridad{mensajes, u"campo prioridad", u"prioridad", u"priority"};
inline constexpr NewText campoTexto{mensajes, u"campo texto", u"texto", u"text"};
inline constexpr NewText fechaNoValida{
    mensajes, u"fecha no valida", u"'%1' no es una fecha válida.", u"'%1' is not a valid date."};
inline constexpr NewText enteroNoValido{mensajes, u"entero no valido",
                                        u"'%1' no es un número entero válido.",
                                        u"'%1' is not a valid integer value."};
// "%1" is the kind of file (one of the two below), "%2" its path.
inline constexpr NewText archivoNoLeido{mensajes, u"archivo no leido",
                                        u"No se pudo leer el %1 %2: %3",
                                        u"The %1 %2 could not be read: %3"};
inline constexpr NewText archivoNoEscrito{mensajes, u"archivo no escrito",
                                          u"No se pudo escribir el %1 %2: %3",
                                          u"The %1 %2 could not be written: %3"};
inline constexpr NewText archivoNoBorrado{mensajes, u"archivo no borrado",
                                          u"No se pudo borrar el %1 %2: %3",
                                          u"The %1 %2 could not be removed: %3"};
inline constexpr NewText archivoConfiguracion{mensajes, u"archivo configuracion",
                                              u"archivo de configuración", u"settings file"};
inline constexpr NewText archivoIdioma{mensajes, u"archivo idioma", u"archivo de idioma",
                                       u"language file"};
inline constexpr NewText archivoRegistro{
    mensajes, u"archivo registro", u"archivo de tipo de documento", u"file type registration file"};
// The comment of the program's entry in the desktop's application menu.
inline constexpr NewText comentarioPrograma{mensajes, u"comentario programa",
                                            u"Organizador de tareas en árbol", u"Task outliner"};
// The About box's note of where the program keeps its files: "%1" the folder of
// the settings and language files, "%2" the folder of the report pages.
inline constexpr NewText dondeArchivos{mensajes, u"donde archivos",
                                       u"Configuración e idiomas: %1\nPáginas de reportes: %2",
                                       u"Settings and language files: %1\nReport pages: %2"};
inline constexpr NewText sinCarpetaDatos{
    mensajes, u"sin carpeta datos",
    u"No se conoce la carpeta de datos del usuario; no se puede registrar el tipo de documento.",
    u"The user's data folder is unknown, so the document file type cannot be registered."};
inline constexpr NewText reporteNoEscrito{mensajes, u"reporte no escrito",
                                          u"No se pudo escribir el reporte %1: %2",
                                          u"The report file %1 could not be written: %2"};
inline constexpr NewText paginaNoLeida{mensajes, u"pagina no leida",
                                       u"No se pudo leer la página %1: %2",
                                       u"The report page %1 could not be read: %2"};
inline constexpr NewText paginaNoGuardada{mensajes, u"pagina no guardada",
                                          u"No se pudo guardar la página como %1: %2",
                                          u"The report page could not be saved as %1: %2"};
inline constexpr NewText hojaNoGuardada{mensajes, u"hoja no guardada",
                                        u"No se pudo guardar la hoja de estilos %1: %2",
                                        u"The style sheet %1 could not be saved: %2"};
inline constexpr NewText navegadorNoCargado{mensajes, u"navegador no cargado",
                                            u"No se pudo cargar el navegador de reportes: %1",
                                            u"The report browser could not be loaded: %1"};
inline constexpr NewText paginaNoImpresa{mensajes, u"pagina no impresa",
                                         u"No se pudo imprimir la página.",
                                         u"The page could not be printed."};
inline constexpr NewText sinPagina{mensajes, u"sin pagina",
                                   u"La ventana del reporte no muestra ninguna página.",
                                   u"The report window shows no page."};
inline constexpr NewText imprimiendo{mensajes, u"imprimiendo",
                                     u"La página se está imprimiendo todavía.",
                                     u"The page is still being printed."};
inline constexpr NewText preparandoPaginas{mensajes, u"preparando paginas",
                                           u"Preparando las páginas para imprimir…",
                                           u"Preparing the pages to print…"};
inline constexpr NewText pdfNoEscrito{mensajes, u"pdf no escrito",
                                      u"No se pudo escribir el archivo PDF %1: %2",
                                      u"The PDF file %1 could not be written: %2"};
inline constexpr NewText sinImpresora{
    mensajes, u"sin impresora", u"No se eligió ninguna impresora.", u"No printer was chosen."};
inline constexpr NewText ayudaNoAbierta{
    mensajes, u"ayuda no abierta",
    u"No se pudo abrir la página de ayuda %1: no se encontró el programa del escritorio que abre "
    u"páginas (xdg-open).",
    u"The help page %1 could not be opened: the desktop's program that opens pages (xdg-open) "
    u"was not found."};
inline constexpr NewText sinSistemaImpresion{mensajes, u"sin sistema de impresion",
                                             u"No se encontró el sistema de impresión (CUPS): %1",
                                             u"The print system (CUPS) could not be found: %1"};
inline constexpr NewText impresoraRechaza{mensajes, u"impresora rechaza",
                                          u"La impresora %1 no aceptó las páginas: %2",
                                          u"The printer %1 did not take the pages: %2"};
inline constexpr NewText imagenNoLeida{mensajes, u"imagen no leida",
                                       u"No se pudo leer la imagen %1: %2",
                                       u"The picture %1 could not be read: %2"};
inline constexpr NewText imagenDanada{mensajes, u"imagen danada", u"La imagen %1 está dañada: %2",
                                      u"The picture %1 is damaged: %2"};

// A save that would replace a file another program changed or deleted.
inline constexpr NewText cambiadoEnDisco{
    mensajes, u"cambiado en disco",
    u"Otro programa cambió o borró el archivo %1 después de que se abrió o guardó aquí. "
    u"¿Qué desea hacer?",
    u"Another program changed or deleted the file %1 after it was opened or saved here. "
    u"What do you want to do?"};
inline constexpr NewText botonSobrescribir{mensajes, u"boton sobrescribir", u"Sobrescribir",
                                           u"Overwrite"};
inline constexpr NewText botonGuardarComo{mensajes, u"boton guardar como", u"Guardar como...",
                                          u"Save as..."};
inline constexpr NewText botonCancelar{mensajes, u"boton cancelar", u"Cancelar", u"Cancel"};
inline constexpr NewText autoguardadoOmitido{
    mensajes, u"autoguardado omitido", u"No se guardó automáticamente: otro programa cambió %1.",
    u"Not saved automatically: another program changed %1."};

// Recovery copies of a run that ended without closing.
inline constexpr NewText recuperarCopia{
    mensajes, u"recuperar copia",
    u"Quillnest no se cerró bien la última vez. Hay cambios sin guardar de %1 (copia del %2). "
    u"¿Desea restaurarlos?",
    u"Quillnest did not close properly last time. There are unsaved changes to %1 (copy of %2). "
    u"Do you want to restore them?"};
inline constexpr NewText botonRestaurar{mensajes, u"boton restaurar", u"Restaurar", u"Restore"};
inline constexpr NewText botonDescartar{mensajes, u"boton descartar", u"Descartar", u"Discard"};
inline constexpr NewText copiaDanada{mensajes, u"copia danada",
                                     u"%1 La copia se guardó aparte como %2.",
                                     u"%1 The copy was kept aside as %2."};
inline constexpr NewText recuperacionNoValida{mensajes, u"recuperacion no valida",
                                              u"'%1' no es una copia de recuperación válida.",
                                              u"'%1' is not a valid recovery copy."};

// The options dialog's backup choice, below the designed controls.
inline constexpr NewText opcionCopiaSeguridad{u"f_opciones", u"cb_copiaseguridad.Caption",
                                              u"Guardar una copia de seguridad (.qnf~)",
                                              u"Keep a backup copy (.qnf~)"};

// The find dialog's own controls, in section "FindDialog1".
inline constexpr QStringView findDialog = u"FindDialog1";
inline constexpr NewText findLabel{findDialog, u"lb_buscar.Caption", u"&Buscar:", u"Fi&nd what:"};
inline constexpr NewText findMatchCase{findDialog, u"cb_matchCase.Caption",
                                       u"Coincidir &mayúsculas y minúsculas", u"Match &case"};
inline constexpr NewText findWholeWord{findDialog, u"cb_wholeWord.Caption",
                                       u"Sólo &palabras completas", u"Match &whole word only"};
inline constexpr NewText findCancel{findDialog, u"bt_cancel.Caption", u"Cancelar", u"Cancel"};

// Heads of the report pages.
inline constexpr QStringView fToday = u"f_today";
inline constexpr LanguageText tareasDelDia{fToday, u"tareas del dia", u"Tareas del día"};

inline constexpr QStringView fReportexdia = u"f_reportexdia";
inline constexpr LanguageText tareas{fReportexdia, u"tareas", u"Tareas"};
inline constexpr LanguageText periodoDesde{fReportexdia, u"periodo desde", u"Periodo desde"};
inline constexpr LanguageText hasta{fReportexdia, u"hasta", u"hasta"};
inline constexpr LanguageText si{fReportexdia, u"si", u"sí"};
inline constexpr LanguageText no{fReportexdia, u"no", u"no"};
inline constexpr LanguageText opciones{fReportexdia, u"opciones", u"Opciones"};
inline constexpr LanguageText ordenadoPorFecha{fReportexdia, u"ordenado por fecha",
                                               u"Ordenado por fecha: "};
inline constexpr LanguageText verCompletados{fReportexdia, u"ver completados",
                                             u"Ver completados: "};
inline constexpr LanguageText mostrarTexto{fReportexdia, u"mostrar texto", u"Mostrar Texto: "};
inline constexpr LanguageText soloTerminales{fReportexdia, u"solo terminales",
                                             u"Solo Terminales: "};

} // namespace Messages

// The text with its "%s" replaced by the path, for the messages that name a file.
QString messageWithPath(const LanguageText& text, const QString& path);
