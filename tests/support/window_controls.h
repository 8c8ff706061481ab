#pragma once
// The main window's controls, found by their object names the way a user's
// automation finds them: the window keeps its controls to itself.

#include "mainwindow/widgets/date_field.h"
#include "mainwindow/widgets/outline_view.h"
#include "mainwindow/widgets/unt_f_main.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <memory>

struct MainWindowControls {
    explicit MainWindowControls(const Tfrm_ppal& window)
        : tv_lista(find<OutlineView>(window, "tv_lista")),
          re_texto(find<QPlainTextEdit>(window, "re_texto")),
          me_fecha(find<DateField>(window, "me_fecha")),
          cb_cumplido(find<QCheckBox>(window, "cb_cumplido")),
          tb_cumplido(find<QSlider>(window, "tb_cumplido")),
          lb_porc(find<QLineEdit>(window, "lb_porc")),
          lb_fecha(find<QLabel>(window, "lb_fecha")),
          sb_status1(find<QLabel>(window, "sb_status1")),
          tb_edit(find<QToolBar>(window, "tb_edit")),
          pn_texto(find<QWidget>(window, "pn_texto")),
          pm_tv_lista(find<QMenu>(window, "pm_tv_lista")),
          tm_autoguardado(find<QTimer>(window, "tm_autoguardado")),
          tm_init(find<QTimer>(window, "tm_init")) {}

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

private:
    template <class T> static T* find(const Tfrm_ppal& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("the main window has no control %s", name);
        return found;
    }
};

inline MainWindowControls controls(const Tfrm_ppal& window) { return MainWindowControls(window); }
inline MainWindowControls controls(const Tfrm_ppal* window) { return MainWindowControls(*window); }
inline MainWindowControls controls(const std::unique_ptr<Tfrm_ppal>& window) {
    return MainWindowControls(*window);
}
