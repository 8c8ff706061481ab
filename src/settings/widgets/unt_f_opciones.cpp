#include "settings/widgets/unt_f_opciones.h"

#include "base/errors.h"
#include "base/widgets/control_texts.h"
#include "base/widgets/program_services.h"
#include "base/widgets/user_dialogs.h"
#include "language/messages.h"
#include "language/unt_idioma.h"
#include "settings/settings_keys.h"
#include "settings/unt_extensiones.h"
#include "settings/widgets/running_options.h"
#include "settings/widgets/unt_help_ui.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("f_opciones");
constexpr HelpTopic kHelpTopic = HelpTopic::options;
const QString kNoLanguage = Settings::opciones::idioma.defaultValue;
const QString kEspanol = kIdiomaEspanol;
const QString kEnglish = kIdiomaEnglish;

// A window's texts default to the texts it was designed with.
QString itemKey(const QString& name, int index) {
    return name + QStringLiteral(".Items[%1]").arg(index);
}

} // namespace

Tf_opciones::Tf_opciones(QWidget* parent, ProgramServices& services, RunningOptions& running)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      m_services(services), m_draft(services.settings()), m_running(running) {
    setObjectName(QStringLiteral("f_opciones"));
    setModal(true);
    createControls();
    FormCreate();
    // Sized once its texts are in, so that no language's texts are cut.
    setFixedSize(QSize(335, 436).expandedTo(sizeHint()));
    connect(rg_archivosItems, &QButtonGroup::idClicked, this, &Tf_opciones::rg_archivosClick);
    connect(ud_autoguardado, &QSpinBox::valueChanged, this, &Tf_opciones::ed_autoguardadoChange);
    connect(sb_aceptar, &QPushButton::clicked, this, &Tf_opciones::sb_aceptarClick);
    connect(sb_cancelar, &QPushButton::clicked, this, &Tf_opciones::sb_cancelarClick);
    // F1 reaches the dialog whichever of its controls has the focus.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { f_mostrarAyuda(m_services, kHelpTopic, this); });
}

void Tf_opciones::createControls() {
    setWindowTitle(QStringLiteral("Quillnest - Opciones"));
    pc_opciones = new QTabWidget;
    pc_opciones->setObjectName(QStringLiteral("pc_opciones"));
    pc_opciones->addTab(createGeneralTab(), QStringLiteral("Opciones generales"));

    sb_aceptar = new QPushButton(QStringLiteral("&Aceptar"));
    sb_aceptar->setObjectName(QStringLiteral("sb_aceptar"));
    sb_cancelar = new QPushButton(QStringLiteral("&Cancelar"));
    sb_cancelar->setObjectName(QStringLiteral("sb_cancelar"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {sb_aceptar, sb_cancelar}) {
        // Enter does not press a button by surprise; Esc still cancels.
        button->setAutoDefault(false);
        button->setMinimumWidth(105);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 8);
    layout->addWidget(pc_opciones);
    layout->addLayout(buttons);
}

QWidget* Tf_opciones::createGeneralTab() {
    ts_generales = new QWidget;
    ts_generales->setObjectName(QStringLiteral("ts_generales"));

    rg_archivos = new QGroupBox(QStringLiteral("Documento por defecto"));
    rg_archivos->setObjectName(QStringLiteral("rg_archivos"));
    rg_archivos->setToolTip(
        QStringLiteral("Determina el documento que se va a mostrar al abrir la aplicación."));
    rg_archivosItems = new QButtonGroup(rg_archivos);
    rg_archivosItems->setObjectName(QStringLiteral("rg_archivosItems"));
    auto* archivosLayout = new QVBoxLayout(rg_archivos);
    for (const QString& item :
         {QStringLiteral("Ultimo usado"), QStringLiteral("Documento en blanco")}) {
        auto* radio = new QRadioButton(item);
        rg_archivosItems->addButton(radio, int(rg_archivosItems->buttons().size()));
        archivosLayout->addWidget(radio);
    }

    gb_autoguardado = new QGroupBox(QStringLiteral("Guardado automático"));
    gb_autoguardado->setObjectName(QStringLiteral("gb_autoguardado"));
    lb_intervalo = new QLabel(QStringLiteral("Intervalo de guardado automático:"));
    lb_intervalo->setObjectName(QStringLiteral("lb_intervalo"));
    ud_autoguardado = new MinutesSpinBox;
    ud_autoguardado->setObjectName(QStringLiteral("ud_autoguardado"));
    ud_autoguardado->setRange(0, 1000);
    ud_autoguardado->setWrapping(false);
    // The interval is stored as it shows: plain digits, whatever the locale.
    ud_autoguardado->setLocale(QLocale::c());
    ed_autoguardado = ud_autoguardado->lineEdit();
    ed_autoguardado->setReadOnly(true);
    lb_intervalo->setBuddy(ud_autoguardado);
    lb_min = new QLabel(QStringLiteral("Minutos"));
    lb_min->setObjectName(QStringLiteral("lb_min"));
    auto* autoguardadoLayout = new QHBoxLayout(gb_autoguardado);
    autoguardadoLayout->addWidget(lb_intervalo);
    autoguardadoLayout->addWidget(ud_autoguardado);
    autoguardadoLayout->addWidget(lb_min);
    autoguardadoLayout->addStretch();

    gb_idioma = new QGroupBox(QStringLiteral("Idioma"));
    gb_idioma->setObjectName(QStringLiteral("gb_idioma"));
    lb_idiomas = new QListWidget;
    lb_idiomas->setObjectName(QStringLiteral("lb_idiomas"));
    lb_idiomas->setSelectionMode(QAbstractItemView::SingleSelection);
    lb_idiomas->addItems({QStringLiteral("Español"), QStringLiteral("English")});
    auto* idiomaLayout = new QVBoxLayout(gb_idioma);
    idiomaLayout->addWidget(lb_idiomas);

    cb_extension = new QCheckBox(QStringLiteral("Registrar extensión QNF"));
    cb_extension->setObjectName(QStringLiteral("cb_extension"));
    cb_borrarhistorial = new QCheckBox(QStringLiteral("Borrar historial"));
    cb_borrarhistorial->setObjectName(QStringLiteral("cb_borrarhistorial"));
    cb_copiaseguridad = new QCheckBox(f_getTexto(Messages::opcionCopiaSeguridad));
    cb_copiaseguridad->setObjectName(QStringLiteral("cb_copiaseguridad"));

    auto* layout = new QVBoxLayout(ts_generales);
    layout->addWidget(rg_archivos);
    layout->addWidget(gb_autoguardado);
    layout->addWidget(gb_idioma, 1);
    layout->addWidget(cb_extension);
    layout->addWidget(cb_borrarhistorial);
    layout->addWidget(cb_copiaseguridad);
    return ts_generales;
}

void Tf_opciones::FormCreate() {
    namespace opciones = Settings::opciones;
    rg_archivosItems->button(m_draft.number(opciones::docinicio) == 1 ? 1 : 0)->setChecked(true);

    const QString language = f_getIdioma();
    m_initialLanguageIndex = language == kNoLanguage ? -1 : language == kEspanol ? 0 : 1;
    lb_idiomas->setCurrentRow(m_initialLanguageIndex);

    // A stored interval that is no number shows as 0, and is stored as shown.
    ud_autoguardado->setValue(m_draft.number(opciones::autoguardado));
    ed_autoguardadoChange();
    cb_extension->setChecked(m_draft.flag(opciones::regexts));
    cb_copiaseguridad->setChecked(m_draft.flag(opciones::copiaseguridad));
    f_setTextos();
}

void Tf_opciones::f_setTextos() {
    applyWindowTitle(kSection, this);
    applyCaptionAndHint(kSection, sb_aceptar);
    applyCaptionAndHint(kSection, sb_cancelar);
    const int tab = pc_opciones->indexOf(ts_generales);
    pc_opciones->setTabText(
        tab, captionText(kSection, QStringLiteral("ts_generales"), pc_opciones->tabText(tab)));
    pc_opciones->setTabToolTip(
        tab, hintText(kSection, QStringLiteral("ts_generales"), pc_opciones->tabToolTip(tab)));
    applyCaptionAndHint(kSection, rg_archivos);
    for (QAbstractButton* item : rg_archivosItems->buttons()) {
        const QString key = itemKey(QStringLiteral("rg_archivos"), rg_archivosItems->id(item));
        item->setText(f_getTexto(kSection, key, item->text()));
    }
    applyCaptionAndHint(kSection, cb_extension);
    applyCaptionAndHint(kSection, cb_borrarhistorial);
    applyCaptionAndHint(kSection, lb_intervalo);
    applyCaptionAndHint(kSection, lb_min);
    applyCaptionAndHint(kSection, gb_autoguardado);
    applyCaptionAndHint(kSection, gb_idioma);
    for (int row = 0; row < lb_idiomas->count(); ++row) {
        QListWidgetItem* item = lb_idiomas->item(row);
        item->setText(
            f_getTexto(kSection, itemKey(QStringLiteral("lb_idiomas"), row), item->text()));
    }
    assignMnemonics(this);
}

void Tf_opciones::rg_archivosClick() {
    m_draft.edit().setFlag(Settings::opciones::docinicio, rg_archivosItems->checkedId() == 1);
}

void Tf_opciones::ed_autoguardadoChange() {
    m_draft.edit().setText(Settings::opciones::autoguardado, ed_autoguardado->text());
}

int Tf_opciones::languageIndex() const {
    const QList<QListWidgetItem*> selected = lb_idiomas->selectedItems();
    return selected.isEmpty() ? -1 : lb_idiomas->row(selected.first());
}

void Tf_opciones::sb_aceptarClick() {
    namespace opciones = Settings::opciones;
    m_running.setAutosaveMinutes(ud_autoguardado->value());
    // A language whose selection was cleared stays as it is; it does not
    // become English.
    const int language = languageIndex();
    if (language >= 0 && language != m_initialLanguageIndex)
        f_setearIdioma();
    m_draft.edit().setFlag(opciones::regexts, cb_extension->isChecked());
    if (cb_extension->isChecked()) {
        try {
            f_registrarExtension(m_services.folder(), m_services.startCommand());
        } catch (const QuillnestError& error) {
            // The other choices are still kept.
            m_services.dialogs().showError(this, error.message());
        }
    }
    if (cb_borrarhistorial->isChecked()) {
        m_running.f_borrarHistorial();
        m_draft.edit().setRecentFiles({});
    }
    m_draft.edit().setFlag(opciones::copiaseguridad, cb_copiaseguridad->isChecked());
    m_running.setBackupOnSave(cb_copiaseguridad->isChecked());
    m_services.settings().commit(m_draft);
    QDialog::accept();
}

void Tf_opciones::f_setearIdioma() {
    f_setIdioma(languageIndex() == 0 ? kEspanol : kEnglish);
    m_draft.edit().setText(Settings::opciones::idioma, f_getIdioma());
    m_services.dialogs().inform(this, f_getTexto(Messages::debeCerrarIdioma));
}

void Tf_opciones::sb_cancelarClick() {
    QDialog::reject();
}

void Tf_opciones::reject() {
    sb_cancelarClick();
}
