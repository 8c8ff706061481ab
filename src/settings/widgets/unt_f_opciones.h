#pragma once
// The options dialog: start-up document, autosave interval, language, file
// type registration and clearing the recent documents. It holds the settings
// file open from creation, so its writes reach the file only on Aceptar and
// Cancelar leaves the file exactly as it was.

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
class Tfrm_ppal;

// Spin buttons with their text field, which the dialog names on its own.
class MinutesSpinBox : public QSpinBox {
public:
    using QSpinBox::lineEdit;
    using QSpinBox::QSpinBox;
};

class Tf_opciones : public QDialog {
    Q_OBJECT
public:
    // Opens the settings for editing; `frm_ppal` receives the autosave
    // interval and the clearing of its recent documents on accept.
    explicit Tf_opciones(Tfrm_ppal* frm_ppal);
    // A dialog that goes without either button keeps none of its changes.
    ~Tf_opciones() override;

    void f_setTextos();
    void rg_archivosClick();
    void ed_autoguardadoChange();
    void sb_aceptarClick();
    void sb_cancelarClick();
    void f_setearIdioma();

    // Closing the dialog any other way (Esc) is Cancelar.
    void reject() override;

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

private:
    void createControls();
    QWidget* createGeneralTab();
    void FormCreate();
    // The selected row of lb_idiomas, -1 for none.
    int languageIndex() const;
    void endHold(bool save);

    Tfrm_ppal* m_frm_ppal;
    int m_initialLanguageIndex = -1;
    bool m_holding = false;
};
