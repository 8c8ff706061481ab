#pragma once
// The options dialog: start-up document, autosave interval, language, file
// type registration and clearing the recent documents. It works on a draft of
// the settings taken at creation, so its writes reach the file only on
// Aceptar, in one write, and Cancelar leaves the file exactly as it was.

#include "settings/settings_store.h"

class ProgramServices;

#include <QDialog>
#include <QSpinBox>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class RunningOptions;

// Spin buttons with their text field, which the dialog names on its own.
class MinutesSpinBox : public QSpinBox {
public:
    using QSpinBox::lineEdit;
    using QSpinBox::QSpinBox;
};

class Tf_opciones : public QDialog {
    Q_OBJECT
public:
    // Takes a draft of `settings`, committed on accept; `running` receives
    // the autosave interval, the backup choice and the clearing of the recent
    // documents on accept. A dialog that goes without either button keeps
    // none of its changes.
    Tf_opciones(QWidget* parent, ProgramServices& services, RunningOptions& running);

    void f_setTextos();
    void rg_archivosClick();
    void ed_autoguardadoChange();
    void sb_aceptarClick();
    void sb_cancelarClick();
    void f_setearIdioma();

    // Closing the dialog any other way (Esc) is Cancelar.
    void reject() override;

private:
    QTabWidget* pc_opciones = nullptr;
    QWidget* ts_generales = nullptr;
    QGroupBox* rg_archivos = nullptr;
    QButtonGroup* rg_archivosItems = nullptr;
    QGroupBox* gb_autoguardado = nullptr;
    QLabel* lb_intervalo = nullptr;
    QLineEdit* ed_autoguardado = nullptr;
    MinutesSpinBox* ud_autoguardado = nullptr;
    QLabel* lb_min = nullptr;
    QGroupBox* gb_idioma = nullptr;
    QListWidget* lb_idiomas = nullptr;
    QCheckBox* cb_extension = nullptr;
    QCheckBox* cb_borrarhistorial = nullptr;
    QCheckBox* cb_copiaseguridad = nullptr;
    QPushButton* sb_aceptar = nullptr;
    QPushButton* sb_cancelar = nullptr;

    void createControls();
    QWidget* createGeneralTab();
    void FormCreate();
    // The selected row of lb_idiomas, -1 for none.
    int languageIndex() const;

    ProgramServices& m_services;
    SettingsDraft m_draft;
    RunningOptions& m_running;
    int m_initialLanguageIndex = -1;
};
