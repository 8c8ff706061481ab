#pragma once
// The report definition dialog: a range of days, the order, which items and
// from which root. Every choice is stored in the settings as it is made, so the
// next dialog opens with it; "Mostrar" builds the per-day report.

#include "reports/widgets/report_host.h"

#include <QDate>
#include <QDialog>
#include <QPointer>

class OptionalDateEdit;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SettingsStore;

class Tf_defreportexdia : public QDialog {
    Q_OBJECT
public:
    // Placed at the host window's lower left corner, with the choices stored
    // in the context's settings, where each new choice is stored at once; the
    // per-day window it shows is made with the same context.
    explicit Tf_defreportexdia(const ReportContext& context);

    // The dates a picker shows again when it is ticked after being cleared.
    QDate fechaIniRecordada;
    QDate fechaFinRecordada;

    void bt_mostrarClick();
    void bt_cerrarClick();
    // Esc closes the dialog for good, as "Cerrar" does.
    void reject() override;

private:
    QGroupBox* gb_fecha = nullptr;
    QLabel* lb_fechaini = nullptr;
    OptionalDateEdit* dt_fechaini = nullptr;
    QLabel* lb_fechafin = nullptr;
    OptionalDateEdit* dt_fechafin = nullptr;
    QGroupBox* gb_orden = nullptr;
    QRadioButton* rb_fecha = nullptr;
    QRadioButton* rb_noorden = nullptr;
    QGroupBox* gb_mostrar = nullptr;
    QCheckBox* cb_completados = nullptr;
    QCheckBox* cb_texto = nullptr;
    QCheckBox* cb_terminales = nullptr;
    QGroupBox* gb_raiz = nullptr;
    QRadioButton* rb_Completo = nullptr;
    QRadioButton* rb_seleccion = nullptr;
    QPushButton* bt_mostrar = nullptr;
    QPushButton* bt_cerrar = nullptr;

    void createControls();
    void connectControls();
    void f_setTextos();
    void f_open();

    void dt_fechainiChange();
    void dt_fechafinChange();
    void dt_fechainiClick();
    void dt_fechafinClick();
    void rb_fechaClick();
    void rb_noordenClick();
    void rb_CompletoClick();
    void rb_seleccionClick();
    void cb_completadosClick();
    void cb_textoClick();

    ReportContext m_context;
    SettingsStore& m_settings;
};
