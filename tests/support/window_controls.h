#pragma once
// The windows' controls, found by their object names the way a user's
// automation finds them: the windows keep their controls to themselves.

#include "mainwindow/widgets/date_field.h"
#include "mainwindow/widgets/find_dialog.h"
#include "mainwindow/widgets/outline_view.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "reports/widgets/optional_date_edit.h"
#include "reports/widgets/unt_f_customreportes.h"
#include "reports/widgets/unt_f_defreportexdia.h"
#include "settings/widgets/unt_f_opciones.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <memory>

// The window's child of that name and type; a test cannot go on without it.
template <class T> T* findControl(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("the window %s has no control %s", qPrintable(window.objectName()), name);
    return found;
}

struct MainWindowControls {
    explicit MainWindowControls(const Tfrm_ppal& window)
        : tv_lista(findControl<OutlineView>(window, "tv_lista")),
          re_texto(findControl<QPlainTextEdit>(window, "re_texto")),
          me_fecha(findControl<DateField>(window, "me_fecha")),
          cb_cumplido(findControl<QCheckBox>(window, "cb_cumplido")),
          tb_cumplido(findControl<QSlider>(window, "tb_cumplido")),
          lb_porc(findControl<QLineEdit>(window, "lb_porc")),
          lb_fecha(findControl<QLabel>(window, "lb_fecha")),
          sb_status1(findControl<QLabel>(window, "sb_status1")),
          tb_edit(findControl<QToolBar>(window, "tb_edit")),
          pn_texto(findControl<QWidget>(window, "pn_texto")),
          pm_tv_lista(findControl<QMenu>(window, "pm_tv_lista")),
          tm_autoguardado(findControl<QTimer>(window, "tm_autoguardado")),
          tm_init(findControl<QTimer>(window, "tm_init")) {}

    OutlineView* tv_lista;
    QPlainTextEdit* re_texto;
    DateField* me_fecha;
    QCheckBox* cb_cumplido;
    QSlider* tb_cumplido;
    QLineEdit* lb_porc;
    QLabel* lb_fecha;
    QLabel* sb_status1;
    QToolBar* tb_edit;
    QWidget* pn_texto;
    QMenu* pm_tv_lista;
    QTimer* tm_autoguardado;
    QTimer* tm_init;
};

struct FindDialogControls {
    explicit FindDialogControls(const FindDialog& dialog)
        : ed_findText(findControl<QLineEdit>(dialog, "ed_findText")),
          cb_matchCase(findControl<QCheckBox>(dialog, "cb_matchCase")),
          bt_findNext(findControl<QPushButton>(dialog, "bt_findNext")) {}

    QLineEdit* ed_findText;
    QCheckBox* cb_matchCase;
    QPushButton* bt_findNext;
};

// The today and per-day windows.
struct ReportWindowControls {
    explicit ReportWindowControls(const Tf_customreportes& window)
        : bt_cerrar(findControl<QPushButton>(window, "bt_cerrar")),
          bt_preview(findControl<QPushButton>(window, "bt_preview")),
          bt_print(findControl<QPushButton>(window, "bt_print")) {}

    QPushButton* bt_cerrar;
    QPushButton* bt_preview;
    QPushButton* bt_print;
};

struct ReportDefinitionControls {
    explicit ReportDefinitionControls(const Tf_defreportexdia& dialog)
        : dt_fechaini(findControl<OptionalDateEdit>(dialog, "dt_fechaini")),
          dt_fechafin(findControl<OptionalDateEdit>(dialog, "dt_fechafin")),
          rb_fecha(findControl<QRadioButton>(dialog, "rb_fecha")),
          rb_noorden(findControl<QRadioButton>(dialog, "rb_noorden")),
          cb_completados(findControl<QCheckBox>(dialog, "cb_completados")),
          cb_texto(findControl<QCheckBox>(dialog, "cb_texto")),
          cb_terminales(findControl<QCheckBox>(dialog, "cb_terminales")),
          rb_Completo(findControl<QRadioButton>(dialog, "rb_Completo")),
          rb_seleccion(findControl<QRadioButton>(dialog, "rb_seleccion")),
          bt_mostrar(findControl<QPushButton>(dialog, "bt_mostrar")),
          bt_cerrar(findControl<QPushButton>(dialog, "bt_cerrar")) {}

    OptionalDateEdit* dt_fechaini;
    OptionalDateEdit* dt_fechafin;
    QRadioButton* rb_fecha;
    QRadioButton* rb_noorden;
    QCheckBox* cb_completados;
    QCheckBox* cb_texto;
    QCheckBox* cb_terminales;
    QRadioButton* rb_Completo;
    QRadioButton* rb_seleccion;
    QPushButton* bt_mostrar;
    QPushButton* bt_cerrar;
};

struct OptionsControls {
    explicit OptionsControls(const Tf_opciones& dialog)
        : rg_archivosItems(findControl<QButtonGroup>(dialog, "rg_archivosItems")),
          ud_autoguardado(findControl<MinutesSpinBox>(dialog, "ud_autoguardado")),
          ed_autoguardado(ud_autoguardado->lineEdit()),
          lb_idiomas(findControl<QListWidget>(dialog, "lb_idiomas")),
          cb_extension(findControl<QCheckBox>(dialog, "cb_extension")),
          cb_borrarhistorial(findControl<QCheckBox>(dialog, "cb_borrarhistorial")),
          sb_aceptar(findControl<QPushButton>(dialog, "sb_aceptar")),
          sb_cancelar(findControl<QPushButton>(dialog, "sb_cancelar")) {}

    QButtonGroup* rg_archivosItems;
    MinutesSpinBox* ud_autoguardado;
    QLineEdit* ed_autoguardado; // the spin box's own field
    QListWidget* lb_idiomas;
    QCheckBox* cb_extension;
    QCheckBox* cb_borrarhistorial;
    QPushButton* sb_aceptar;
    QPushButton* sb_cancelar;
};

inline MainWindowControls controls(const Tfrm_ppal& window) {
    return MainWindowControls(window);
}
inline FindDialogControls controls(const FindDialog& dialog) {
    return FindDialogControls(dialog);
}
inline ReportWindowControls controls(const Tf_customreportes& window) {
    return ReportWindowControls(window);
}
inline ReportDefinitionControls controls(const Tf_defreportexdia& dialog) {
    return ReportDefinitionControls(dialog);
}
inline OptionsControls controls(const Tf_opciones& dialog) {
    return OptionsControls(dialog);
}
// The same, for a window held by pointer.
template <class W> auto controls(const W* window) {
    return controls(*window);
}
template <class W> auto controls(const QPointer<W>& window) {
    return controls(*window);
}
template <class W> auto controls(const std::unique_ptr<W>& window) {
    return controls(*window);
}
