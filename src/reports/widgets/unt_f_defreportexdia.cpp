#include "reports/widgets/unt_f_defreportexdia.h"

#include "base/errors.h"
#include "base/widgets/control_texts.h"
#include "base/widgets/user_dialogs.h"
#include "document/unt_funciones.h"
#include "language/unt_idioma.h"
#include "reports/widgets/optional_date_edit.h"
#include "reports/widgets/unt_f_reportexdia.h"
#include "settings/settings_store.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace reportes = Settings::reportes;

namespace {

const QString kSection = QStringLiteral("f_defreportexdia");

// An unticked picker stands for these days.
QDate sinFechaInicial() {
    return primerDiaFecha();
}
QDate sinFechaFinal() {
    return QDate(2040, 1, 1);
}

QString fechaForm(const QDate& day) {
    return f_fechaHoraAEntero(QDateTime(day, QTime(0, 0)));
}

// The day of a stored date. A damaged value is reported and counts as
// missing, so that it cannot keep the dialog from opening.
QDate storedDay(UserDialogs& dialogs, const QString& value, const QDate& fallback) {
    try {
        return f_diaDeFecha(value);
    } catch (const QuillnestError& error) {
        reportError(dialogs, error.message());
        return fallback;
    }
}

void storeFlag(SettingsStore& settings, const SettingKey& key, bool on) {
    settings.update([&](SettingsEdit& edit) { edit.setFlag(key, on); });
}

// A stored sentinel leaves the picker unticked, today waiting for its tick.
void restorePicker(OptionalDateEdit* picker, QDate& recordada, const QDate& day,
                   const QDate& sentinel) {
    const bool inUse = day != sentinel;
    recordada = inUse ? day : QDate::currentDate();
    picker->setDate(inUse ? day : sentinel);
    picker->setChecked(inUse);
}

void storePicker(SettingsStore& settings, const SettingKey& key, const OptionalDateEdit* picker,
                 const QDate& sentinel) {
    settings.write(key, fechaForm(picker->isChecked() ? picker->date() : sentinel));
}

// Ticking brings the remembered date back; clearing remembers the date shown.
void clickPicker(OptionalDateEdit* picker, QDate& recordada, const QDate& sentinel) {
    if (picker->isChecked()) {
        picker->setDate(recordada);
    } else {
        recordada = picker->date();
        picker->setDate(sentinel);
    }
}

QDate pickedDay(const OptionalDateEdit* picker, const QDate& sentinel) {
    return picker->isChecked() ? picker->date() : sentinel;
}

template <typename T> T* named(T* control, const char* name, const QString& hint = {}) {
    control->setObjectName(QLatin1StringView(name));
    control->setToolTip(hint);
    return control;
}

// The group's controls one under the other.
void stack(QGroupBox* group, std::initializer_list<QWidget*> controls) {
    auto* column = new QVBoxLayout(group);
    for (QWidget* control : controls)
        column->addWidget(control);
}

} // namespace

Tf_defreportexdia::Tf_defreportexdia(const ReportContext& context)
    : QDialog(context.host.reportOwner(), Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_context(context), m_settings(context.settings) {
    setObjectName(QStringLiteral("f_defreportexdia"));
    setWindowTitle(QStringLiteral("Reportes"));
    createControls();
    f_setTextos();
    connectControls();
    f_open();
}

void Tf_defreportexdia::createControls() {
    gb_fecha = named(new QGroupBox(QStringLiteral("Fechas"), this), "gb_fecha");
    lb_fechaini = named(new QLabel(QStringLiteral("Fecha desde:"), gb_fecha), "lb_fechaini");
    dt_fechaini = named(new OptionalDateEdit(gb_fecha), "dt_fechaini",
                        QStringLiteral("Si no esta checkeado, sin fecha inicial"));
    lb_fechafin = named(new QLabel(QStringLiteral("Fecha hasta:"), gb_fecha), "lb_fechafin");
    dt_fechafin = named(new OptionalDateEdit(gb_fecha), "dt_fechafin",
                        QStringLiteral("Si no esta checkeado, sin fecha final"));
    auto* dates = new QGridLayout(gb_fecha);
    dates->addWidget(lb_fechaini, 0, 0);
    dates->addWidget(dt_fechaini, 0, 1);
    dates->addWidget(lb_fechafin, 1, 0);
    dates->addWidget(dt_fechafin, 1, 1);

    gb_orden = named(new QGroupBox(QStringLiteral("Ordenar por:"), this), "gb_orden");
    rb_fecha = named(new QRadioButton(QStringLiteral("Fecha"), gb_orden), "rb_fecha",
                     QStringLiteral("Ordenar por fecha"));
    rb_noorden = named(new QRadioButton(QStringLiteral("Mantener orden del arbol"), gb_orden),
                       "rb_noorden", QStringLiteral("Sin ordenar"));
    rb_fecha->setChecked(true);

    gb_mostrar = named(new QGroupBox(QStringLiteral("Mostrar:"), this), "gb_mostrar");
    cb_completados = named(new QCheckBox(QStringLiteral("Completados"), gb_mostrar),
                           "cb_completados", QStringLiteral("Mostrar los items completados"));
    cb_texto = named(new QCheckBox(QStringLiteral("Texto"), gb_mostrar), "cb_texto",
                     QStringLiteral("Mostrar el texto asociado a cada item"));
    cb_terminales =
        named(new QCheckBox(QStringLiteral("Solo terminales"), gb_mostrar), "cb_terminales",
              QStringLiteral("Mostrar solo los items que no tienen items asociados"));

    gb_raiz = named(new QGroupBox(QStringLiteral("Raiz"), this), "gb_raiz");
    rb_Completo = named(new QRadioButton(QStringLiteral("Todo el arbol"), gb_raiz), "rb_Completo");
    rb_seleccion =
        named(new QRadioButton(QStringLiteral("A partir del item seleccionado"), gb_raiz),
              "rb_seleccion");
    rb_Completo->setChecked(true);

    stack(gb_orden, {rb_fecha, rb_noorden});
    stack(gb_mostrar, {cb_completados, cb_texto, cb_terminales});
    stack(gb_raiz, {rb_Completo, rb_seleccion});

    bt_mostrar = named(new QPushButton(QStringLiteral("Mostrar"), this), "bt_mostrar");
    bt_cerrar = named(new QPushButton(QStringLiteral("Cerrar"), this), "bt_cerrar");
    bt_mostrar->setDefault(true);
    bt_cerrar->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bt_mostrar);
    buttons->addWidget(bt_cerrar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    for (QGroupBox* group : {gb_fecha, gb_orden, gb_mostrar, gb_raiz})
        layout->addWidget(group);
    layout->addLayout(buttons);

    // Dates, order and what to show, then the buttons, and the root choice last.
    QWidget* const tabOrder[] = {dt_fechaini,    dt_fechafin, rb_fecha,      rb_noorden,
                                 cb_completados, cb_texto,    cb_terminales, bt_mostrar,
                                 bt_cerrar,      rb_Completo, rb_seleccion};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    setFixedSize(QSize(199, 335).expandedTo(sizeHint()));
}

// The check boxes and radio buttons store what they show whenever their state
// changes, also when f_open restores it; the pickers only on the user's actions.
void Tf_defreportexdia::connectControls() {
    connect(dt_fechaini, &OptionalDateEdit::changed, this, &Tf_defreportexdia::dt_fechainiChange);
    connect(dt_fechafin, &OptionalDateEdit::changed, this, &Tf_defreportexdia::dt_fechafinChange);
    connect(dt_fechaini, &OptionalDateEdit::clicked, this, &Tf_defreportexdia::dt_fechainiClick);
    connect(dt_fechafin, &OptionalDateEdit::clicked, this, &Tf_defreportexdia::dt_fechafinClick);
    connect(rb_fecha, &QRadioButton::toggled, this, &Tf_defreportexdia::rb_fechaClick);
    connect(rb_noorden, &QRadioButton::toggled, this, &Tf_defreportexdia::rb_noordenClick);
    connect(rb_Completo, &QRadioButton::toggled, this, &Tf_defreportexdia::rb_CompletoClick);
    connect(rb_seleccion, &QRadioButton::toggled, this, &Tf_defreportexdia::rb_seleccionClick);
    connect(cb_completados, &QCheckBox::toggled, this, &Tf_defreportexdia::cb_completadosClick);
    connect(cb_texto, &QCheckBox::toggled, this, &Tf_defreportexdia::cb_textoClick);
    connect(cb_terminales, &QCheckBox::toggled, this, &Tf_defreportexdia::cb_textoClick);
    connect(bt_mostrar, &QPushButton::clicked, this, &Tf_defreportexdia::bt_mostrarClick);
    connect(bt_cerrar, &QPushButton::clicked, this, &Tf_defreportexdia::bt_cerrarClick);
}

void Tf_defreportexdia::f_setTextos() {
    applyWindowTitle(kSection, this);
    for (QWidget* control :
         std::initializer_list<QWidget*>{bt_cerrar, bt_mostrar, gb_fecha, gb_mostrar, gb_orden,
                                         gb_raiz, lb_fechaini, lb_fechafin})
        applyCaptionAndHint(kSection, control);
    applyHint(kSection, dt_fechaini);
    applyHint(kSection, dt_fechafin);
    for (QWidget* control :
         std::initializer_list<QWidget*>{rb_fecha, rb_noorden, cb_completados, cb_texto,
                                         cb_terminales, rb_Completo, rb_seleccion})
        applyCaptionAndHint(kSection, control);
    assignMnemonics(this);
}

void Tf_defreportexdia::f_open() {
    // Placed by its outer frame, which the platform knows once the window exists.
    create();
    const QRect main = m_context.host.reportOwner()->frameGeometry();
    move(main.left(), main.top() + main.height() - frameGeometry().height());

    const QDate today = QDate::currentDate();
    restorePicker(
        dt_fechaini, fechaIniRecordada,
        storedDay(m_context.dialogs, m_settings.text(reportes::fechadesde), sinFechaInicial()),
        sinFechaInicial());
    restorePicker(dt_fechafin, fechaFinRecordada,
                  storedDay(m_context.dialogs,
                            m_settings.text(reportes::fechahasta, fechaForm(today)), today),
                  sinFechaFinal());
    (m_settings.text(reportes::orden) == u"0" ? rb_fecha : rb_noorden)->setChecked(true);
    cb_completados->setChecked(m_settings.flag(reportes::mostrarcompletados));
    cb_texto->setChecked(m_settings.flag(reportes::mostrartexto));
    (m_settings.flag(reportes::completo) ? rb_Completo : rb_seleccion)->setChecked(true);
}

void Tf_defreportexdia::dt_fechainiChange() {
    storePicker(m_settings, reportes::fechadesde, dt_fechaini, sinFechaInicial());
}

void Tf_defreportexdia::dt_fechafinChange() {
    storePicker(m_settings, reportes::fechahasta, dt_fechafin, sinFechaFinal());
}

void Tf_defreportexdia::dt_fechainiClick() {
    clickPicker(dt_fechaini, fechaIniRecordada, sinFechaInicial());
}

void Tf_defreportexdia::dt_fechafinClick() {
    clickPicker(dt_fechafin, fechaFinRecordada, sinFechaFinal());
}

void Tf_defreportexdia::rb_fechaClick() {
    if (rb_fecha->isChecked())
        m_settings.write(reportes::orden, QStringLiteral("0"));
}

void Tf_defreportexdia::rb_noordenClick() {
    if (rb_noorden->isChecked())
        m_settings.write(reportes::orden, QStringLiteral("1"));
}

void Tf_defreportexdia::rb_CompletoClick() {
    if (rb_Completo->isChecked())
        storeFlag(m_settings, reportes::completo, true);
}

void Tf_defreportexdia::rb_seleccionClick() {
    if (rb_seleccion->isChecked())
        storeFlag(m_settings, reportes::completo, false);
}

void Tf_defreportexdia::cb_completadosClick() {
    storeFlag(m_settings, reportes::mostrarcompletados, cb_completados->isChecked());
}

// "Solo terminales" is never stored; a click on it stores "Texto" again.
void Tf_defreportexdia::cb_textoClick() {
    storeFlag(m_settings, reportes::mostrartexto, cb_texto->isChecked());
}

void Tf_defreportexdia::bt_mostrarClick() {
    QPointer<Tf_reportexdia>& f_reportexdia = m_context.windows.f_reportexdia;
    if (f_reportexdia)
        bringToFront(f_reportexdia);
    else
        f_reportexdia = new Tf_reportexdia(m_context);
    ReportOptions opciones;
    opciones.fechaDesde = pickedDay(dt_fechaini, sinFechaInicial());
    opciones.fechaHasta = pickedDay(dt_fechafin, sinFechaFinal());
    opciones.porFecha = rb_fecha->isChecked();
    opciones.conCompletados = cb_completados->isChecked();
    opciones.conTexto = cb_texto->isChecked();
    opciones.soloTerminales = cb_terminales->isChecked();
    opciones.todoElArbol = rb_Completo->isChecked();
    f_reportexdia->setOpciones(opciones);
    f_reportexdia->f_Show();
}

void Tf_defreportexdia::bt_cerrarClick() {
    hide();
    deleteLater();
}

void Tf_defreportexdia::reject() {
    bt_cerrarClick();
}
