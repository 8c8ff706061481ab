// The main window's document life cycle: start-up document, new, open, open
// recent, save, save as, save one item, autosave, and closing.
#include "mainwindow/widgets/unt_f_main.h"

#include "base/errors.h"
#include "base/unt_constantes.h"
#include "base/widgets/program_services.h"
#include "base/widgets/user_dialogs.h"
#include "document/document_file.h"
#include "document/file_stamp.h"
#include "document/outline_document.h"
#include "document/recovery.h"
#include "language/messages.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/main_actions.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/outline_view.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QSplitter>
#include <QThreadPool>

namespace {
const QString kFilter = QStringLiteral("Archivos Quillnest (*.qnf)");
const QString kSuffix = QStringLiteral("qnf");
} // namespace

void Tfrm_ppal::f_setStatus(const QString& text) {
    sb_status0->setText(text);
}

QString Tfrm_ppal::statusText() const {
    return sb_status0->text();
}

void Tfrm_ppal::f_asignararchivo(const QString& path) {
    if (!m_docNuevo)
        updateRecentFiles([&] { return m_recentFiles.f_agregarUltimo(path); });
    m_archivoActual = path;
    // The placeholder shows the desktop's own mark while there are unsaved changes.
    setWindowTitle(QString(Unt_constantes::producto) + QStringLiteral(" - ") +
                   QFileInfo(path).fileName() + QStringLiteral("[*]"));
}

void Tfrm_ppal::chooseStartupDocument(const QString& argument) {
    QString path;
    if (argument.toUpper().endsWith(QStringLiteral(".QNF"))) {
        path = argument;
    } else {
        settingsStep([&] {
            const QString last = m_services.settings().text(Settings::archivos::ultimo);
            if (!last.isEmpty() &&
                m_services.settings().text(Settings::opciones::docinicio) == u"0")
                path = last;
        });
    }
    if (path.isEmpty()) {
        nuevodocExecute();
        return;
    }
    try {
        f_asignararchivo(path);
        f_abrirArchivo();
        m_docNuevo = false;
    } catch (const QuillnestError& error) {
        // Two sentences, with a blank between them.
        m_services.dialogs().inform(this, error.message() + u' ' +
                                              f_getTexto(Messages::creandoNuevoDocumento));
        nuevodocExecute();
    }
}

std::unique_ptr<OutlineTree> Tfrm_ppal::readDocumentFile(const QString& path) {
    const auto lookup = [](const QString& section, const QString& key, const QString& def) {
        return f_getTexto(section, key, def);
    };
    // The status shows which item is being read, at most every 100 ms, while
    // no command can run: user input waits until the read is over.
    QElapsedTimer sinceUpdate;
    sinceUpdate.start();
    const auto progress = [&](const QString& prefix, int position) {
        if (sinceUpdate.elapsed() < 100)
            return;
        sinceUpdate.restart();
        f_setStatus(prefix + QString::number(position));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    m_reading = true;
    const auto done = qScopeGuard([this] { m_reading = false; });
    return readDocument(path, lookup, progress);
}

void Tfrm_ppal::showOutline(std::unique_ptr<OutlineTree> tree, bool inFile) {
    m_document->load(std::move(tree), inFile);
    m_fileStamp = FileStamp::of(m_archivoActual);
    if (OutlineNode* first = m_model->tree().firstTopLevel())
        selectNode(first);
    else
        loadEditor(nullptr);
}

void Tfrm_ppal::showDocument(std::unique_ptr<OutlineTree> tree) {
    m_docNuevo = false;
    showOutline(std::move(tree), true);
    f_setStatus(QString(Unt_constantes::listo));
}

void Tfrm_ppal::f_abrirArchivo() {
    showDocument(readDocumentFile(m_archivoActual));
}

bool Tfrm_ppal::f_validarmodificaciones() {
    if (!docModificado())
        return true;
    switch (m_services.dialogs().askYesNoCancel(this, f_getTexto(Messages::guardaLosCambios))) {
    case UserDialogs::Answer::Yes:
        // A save that did not happen (its dialog was cancelled) stops the
        // operation that asked, so no work is dropped.
        return guardarExecute();
    case UserDialogs::Answer::No:
        return true;
    case UserDialogs::Answer::Cancel:
        break;
    }
    return false;
}

void Tfrm_ppal::nuevodocExecute() {
    if (!f_validarmodificaciones())
        return;
    // A new document holds one new item and counts as changed until it is
    // saved; its history starts empty.
    m_docNuevo = true;
    f_asignararchivo(f_getTexto(Messages::nuevoArchivo) + QStringLiteral(".qnf"));
    OutlineNode* first = m_document->loadNew(f_getTexto(Messages::nuevoItem), newItemRecord());
    selectNode(first);
    tv_lista->edit(m_model->indexOf(first));
}

void Tfrm_ppal::recuperarExecute() {
    if (!f_validarmodificaciones())
        return;
    const QString path = m_services.dialogs().openFileName(this, kFilter, startFolder());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    // Read first: a file that cannot be read changes nothing, and its error
    // reaches the general error report.
    auto tree = readDocumentFile(path);
    f_asignararchivo(path);
    showDocument(std::move(tree));
}

void Tfrm_ppal::f_abrirarchivoultimo(const QString& path) {
    if (!f_validarmodificaciones())
        return;
    std::unique_ptr<OutlineTree> tree;
    try {
        tree = readDocumentFile(path);
    } catch (const QuillnestError& error) {
        // The document still open comes back to place 1 (unless it was never
        // saved), and the path that failed leaves the list.
        if (!m_docNuevo)
            updateRecentFiles([&] { return m_recentFiles.f_agregarUltimo(m_archivoActual); });
        m_services.dialogs().showError(this, error.message());
        updateRecentFiles([&] {
            m_recentFiles.f_quitarUltimo(path);
            return true;
        });
        return;
    }
    m_docNuevo = false;
    f_asignararchivo(path);
    showDocument(std::move(tree));
}

bool Tfrm_ppal::guardarExecute() {
    return save(false);
}

bool Tfrm_ppal::save(bool automatic) {
    if (!docModificado())
        return true;
    f_setStatus(f_getTexto(Messages::guardando));
    if (m_docNuevo) {
        // The status says so while the save dialog asks for a name, too.
        const bool saved = guardarcomoExecute();
        if (!saved)
            f_setStatus(QString());
        return saved;
    }
    if (m_fileStamp.changedOnDisk(m_archivoActual)) {
        // Another program's version is never replaced without asking, and
        // never by an autosave.
        const QString name = QFileInfo(m_archivoActual).fileName();
        if (automatic) {
            f_setStatus(f_getTexto(Messages::autoguardadoOmitido).arg(name));
            return false;
        }
        f_setStatus(QString());
        switch (m_services.dialogs().askChoice(
            this, f_getTexto(Messages::cambiadoEnDisco).arg(name),
            {f_getTexto(Messages::botonSobrescribir), f_getTexto(Messages::botonGuardarComo),
             f_getTexto(Messages::botonCancelar)})) {
        case 0:
            break;
        case 1:
            return guardarcomoExecute();
        default:
            return false;
        }
    }
    saveDocumentTo(m_archivoActual);
    return true;
}

void Tfrm_ppal::saveDocumentTo(const QString& path) {
    f_setStatus(f_getTexto(Messages::guardando));
    f_actualizarTextoNodo();
    try {
        writeOutline(m_model->tree(), path);
    } catch (...) {
        f_setStatus(QString());
        throw; // the document stays modified; its old file is intact
    }
    // The document takes a new name only once it is written there.
    m_docNuevo = false;
    if (path != m_archivoActual)
        f_asignararchivo(path);
    m_document->markSaved();
    m_fileStamp = FileStamp::of(path);
    f_setStatus(QString(Unt_constantes::listo));
}

void Tfrm_ppal::writeOutline(const OutlineTree& tree, const QString& path) {
    if (m_backupOnSave)
        keepBackup(path);
    f_guardarNodos(tree, path);
}

void Tfrm_ppal::setBackupOnSave(bool backup) {
    m_backupOnSave = backup;
}

QString Tfrm_ppal::startFolder() {
    if (!m_docNuevo && !m_archivoActual.isEmpty())
        return QFileInfo(m_archivoActual).absolutePath();
    QString folder;
    settingsStep([&] { folder = m_services.settings().text(Settings::carpetas::ultima); });
    return folder;
}

void Tfrm_ppal::rememberFolder(const QString& chosen) {
    const QString folder = QFileInfo(chosen).absolutePath();
    settingsStep([&] {
        if (m_services.settings().text(Settings::carpetas::ultima) != folder)
            m_services.settings().write(Settings::carpetas::ultima, folder);
    });
}

QString Tfrm_ppal::chooseSaveName() {
    while (true) {
        const QString path =
            m_services.dialogs().saveFileName(this, kFilter, kSuffix, startFolder());
        if (!path.isEmpty())
            rememberFolder(path);
        if (path.isEmpty() || !QFileInfo::exists(path))
            return path;
        switch (
            m_services.dialogs().askYesNoCancel(this, f_getTexto(Messages::deseaSobreescribir))) {
        case UserDialogs::Answer::Yes:
            return path;
        case UserDialogs::Answer::No:
            continue;
        case UserDialogs::Answer::Cancel:
            return QString();
        }
    }
}

bool Tfrm_ppal::guardarcomoExecute() {
    const QString path = chooseSaveName();
    if (path.isEmpty())
        return false;
    saveDocumentTo(path);
    // Saved under its own name again, it still moves to the top of the recent list.
    updateRecentFiles([&] { return m_recentFiles.f_agregarUltimo(path); });
    return true;
}

void Tfrm_ppal::guardarnodoExecute() {
    OutlineNode* selected = selectedNode();
    if (!selected)
        return;
    const QString path = chooseSaveName();
    if (path.isEmpty())
        return;
    f_actualizarTextoNodo();
    // The item's subtree as an outline of its own, sharing the records for
    // as long as the write lasts.
    OutlineTree scratch;
    writeOutline(*f_copiarNodoAux(selected, scratch), path);
}

namespace {
// A recovery copy follows the last change by this much, and so is written
// at most this often while the user types.
constexpr int kRecoveryDelayMs = 3000;
// Records gathered for a copy between two events: about a millisecond.
constexpr int kRecoveryItemsPerStep = 4000;
} // namespace

void Tfrm_ppal::connectRecovery() {
    m_recovery = std::make_unique<RecoveryStore>(m_services.recoveryFolder());
    m_recoveryWriter = std::make_unique<QThreadPool>();
    m_recoveryWriter->setMaxThreadCount(1); // copies reach the disk in their order
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(kRecoveryDelayMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &Tfrm_ppal::writeRecoveryCopy);
    connect(m_document, &OutlineDocument::changed, this, [this] {
        // A copy being gathered would mix two states: it starts again later.
        m_recoveryBytes.reset();
        if (!m_recoveryTimer.isActive())
            m_recoveryTimer.start();
    });
    // Another document replaces this one: its changes were saved or dropped.
    connect(m_document, &OutlineDocument::aboutToReset, this, [this] {
        m_recoveryBytes.reset();
        m_recoveryTimer.stop();
        removeRecoveryCopy();
        m_restored = false;
    });
    // Saved, or undone back to the file: nothing left to recover.
    connect(m_document, &OutlineDocument::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            removeRecoveryCopy();
    });
}

void Tfrm_ppal::writeRecoveryCopy() {
    // A new document nobody has touched holds nothing worth a copy.
    const bool untouchedNew = m_docNuevo && !m_document->canUndo() && !m_restored;
    if (!m_document->isModified() || untouchedNew) {
        removeRecoveryCopy();
        return;
    }
    f_actualizarTextoNodo();
    m_recoveryBytes = std::make_unique<DocumentBytesBuilder>(m_model->tree());
    continueRecoveryCopy();
}

void Tfrm_ppal::continueRecoveryCopy() {
    if (!m_recoveryBytes)
        return; // the document changed meanwhile; the timer brings a new copy
    if (!m_recoveryBytes->step(kRecoveryItemsPerStep)) {
        QTimer::singleShot(0, this, &Tfrm_ppal::continueRecoveryCopy);
        return;
    }
    const QByteArray bytes = m_recoveryBytes->take();
    m_recoveryBytes.reset();
    // The window waits for this before it goes (the pool is destroyed first).
    m_recoveryWriter->start([this, bytes, path = m_archivoActual, isNew = m_docNuevo] {
        const QString problem = m_recovery->write(bytes, path, isNew);
        if (!problem.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, problem] { f_setStatus(problem); }, Qt::QueuedConnection);
    });
}

void Tfrm_ppal::removeRecoveryCopy() {
    m_recoveryBytes.reset();
    m_recoveryWriter->waitForDone();
    m_recovery->remove();
}

bool Tfrm_ppal::offerRecovery() {
    for (const LeftCopy& copy : m_recovery->leftCopies()) {
        RecoveredDocument recovered;
        try {
            recovered = readRecovery(copy.file);
        } catch (const QuillnestError& error) {
            RecoveryStore::keepAside(copy);
            m_services.dialogs().showError(
                this, f_getTexto(Messages::copiaDanada)
                          .arg(error.message(), copy.file + QStringLiteral(".damaged")));
            continue;
        }
        const QString name = QFileInfo(recovered.documentPath).fileName();
        const int answer = m_services.dialogs().askChoice(
            this,
            f_getTexto(Messages::recuperarCopia)
                .arg(name, QLocale().toString(copy.written, QLocale::ShortFormat)),
            {f_getTexto(Messages::botonRestaurar), f_getTexto(Messages::botonDescartar)});
        if (answer == 1) {
            RecoveryStore::discard(copy);
            continue;
        }
        if (answer != 0)
            continue; // closed: the copy stays for the next start
        // The document as it was, under its own name, with changes to save.
        m_docNuevo = recovered.isNew;
        f_asignararchivo(recovered.documentPath);
        showOutline(std::move(recovered.tree), false);
        m_restored = true;
        // This run's own copy first, then the old one goes.
        const QString problem =
            m_recovery->write(documentBytes(m_model->tree()), m_archivoActual, m_docNuevo);
        if (problem.isEmpty())
            RecoveryStore::discard(copy);
        else
            f_setStatus(problem);
        return true;
    }
    return false;
}

void Tfrm_ppal::tm_autoguardadoTimer() {
    if (!m_docNuevo && !m_reading)
        save(true);
}

void Tfrm_ppal::setAutosaveMinutes(int minutes) {
    // A timer interval is an int of milliseconds; longer periods are capped.
    constexpr int kMaxMinutes = std::numeric_limits<int>::max() / 60000;
    if (minutes > 0) {
        tm_autoguardado.start(std::min(minutes, kMaxMinutes) * 60000);
    } else {
        tm_autoguardado.stop();
    }
}

void Tfrm_ppal::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!m_ventanaIniciada || m_reading)
        return;
    try {
        if (!f_validarmodificaciones())
            return;
    } catch (const QuillnestError& error) {
        // The save asked for failed: the program stays open with the document.
        m_services.reportError(error.message());
        return;
    }
    f_cerraraplicacion();
    event->accept();
}

void Tfrm_ppal::f_cerraraplicacion() {
    namespace posicion = Settings::posicion;
    // Closed cleanly: the changes were saved or dropped.
    m_recoveryTimer.stop();
    removeRecoveryCopy();
    // Nothing of the document is at stake; the program still closes.
    settingsStep([this] {
        m_services.settings().update([this](SettingsEdit& edit) {
            edit.setText(Settings::archivos::ultimo,
                         QFileInfo::exists(m_archivoActual) ? m_archivoActual : QString());
            edit.setNumber(posicion::maintop, y());
            edit.setNumber(posicion::mainleft, x());
            edit.setNumber(posicion::width, width());
            edit.setNumber(posicion::height, height());
            edit.setNumber(posicion::mainsplit, Splitter1->sizes().value(0));
        });
    });
}

void Tfrm_ppal::settingsStep(const std::function<void()>& step) {
    try {
        step();
    } catch (const QuillnestError& error) {
        if (!m_settingsErrorShown)
            m_services.reportError(error.message());
        m_settingsErrorShown = true;
    }
}

void Tfrm_ppal::updateRecentFiles(const std::function<bool()>& change) {
    settingsStep([&] {
        if (change())
            m_services.settings().update(
                [this](SettingsEdit& edit) { edit.setRecentFiles(m_recentFiles.paths()); });
    });
}

void Tfrm_ppal::refreshRecentActions() {
    const QStringList& paths = m_recentFiles.paths();
    const QStringList names = recentActionNames();
    for (int i = 0; i < names.size(); ++i) {
        QAction* recent = action(names[i]);
        const QString path = paths.value(i);
        recent->setData(path);
        // An ampersand in a path is text, not a menu mnemonic.
        recent->setText(QString(path).replace(u'&', QStringLiteral("&&")));
        recent->setVisible(!path.isEmpty());
    }
    assignMenuMnemonics();
}
