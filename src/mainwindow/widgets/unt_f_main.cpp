// The main window: construction, language texts, fonts, shortcuts, status bar
// and start-up.
#include "mainwindow/widgets/unt_f_main.h"

#include "reports/widgets/Unt_f_today.h"
#include "reports/widgets/unt_f_defreportexdia.h"
#include "reports/widgets/unt_f_reportexdia.h"

#include "base/errors.h"
#include "base/unt_constantes.h"
#include "base/widgets/control_texts.h"
#include "base/widgets/program_services.h"
#include "base/widgets/qt_translations.h"
#include "base/widgets/screen_place.h"
#include "base/widgets/user_dialogs.h"
#include "document/document_file.h"
#include "document/outline_document.h"
#include "document/recovery.h"
#include "language/messages.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/action_images.h"
#include "mainwindow/widgets/date_field.h"
#include "mainwindow/widgets/main_actions.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/outline_view.h"
#include "mainwindow/widgets/plain_text_editor.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QTextDocument>
#include <QThreadPool>
#include <QToolBar>
#include <QToolButton>

namespace {
const QString kSection = QStringLiteral("frm_ppal");
} // namespace

Tfrm_ppal::Tfrm_ppal(ProgramServices& services, const QString& startupDocument, QWidget* parent)
    : QMainWindow(parent), m_services(services) {
    setObjectName(QStringLiteral("frm_ppal"));
    setWindowTitle(QString(Unt_constantes::producto));
    setMinimumSize(620, 240);
    m_document = new OutlineDocument(this);
    m_model = new OutlineModel(m_document, this);
    createActions();
    createMenus();
    createToolBars();
    createLayout();
    connectEditor();
    connectSettingsActions();
    connectHistory();
    connectRecovery();
    FormCreate(startupDocument);
}

Tfrm_ppal::~Tfrm_ppal() {
    // While the window's children go, the fields still see the focus leave
    // them; by then there is no window left to take an edit.
    for (QObject* control :
         std::initializer_list<QObject*>{lb_porc, me_fecha, re_texto, tb_cumplido, cb_cumplido})
        control->blockSignals(true);
    // The report windows go while the state they share is still here.
    delete m_reportWindows.f_reportexdia.data();
    delete m_reportWindows.f_defreportexdia.data();
    delete m_reportWindows.f_today.data();
}

bool Tfrm_ppal::docModificado() const {
    return m_document->isModified();
}

void Tfrm_ppal::connectHistory() {
    connect(m_document, &OutlineDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(m_document, &OutlineDocument::changed, this, &Tfrm_ppal::updateUndoActions);
    connect(m_document, &OutlineDocument::resetDone, this, &Tfrm_ppal::updateUndoActions);
    QTextDocument* text = re_texto->document();
    connect(text, &QTextDocument::undoAvailable, this, &Tfrm_ppal::updateUndoActions);
    connect(text, &QTextDocument::redoAvailable, this, &Tfrm_ppal::updateUndoActions);
    connect(action(ActionName::deshacer), &QAction::triggered, this, &Tfrm_ppal::deshacerExecute);
    connect(action(ActionName::rehacer), &QAction::triggered, this, &Tfrm_ppal::rehacerExecute);
}

void Tfrm_ppal::createActions() {
    for (const ActionSpec& entry : mainActions()) {
        auto* action = new QAction(entry.caption, this);
        action->setObjectName(entry.name);
        action->setStatusTip(entry.hint);
        action->setToolTip(entry.hint.isEmpty() ? entry.caption : entry.hint);
        action->setShortcuts(entry.shortcuts);
        action->setCheckable(entry.checkable);
        if (entry.image >= 0)
            action->setIcon(actionImage(entry.image));
        m_actions.insert(entry.name, action);
        addAction(action); // shortcuts work wherever the focus is in the window
    }
    for (const QString& name : recentActionNames())
        action(name)->setVisible(false);
    action(ActionName::buscarsiguiente)->setEnabled(false);
    action(ActionName::buscarsiguiente)->setVisible(false);

    connect(action(ActionName::salir), &QAction::triggered, this, &QWidget::close);
    connect(action(ActionName::nuevodoc), &QAction::triggered, this, &Tfrm_ppal::nuevodocExecute);
    connect(action(ActionName::recuperar), &QAction::triggered, this, &Tfrm_ppal::recuperarExecute);
    connect(action(ActionName::guardar), &QAction::triggered, this, &Tfrm_ppal::guardarExecute);
    connect(action(ActionName::guardarcomo), &QAction::triggered, this,
            &Tfrm_ppal::guardarcomoExecute);
    connect(action(ActionName::guardarnodo), &QAction::triggered, this,
            &Tfrm_ppal::guardarnodoExecute);
    for (const QString& name : recentActionNames()) {
        QAction* recent = action(name);
        connect(recent, &QAction::triggered, this,
                [this, recent] { f_abrirarchivoultimo(recent->data().toString()); });
    }
    connect(&m_recentFiles, &RecentFiles::changed, this, &Tfrm_ppal::refreshRecentActions);
    tm_init.setObjectName(QStringLiteral("tm_init"));
    tm_init.setSingleShot(true);
    tm_autoguardado.setObjectName(QStringLiteral("tm_autoguardado"));
    connect(&tm_autoguardado, &QTimer::timeout, this, &Tfrm_ppal::tm_autoguardadoTimer);
    connect(action(ActionName::fuentes), &QAction::triggered, this, &Tfrm_ppal::fuentesExecute);
    connect(action(ActionName::agregarnodo), &QAction::triggered, this,
            &Tfrm_ppal::agregarnodoExecute);
    connect(action(ActionName::borrarnodo), &QAction::triggered, this,
            &Tfrm_ppal::borrarnodoExecute);
    connect(action(ActionName::nombrarnodo), &QAction::triggered, this,
            &Tfrm_ppal::nombrarnodoExecute);
    connect(action(ActionName::arriba), &QAction::triggered, this, &Tfrm_ppal::arribaExecute);
    connect(action(ActionName::abajo), &QAction::triggered, this, &Tfrm_ppal::abajoExecute);
    connect(action(ActionName::izquierda), &QAction::triggered, this, &Tfrm_ppal::izquierdaExecute);
    connect(action(ActionName::derecha), &QAction::triggered, this, &Tfrm_ppal::derechaExecute);
    connect(action(ActionName::prioridadalta), &QAction::triggered, this,
            [this](bool checked) { togglePriority(kPrioridadAlta, checked); });
    connect(action(ActionName::prioridadbaja), &QAction::triggered, this,
            [this](bool checked) { togglePriority(kPrioridadBaja, checked); });
    connect(action(ActionName::verhoy), &QAction::triggered, this, &Tfrm_ppal::verhoyExecute);
    connect(action(ActionName::definicionreportes), &QAction::triggered, this,
            &Tfrm_ppal::definicionreportesExecute);
    connect(action(ActionName::cortar), &QAction::triggered, this, &Tfrm_ppal::cortarExecute);
    connect(action(ActionName::copiar), &QAction::triggered, this, &Tfrm_ppal::copiarExecute);
    connect(action(ActionName::pegar), &QAction::triggered, this, &Tfrm_ppal::pegarExecute);
    connect(action(ActionName::agregaritemtexto), &QAction::triggered, this,
            &Tfrm_ppal::agregaritemtextoExecute);
    connect(action(ActionName::buscar), &QAction::triggered, this, &Tfrm_ppal::buscarExecute);
}

namespace {
void fill(QWidget* target, const QStringList& entries, const QHash<QString, QAction*>& actions) {
    for (const QString& entry : entries) {
        if (entry == kSeparator) {
            auto* separator = new QAction(target);
            separator->setSeparator(true);
            target->addAction(separator);
        } else {
            target->addAction(actions.value(entry));
        }
    }
}
} // namespace

void Tfrm_ppal::createMenus() {
    for (const MenuSpec& entry : mainMenus()) {
        QMenu* menu = menuBar()->addMenu(entry.caption);
        menu->setObjectName(entry.name);
        menu->setToolTipsVisible(true);
        fill(menu, entry.entries, m_actions);
        m_menus.insert(entry.name, menu);
    }
    pm_tv_lista = new QMenu(this);
    pm_tv_lista->setObjectName(QStringLiteral("pm_tv_lista"));
    fill(pm_tv_lista, treePopup(), m_actions);
    pm_re_texto = new QMenu(this);
    pm_re_texto->setObjectName(QStringLiteral("pm_re_texto"));
    fill(pm_re_texto, editorPopup(), m_actions);
}

void Tfrm_ppal::assignMenuMnemonics() {
    QList<QWidget*> containers{menuBar()};
    for (const MenuSpec& entry : mainMenus())
        containers << m_menus.value(entry.name);
    containers << pm_tv_lista << pm_re_texto;
    assignActionMnemonics(containers);
}

void Tfrm_ppal::createToolBars() {
    tb_edit = addToolBar(QStringLiteral("tb_edit"));
    tb_edit->setObjectName(QStringLiteral("tb_edit"));
    fill(tb_edit, editToolBar(), m_actions);
    tb_treeview = addToolBar(QStringLiteral("tb_treeview"));
    tb_treeview->setObjectName(QStringLiteral("tb_treeview"));
    fill(tb_treeview, treeToolBar(), m_actions);
    for (QToolBar* bar : {tb_edit, tb_treeview}) {
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(16, 16));
    }
}

QWidget* Tfrm_ppal::createEditorRow() {
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 2, 4, 2);
    lb_fecha = new QLabel(QStringLiteral("Fecha:"));
    lb_fecha->setObjectName(QStringLiteral("lb_fecha"));
    me_fecha = new DateField;
    me_fecha->setObjectName(QStringLiteral("me_fecha"));
    lb_cumplido = new QLabel(QStringLiteral("Cumplido:"));
    lb_cumplido->setObjectName(QStringLiteral("lb_cumplido"));
    cb_cumplido = new QCheckBox;
    cb_cumplido->setObjectName(QStringLiteral("cb_cumplido"));
    cb_cumplido->setTristate(true);
    cb_cumplido->setEnabled(false);
    tb_cumplido = new QSlider(Qt::Horizontal);
    tb_cumplido->setObjectName(QStringLiteral("tb_cumplido"));
    tb_cumplido->setRange(0, 100);
    tb_cumplido->setPageStep(10);
    tb_cumplido->setTickPosition(QSlider::TicksBelow);
    tb_cumplido->setTickInterval(1); // a tick at every unit
    tb_cumplido->setMinimumWidth(141);
    tb_cumplido->setEnabled(false);
    lb_porc = new QLineEdit;
    lb_porc->setObjectName(QStringLiteral("lb_porc"));
    lb_porc->setInputMask(QStringLiteral("000 %; "));
    lb_porc->setText(QStringLiteral("0"));
    lb_porc->setFixedWidth(lb_porc->fontMetrics().horizontalAdvance(QStringLiteral("000 %")) + 16);
    lb_prioridad = new QLabel(QStringLiteral("Prioridad:"));
    lb_prioridad->setObjectName(QStringLiteral("lb_prioridad"));
    tb_prioralta = new QToolButton;
    tb_prioralta->setObjectName(QStringLiteral("tb_prioralta"));
    tb_prioralta->setDefaultAction(action(ActionName::prioridadalta));
    tb_priorbaja = new QToolButton;
    tb_priorbaja->setObjectName(QStringLiteral("tb_priorbaja"));
    tb_priorbaja->setDefaultAction(action(ActionName::prioridadbaja));
    for (QToolButton* button : {tb_prioralta, tb_priorbaja})
        button->setAutoRaise(true);
    lb_fecha->setBuddy(me_fecha);
    lb_cumplido->setBuddy(tb_cumplido);
    for (QWidget* w :
         std::initializer_list<QWidget*>{lb_fecha, me_fecha, lb_cumplido, cb_cumplido, tb_cumplido,
                                         lb_porc, lb_prioridad, tb_prioralta, tb_priorbaja})
        layout->addWidget(w);
    layout->addStretch();
    return row;
}

void Tfrm_ppal::createLayout() {
    tv_lista = new OutlineView;
    tv_lista->setObjectName(QStringLiteral("tv_lista"));
    // Delete deletes the selected item, asking first, while the tree has the
    // focus; everywhere else the key keeps deleting text.
    auto* deleteKey = new QShortcut(QKeySequence::Delete, tv_lista);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, action(ActionName::borrarnodo), &QAction::trigger);
    tv_lista->setModel(m_model);
    tv_lista->setMinimumWidth(100);
    pn_tv = new QWidget;
    pn_tv->setObjectName(QStringLiteral("pn_tv"));
    auto* treeLayout = new QVBoxLayout(pn_tv);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->addWidget(tv_lista);

    re_texto = new PlainTextEditor;
    re_texto->setObjectName(QStringLiteral("re_texto"));
    re_texto->setTabChangesFocus(false);
    re_texto->setContextMenuPolicy(Qt::CustomContextMenu);
    re_texto->installEventFilter(this);
    pn_texto = new QWidget;
    pn_texto->setObjectName(QStringLiteral("pn_texto"));
    auto* textLayout = new QVBoxLayout(pn_texto);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->setSpacing(0);
    textLayout->addWidget(createEditorRow());
    textLayout->addWidget(re_texto);

    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->addWidget(pn_tv);
    Splitter1->addWidget(pn_texto);
    Splitter1->setHandleWidth(8);
    Splitter1->setOpaqueResize(true);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setStretchFactor(1, 1);
    setCentralWidget(Splitter1);

    sb_status0 = new QLabel;
    sb_status0->setObjectName(QStringLiteral("sb_status0"));
    sb_status1 = new QLabel(QStringLiteral("version:"));
    sb_status1->setObjectName(QStringLiteral("sb_status1"));
    sb_status1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    sb_status1->setFixedWidth(50);
    statusBar()->addWidget(sb_status0, 1);
    statusBar()->addPermanentWidget(sb_status1);

    connect(tv_lista, &OutlineView::itemDropped, this, &Tfrm_ppal::tv_listaEndDrag);
    connect(tv_lista, &OutlineView::popupRequested, this, &Tfrm_ppal::tv_listaContextPopup);
    connect(re_texto, &QWidget::customContextMenuRequested, this, &Tfrm_ppal::pm_re_textoPopup);
}

void Tfrm_ppal::FormCreate(const QString& startupDocument) {
    m_ventanaIniciada = false;
    // Every step runs: a settings file that cannot be read is reported once,
    // and the steps that need it go on with the defaults.
    QString idioma = Settings::opciones::idioma.defaultValue;
    settingsStep([&] { idioma = m_services.settings().text(Settings::opciones::idioma); });
    f_setIdioma(idioma);
    installQtTranslations(f_getIdioma());
    sb_status1->setText(f_getTexto(Messages::version) + Unt_constantes::version);
    f_setTextos();
    f_guardarshortcuts();
    show();
    if (const QString problem = f_takeLanguageProblem(); !problem.isEmpty())
        m_services.reportError(problem);
    settingsStep([this] { m_recentFiles.f_cargarUltimos(m_services.settings().recentFiles()); });
    settingsStep([this] { applyStoredFont(); });
    settingsStep([this] {
        setAutosaveMinutes(m_services.settings().number(Settings::opciones::autoguardado));
    });
    settingsStep([this] {
        setBackupOnSave(m_services.settings().flag(Settings::opciones::copiaseguridad));
    });
    settingsStep([this] { registerFileTypeAtStart(); });
    settingsStep([this] { applyStoredGeometry(); });
    // Unsaved work of a run that ended comes before any document.
    if (!offerRecovery())
        chooseStartupDocument(startupDocument);
    tm_init.setInterval(100);
    tm_init.start();
    cumplidoAlNodo = true;
    clickCumplidoActivo = true;
    m_ventanaIniciada = true;
}

void Tfrm_ppal::f_setTextos() {
    applyWindowTitle(kSection, this);
    // An action designed without a caption takes its texts elsewhere: the
    // recent documents show their paths, undo and redo name the change.
    for (const ActionSpec& entry : mainActions())
        if (!entry.caption.isEmpty())
            applyActionTexts(kSection, action(entry.name));
    for (const MenuSpec& entry : mainMenus())
        applyMenuTexts(kSection, m_menus.value(entry.name), entry.name);
    for (QLabel* label : {lb_prioridad, lb_fecha, lb_cumplido})
        applyCaption(kSection, label);
    updateUndoActions();
}

namespace {
const QLatin1StringView kMoveActions[4] = {ActionName::derecha, ActionName::izquierda,
                                           ActionName::arriba, ActionName::abajo};
}

void Tfrm_ppal::f_guardarshortcuts() {
    for (int i = 0; i < 4; ++i)
        m_savedShortcuts[i] = action(kMoveActions[i])->shortcuts();
}

void Tfrm_ppal::f_activarshortcuts(bool active) {
    for (int i = 0; i < 4; ++i)
        action(kMoveActions[i])->setShortcuts(active ? m_savedShortcuts[i] : QList<QKeySequence>());
}

bool Tfrm_ppal::windowShortcutWins(QObject* control, const QKeyEvent& key) const {
    if (control == re_texto) {
        // Every command's keys, which the editor would otherwise take for its
        // own (Ctrl+Insert to copy, Ctrl+Delete to delete a word, Ctrl+Z):
        // the commands that concern the text act on the editor themselves.
        const QKeySequence pressed(key.keyCombination());
        for (const QAction* command : m_actions)
            if (command->isEnabled() && command->shortcuts().contains(pressed))
                return true;
        return false;
    }
    // In the percent field and the date picker, cut, copy and paste are the
    // window's: they act on the text editor, not on the field.
    return (control == lb_porc || control == me_fecha->lineEdit()) &&
           (key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Copy) ||
            key.matches(QKeySequence::Paste));
}

bool Tfrm_ppal::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        windowShortcutWins(watched, *static_cast<QKeyEvent*>(event))) {
        event->ignore(); // the window's command takes the key
        return true;
    }
    if (watched == re_texto) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            updateUndoActions(); // the editor's own history counts only while it has the focus
        // The editor needs Ctrl+arrows for the caret while it has the focus.
        if (event->type() == QEvent::FocusIn)
            f_activarshortcuts(false);
        else if (event->type() == QEvent::FocusOut &&
                 static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
                 static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
            f_activarshortcuts(true);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tfrm_ppal::f_applyFont(const QFont& font, bool save) {
    tv_lista->setFont(font);
    re_texto->setFont(font);
    if (!save)
        return;
    namespace fuentes = Settings::fuentes;
    m_services.settings().update([&](SettingsEdit& edit) {
        edit.setText(fuentes::nombre, font.family());
        edit.setNumber(fuentes::size, font.pointSize());
        edit.setFlag(fuentes::bold, font.bold());
        edit.setFlag(fuentes::italic, font.italic());
    });
}

void Tfrm_ppal::fuentesExecute() {
    m_services.dialogs().chooseFont(this, m_dialogFont,
                                    [this](const QFont& font) { f_applyFont(font, true); });
}

void Tfrm_ppal::applyStoredFont() {
    namespace fuentes = Settings::fuentes;
    const QString name = m_services.settings().text(fuentes::nombre);
    if (name.isEmpty())
        return;
    QFont font = tv_lista->font();
    font.setFamily(name);
    const int points = m_services.settings().number(fuentes::size);
    if (points > 0)
        font.setPointSize(points);
    font.setItalic(m_services.settings().flag(fuentes::italic));
    font.setBold(m_services.settings().flag(fuentes::bold));
    f_applyFont(font, false);
}

void Tfrm_ppal::applyStoredGeometry() {
    namespace posicion = Settings::posicion;
    const int top = m_services.settings().number(posicion::maintop);
    const int left = m_services.settings().number(posicion::mainleft);
    const int w = m_services.settings().number(posicion::width);
    const int h = m_services.settings().number(posicion::height);
    placeOnAScreen(*this, QRect(left, top, w, h));
    const int split = m_services.settings().number(posicion::mainsplit);
    Splitter1->setSizes({split, std::max(1, width() - split)});
}

void Tfrm_ppal::tv_listaContextPopup(const QPoint& position, bool byMouse) {
    if (byMouse && position.x() > 0) {
        const QModelIndex index = tv_lista->indexAt(position);
        if (index.isValid())
            selectNode(m_model->nodeOf(index));
    }
    QPoint where = position;
    if (!byMouse) {
        const QRect current = tv_lista->visualRect(tv_lista->currentIndex());
        where = current.isValid() ? current.bottomLeft() : QPoint(0, 0);
    }
    pm_tv_lista->popup(tv_lista->viewport()->mapToGlobal(where));
}

void Tfrm_ppal::pm_re_textoPopup(const QPoint& position) {
    action(ActionName::agregaritemtexto)->setEnabled(re_texto->textCursor().hasSelection());
    pm_re_texto->popup(re_texto->viewport()->mapToGlobal(position));
}
