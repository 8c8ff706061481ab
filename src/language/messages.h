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
