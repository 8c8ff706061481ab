#pragma once
// The main window: the item tree beside the editor of the selected item, with
// the menus, tool bars and shortcuts of every command.

#include "base/widgets/program_services.h"
#include "document/file_stamp.h"
#include "document/outline_tree.h"
#include "document/unt_clipboard.h"
#include "document/unt_ultimosarchivos.h"
#include "reports/widgets/report_host.h"
#include "settings/widgets/running_options.h"
#include "settings/widgets/unt_f_about.h"

#include <QFont>
#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QTimer>
#include <functional>

class FindDialog;
class DocumentBytesBuilder;
class QThreadPool;
class RecoveryStore;
class OutlineDocument;
class OutlineModel;
class OutlineView;
class QAction;
class QCheckBox;
class QKeyEvent;
class DateField;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QSlider;
class QSplitter;
class QToolBar;
class QToolButton;
class QStatusBar;

class Tfrm_ppal : public QMainWindow, public RunningOptions, public DialogFolders {
    Q_OBJECT
public:
    // `settings` is read and written for the window's whole life and handed to
    // the dialogs that need it; `startupDocument` is the first command-line
    // argument, if any.
    explicit Tfrm_ppal(ProgramServices& services, const QString& startupDocument = QString(),
                       QWidget* parent = nullptr);
    ~Tfrm_ppal() override;

    QAction* action(const QString& name) const { return m_actions.value(name); }
    OutlineModel* model() const { return m_model; }
    // The open document: every change of it goes through here.
    OutlineDocument* document() const { return m_document; }
    OutlineNode* selectedNode() const;
    void selectNode(OutlineNode* node);

    bool docModificado() const;
    bool docNuevo() const { return m_docNuevo; }
    const QString& archivoActual() const { return m_archivoActual; }
    bool ventanaIniciada() const { return m_ventanaIniciada; }

    // Document state (reading, writing and the questions around them).
    void f_setStatus(const QString& text);
    QString statusText() const;
    void f_asignararchivo(const QString& path);
    void f_abrirArchivo();
    void f_actualizarTextoNodo();
    // Asks about unsaved changes; false when the user cancelled, or when a
    // save that was asked for did not happen.
    bool f_validarmodificaciones();
    void nuevodocExecute();
    void recuperarExecute();
    void f_abrirarchivoultimo(const QString& path);
    // True when the document is in its file afterwards.
    bool guardarExecute();
    bool guardarcomoExecute();
    void guardarnodoExecute();
    void tm_autoguardadoTimer();
    void setAutosaveMinutes(int minutes) override;
    void setBackupOnSave(bool backup) override;
    void f_cerraraplicacion();
    RecentFiles& recentFiles() { return m_recentFiles; }
    void f_borrarHistorial() override { m_recentFiles.f_borrarHistorial(); }
    // Where the file dialogs start: the document's own folder, else the
    // folder last chosen in one of them.
    QString startFolder() override;
    void rememberFolder(const QString& chosen) override;

    // Texts, fonts and shortcuts.
    void f_setTextos();
    void f_guardarshortcuts();
    void f_activarshortcuts(bool active);
    void f_applyFont(const QFont& font, bool save);

    // Tree restructuring.
    void tv_listaEndDrag(const QPoint& position);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Whether a key pressed in the control goes to the window's command
    // rather than to the control's own use of it.
    bool windowShortcutWins(QObject* control, const QKeyEvent& key) const;

private:
    // Controls, named as the program names them.
    OutlineView* tv_lista = nullptr;
    QPlainTextEdit* re_texto = nullptr;
    DateField* me_fecha = nullptr;
    QCheckBox* cb_cumplido = nullptr;
    QSlider* tb_cumplido = nullptr;
    QLineEdit* lb_porc = nullptr;
    QLabel* lb_fecha = nullptr;
    QLabel* lb_cumplido = nullptr;
    QLabel* lb_prioridad = nullptr;
    QToolButton* tb_prioralta = nullptr;
    QToolButton* tb_priorbaja = nullptr;
    QToolBar* tb_edit = nullptr;
    QToolBar* tb_treeview = nullptr;
    QWidget* pn_tv = nullptr;
    QWidget* pn_texto = nullptr;
    QSplitter* Splitter1 = nullptr;
    QLabel* sb_status0 = nullptr;
    QLabel* sb_status1 = nullptr;
    QMenu* pm_tv_lista = nullptr;
    QMenu* pm_re_texto = nullptr;
    // Children of the window, so they are found by name like its controls.
    QTimer tm_autoguardado{this};
    QTimer tm_init{this};

    // Construction, split by concern over the unit's files.
    void createActions();
    void createMenus();
    void createToolBars();
    QWidget* createEditorRow();
    void createLayout();
    void connectEditor();
    void connectHistory();
    void FormCreate(const QString& startupDocument);
    void applyStoredFont();
    void applyStoredGeometry();
    void chooseStartupDocument(const QString& argument);
    // Reads a whole document, showing progress and holding back user input;
    // nothing on screen changes here. Throws when the file cannot be read.
    std::unique_ptr<OutlineTree> readDocumentFile(const QString& path);
    // Shows an outline under the current name with an empty history: one read
    // from its file, or (not in its file) one with changes still to save.
    void showOutline(std::unique_ptr<OutlineTree> tree, bool inFile);
    // Shows an outline read from its file, and says the window is ready.
    void showDocument(std::unique_ptr<OutlineTree> tree);
    // Recovery copies: this run's, written a moment after a change while the
    // document has unsaved changes; and those a run that ended left behind,
    // offered at start. True when one was restored.
    void connectRecovery();
    // Starts a copy: its bytes are gathered a part at a time between events,
    // then written on a thread of their own, so the user never waits.
    void writeRecoveryCopy();
    void continueRecoveryCopy();
    // Waits for a copy being written, then removes this run's copy.
    void removeRecoveryCopy();
    bool offerRecovery();
    // Save, by the user or by autosave; see guardarExecute.
    bool save(bool automatic);
    // Saves the whole document to the path, which becomes its name.
    void saveDocumentTo(const QString& path);
    // Writes an outline to a document file, first keeping the file it
    // replaces as a backup when the options ask for one.
    void writeOutline(const OutlineTree& tree, const QString& path);
    // The file name chosen in the save dialog, asking before overwriting;
    // empty when the user cancelled.
    QString chooseSaveName();
    void refreshRecentActions();
    // Gives the menu bar, every menu and popup distinct mnemonics; run after
    // any caption of theirs changes.
    void assignMenuMnemonics();
    // Runs a step that reads or writes the settings: a settings file that
    // cannot be read or written is reported once per run, and stops neither
    // start-up nor the document operation around the step.
    void settingsStep(const std::function<void()>& step);
    // Changes the recent list and, when the change says so, stores it, as a
    // settings step.
    void updateRecentFiles(const std::function<bool()>& change);

    // Item editor.
    void tv_listaChanging(OutlineNode* oldNode, OutlineNode* newNode);
    void loadEditor(OutlineNode* node);
    // The record's date, percentage and priority into the controls.
    void showRecord(OutlineNode* node);
    // The controls brought up to the record of the item on show, after the
    // document changed; the editor's own text stays when the record holds it.
    void refreshEditor();
    void writeEditor(OutlineNode* node);
    // The editor's text as a record holds it (CR LF line breaks).
    QString editorText() const;
    void re_textoChange();
    void me_fechaChange();
    void tb_cumplidoChange(int position);
    void lb_porcChange();
    void cb_cumplidoClick();
    // The toggles prioridadalta and prioridadbaja: `priority` is the one the
    // toggle gives (kPrioridadAlta or kPrioridadBaja), `checked` its new state.
    void togglePriority(quint8 priority, bool checked);
    void updatePercentControls(bool editable);

    // Tree restructuring.
    void agregarnodoExecute();
    void borrarnodoExecute();
    void nombrarnodoExecute();
    void arribaExecute();
    void abajoExecute();
    void izquierdaExecute();
    void derechaExecute();

    void fuentesExecute();
    void tv_listaContextPopup(const QPoint& position, bool byMouse);
    void pm_re_textoPopup(const QPoint& position);

    // Item clipboard and find.
    void cortarExecute();
    void copiarExecute();
    void pegarExecute();
    void agregaritemtextoExecute();
    void buscarExecute();
    void FindDialog1Find();
    // The selected item into the item clipboard and its outline onto the
    // system clipboard; returns it, or nullptr with nothing selected.
    OutlineNode* copySelectedItem();
    // The selected item, selecting the first one when none is; nullptr when empty.
    OutlineNode* selectAnItem();
    void selectEditorText(int start, int length);
    ItemClipboard tv_clipboard;
    FindDialog* FindDialog1 = nullptr; // created when first opened
    AboutBoxes m_aboutBoxes;

    // Options, help and About.
    void connectSettingsActions();
    // Registers the document file type when the settings ask for it; a failure
    // is reported and start-up goes on.
    void registerFileTypeAtStart();
    void opcionesExecute();
    void helpExecute();
    void aboutExecute();
    void tm_initTimer();

    // Undo and redo: the editor's own typing history while it has the focus
    // and something to undo, the document's otherwise.
    void deshacerExecute();
    void rehacerExecute();
    void updateUndoActions();

    // Reports.
    void verhoyExecute();
    void definicionreportesExecute();
    // What a new report window is made with.
    ReportContext reportContext();
    std::unique_ptr<ReportHost> m_reportHost; // made with the first report window
    ReportWindows m_reportWindows;

    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    OutlineDocument* m_document = nullptr;
    OutlineModel* m_model = nullptr;
    QList<QKeySequence> m_savedShortcuts[4];
    QFont m_dialogFont;

    ProgramServices& m_services;
    RecentFiles m_recentFiles;
    bool m_reading = false;
    bool m_settingsErrorShown = false;
    bool m_backupOnSave = true;
    FileStamp m_fileStamp; // the document's file as last read or written
    std::unique_ptr<RecoveryStore> m_recovery;
    QTimer m_recoveryTimer;
    std::unique_ptr<DocumentBytesBuilder> m_recoveryBytes; // a copy being gathered
    std::unique_ptr<QThreadPool> m_recoveryWriter;         // one copy written at a time
    bool m_restored = false;                               // the document came from a recovery copy
    QString m_archivoActual;
    bool m_docNuevo = false;
    bool m_ventanaIniciada = false;

    // Editor guards: the program's own updates of the controls are no edits.
    bool edicionActiva = false;
    bool cumplidoAlNodo = false;
    bool clickCumplidoActivo = false;
    // The item the editor shows; the one written back when the selection moves.
    OutlineNode* m_editorNode = nullptr;
};
