#include "../support/window_controls.h"
#include "../support/window_fixture.h"
#include "base/errors.h"
#include "base/mnemonics.h"
#include "base/program_folder.h"
#include "document/document_file.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString defaults(const QString&, const QString&, const QString& def) {
    return def;
}
} // namespace

class TestDocumentLifecycle : public MainWindowTest {
    Q_OBJECT

    QString path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }

    void writeDocument(const QString& file, const QStringList& tops) {
        OutlineTree tree;
        for (const QString& caption : tops)
            tree.addLastTopLevel(caption, newItemRecord());
        f_guardarNodos(tree, file);
    }

    Tfrm_ppal* start(const QString& argument = QString()) {
        m_window = std::make_unique<Tfrm_ppal>(*m_services, argument);
        return m_window.get();
    }

    // A window with a saved document "a.qnf" holding A, changed by a rename.
    Tfrm_ppal* startChanged() {
        writeDocument(path("a.qnf"), {"A"});
        Tfrm_ppal* w = start(path("a.qnf"));
        w->document()->rename(w->model()->tree().firstTopLevel(), QStringLiteral("A changed"));
        return w;
    }

private slots:
    void init() { setUpWindowTest(); }
    void cleanup() { tearDownWindowTest(); }

    // The open and save dialogs start in the document's folder; for a new
    // document, in the folder chosen last, which is kept for later runs.
    void fileDialogsStartWhereTheUserWorks() {
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("work")));
        writeDocument(path("work/b.qnf"), {"B"});
        Tfrm_ppal* w = start();
        m_dialogs->yesNoCancel = {UserDialogs::Answer::No}; // the new document is not kept
        m_dialogs->fileNames = {path("work/b.qnf")};
        w->recuperarExecute();
        QCOMPARE(w->archivoActual(), path("work/b.qnf"));
        QVERIFY(!w->guardarcomoExecute()); // cancelled
        w->nuevodocExecute();
        QVERIFY(!w->guardarcomoExecute());
        QCOMPARE(m_dialogs->folders, QStringList({QString(), path("work"), path("work")}));
        QCOMPARE(m_settings->text(Settings::carpetas::ultima), path("work"));
    }

    void stateTable() {
        Tfrm_ppal* w = start();
        QVERIFY(w->docNuevo());
        QVERIFY(w->docModificado());
        QCOMPARE(w->archivoActual(), QStringLiteral("NUEVO  ARCHIVO.qnf"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Quillnest - NUEVO  ARCHIVO.qnf[*]"));
        QVERIFY(w->isWindowModified());
        QVERIFY(w->recentFiles().paths().isEmpty());

        m_dialogs->fileNames = {path("b.qnf")};
        QVERIFY(w->guardarExecute());
        QVERIFY(!w->docNuevo());
        QVERIFY(!w->docModificado());
        QCOMPARE(w->archivoActual(), path("b.qnf"));
        QCOMPARE(w->recentFiles().paths(), QStringList{path("b.qnf")});
        QCOMPARE(w->statusText(), QStringLiteral("Listo"));

        w->action(QStringLiteral("agregarnodo"))->trigger();
        QVERIFY(w->docModificado());
        w->action(QStringLiteral("guardar"))->trigger();
        QVERIFY(!w->docModificado());
        QCOMPARE(outlineLines(*readDocument(path("b.qnf"), defaults)).size(), 2);

        // Saving with no changes writes nothing and says nothing.
        QFile::remove(path("b.qnf"));
        w->f_setStatus(QString());
        QVERIFY(w->guardarExecute());
        QVERIFY(!QFile::exists(path("b.qnf")));
        QCOMPARE(w->statusText(), QString());
    }

    void unsavedChangesQuestion_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("proceeds");
        QTest::addColumn<bool>("saved");
        using A = UserDialogs::Answer;
        for (const char* op : {"new", "open", "recent", "close"}) {
            QTest::addRow("%s yes", op) << op << int(A::Yes) << true << true;
            QTest::addRow("%s no", op) << op << int(A::No) << true << false;
            QTest::addRow("%s cancel", op) << op << int(A::Cancel) << false << false;
        }
    }
    void unsavedChangesQuestion() {
        QFETCH(QString, operation);
        QFETCH(int, answer);
        QFETCH(bool, proceeds);
        QFETCH(bool, saved);
        writeDocument(path("other.qnf"), {"Other"});
        Tfrm_ppal* w = startChanged();
        m_dialogs->yesNoCancel = {UserDialogs::Answer(answer)};
        m_dialogs->fileNames = {path("other.qnf")};
        bool closed = false;
        if (operation == QStringLiteral("new")) {
            w->nuevodocExecute();
        } else if (operation == QStringLiteral("open")) {
            w->recuperarExecute();
        } else if (operation == QStringLiteral("recent")) {
            w->f_abrirarchivoultimo(path("other.qnf"));
        } else {
            closed = w->close();
        }
        QCOMPARE(m_dialogs->asked, QStringList{"GUARDA LOS CAMBIOS?"});
        const bool stillOnA = w->archivoActual() == path("a.qnf") && w->isVisible();
        QCOMPARE(!stillOnA || closed, proceeds);
        QCOMPARE(outlineLines(*readDocument(path("a.qnf"), defaults)).first(),
                 saved ? QStringLiteral("A changed") : QStringLiteral("A"));
        if (!proceeds)
            QVERIFY(w->docModificado());
    }

    void cancelledSaveAsStopsTheOperation() {
        Tfrm_ppal* w = start();
        const int files = QDir(m_dir->path()).entryList(QDir::Files).size();
        // Save of a never-saved document whose dialog is cancelled writes nothing.
        QVERIFY(!w->guardarExecute());
        QVERIFY(w->docModificado());
        QVERIFY(w->docNuevo());
        // A close that asked and got Yes is then cancelled too.
        m_dialogs->yesNoCancel = {UserDialogs::Answer::Yes};
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        m_dialogs->yesNoCancel = {UserDialogs::Answer::Yes};
        w->nuevodocExecute();
        QCOMPARE(w->model()->tree().count(), 1);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), files);
    }

    void saveAsOntoAnExistingFile() {
        writeDocument(path("taken.qnf"), {"Taken"});
        Tfrm_ppal* w = start();
        m_dialogs->fileNames = {path("taken.qnf"), path("free.qnf")};
        m_dialogs->yesNoCancel = {UserDialogs::Answer::No};
        QVERIFY(w->guardarcomoExecute());
        QCOMPARE(m_dialogs->asked, QStringList{"desea sobreescribir"});
        QCOMPARE(w->archivoActual(), path("free.qnf"));
        QCOMPARE(outlineLines(*readDocument(path("taken.qnf"), defaults)), QStringList{"Taken"});
        // Yes overwrites; Cancel changes nothing.
        m_dialogs->fileNames = {path("taken.qnf")};
        m_dialogs->yesNoCancel = {UserDialogs::Answer::Cancel};
        QVERIFY(!w->guardarcomoExecute());
        m_dialogs->fileNames = {path("taken.qnf")};
        m_dialogs->yesNoCancel = {UserDialogs::Answer::Yes};
        QVERIFY(w->guardarcomoExecute());
        QCOMPARE(outlineLines(*readDocument(path("taken.qnf"), defaults)),
                 QStringList{"NUEVO ITEM"});
    }

    void autosaveWritesOnlyASavedChangedDocument() {
        m_settings->write(QStringLiteral("opciones"), QStringLiteral("autoguardado"),
                          QStringLiteral("5"));
        Tfrm_ppal* w = start();
        QVERIFY(controls(w).tm_autoguardado->isActive());
        QCOMPARE(controls(w).tm_autoguardado->interval(), 300000);
        w->tm_autoguardadoTimer();
        QVERIFY(w->docNuevo()); // a new document is not saved by the timer
        QCOMPARE(m_dialogs->asked, QStringList());

        w = startChanged();
        w->tm_autoguardadoTimer();
        QVERIFY(!w->docModificado());
        QCOMPARE(outlineLines(*readDocument(path("a.qnf"), defaults)), QStringList{"A changed"});

        m_settings->write(QStringLiteral("opciones"), QStringLiteral("autoguardado"),
                          QStringLiteral("0"));
        QVERIFY(!controls(start()).tm_autoguardado->isActive());
    }

    void failedOpenChangesNothing() {
        writeDocument(path("a.qnf"), {"A"});
        Tfrm_ppal* w = start(path("a.qnf"));
        QFile damaged(path("bad.qnf"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("0\r\n0\r\n1\r\nhalf");
        damaged.close();
        m_dialogs->fileNames = {path("bad.qnf")};
        QVERIFY_THROWS_EXCEPTION(QuillnestError, w->recuperarExecute());
        QCOMPARE(w->archivoActual(), path("a.qnf"));
        QCOMPARE(outlineLines(w->model()->tree()), QStringList{"A"});
        QVERIFY(!w->docModificado());
        QCOMPARE(w->recentFiles().paths(), QStringList{path("a.qnf")});

        // From the recent list: the error is shown and the path leaves the list.
        w->recentFiles().f_agregarUltimo(path("gone.qnf"));
        w->f_abrirarchivoultimo(path("gone.qnf"));
        QCOMPARE(m_dialogs->asked.size(), 1);
        QVERIFY(m_dialogs->asked.first().contains(path("gone.qnf")));
        QCOMPARE(w->recentFiles().paths(), QStringList{path("a.qnf")});
        QCOMPARE(w->archivoActual(), path("a.qnf"));
        // The document still open comes back to place 1.
        w->recentFiles().f_agregarUltimo(path("other.qnf"));
        w->recentFiles().f_agregarUltimo(path("gone.qnf"));
        w->f_abrirarchivoultimo(path("gone.qnf"));
        QCOMPARE(w->recentFiles().paths(), QStringList({path("a.qnf"), path("other.qnf")}));
    }

    // The reading error speaks the program's language, and the sentence that
    // follows it stands apart.
    void startupErrorIsInTheProgramsLanguage() {
        m_settings->write(QStringLiteral("opciones"), QStringLiteral("idioma"),
                          QStringLiteral("espanol"));
        QFile damaged(path("bad.qnf"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("0\r\n0\r\n1\r\nhalf");
        damaged.close();
        start(path("bad.qnf"));
        QCOMPARE(m_dialogs->asked.value(0),
                 QStringLiteral("El documento %1 está dañado en la línea 4: el archivo termina "
                                "antes del campo fecha de un item. Se creará un documento nuevo.")
                     .arg(path("bad.qnf")));
    }

    // A settings file that cannot be read is reported once, and start-up runs
    // every step on the defaults: the document named is opened.
    void unreadableSettingsAreReportedOnceAndStartUpGoesOn() {
        writeDocument(path("a.qnf"), {"A"});
        QVERIFY(
            QDir().mkpath(f_nombreIni(m_services->folder()))); // a folder where the file should be
        Tfrm_ppal* w = start(path("a.qnf"));
        QCOMPARE(m_dialogs->asked.size(), 1);
        QVERIFY2(m_dialogs->asked.first().contains(f_nombreIni(m_services->folder())),
                 qPrintable(m_dialogs->asked.first()));
        QVERIFY(w->ventanaIniciada());
        QCOMPARE(w->archivoActual(), path("a.qnf"));
        QCOMPARE(outlineLines(w->model()->tree()), QStringList{"A"});
        QVERIFY(controls(w).sb_status1->text().endsWith(QStringLiteral("0.9.8")));
        QVERIFY(w->close());
        QCOMPARE(m_dialogs->asked.size(), 1);
    }

    // A language file out of reach: the built-in texts, and a word on why.
    void languageFileOutOfReachKeepsTheBuiltinTexts() {
        m_settings->write(QStringLiteral("opciones"), QStringLiteral("idioma"),
                          QStringLiteral("english"));
        QVERIFY(QDir().mkpath(path("english.txt"))); // a folder where the file should be
        Tfrm_ppal* w = start();
        QCOMPARE(withoutMnemonic(w->action(QStringLiteral("buscar"))->text()),
                 QStringLiteral("Find"));
        QCOMPARE(m_dialogs->asked.size(), 1);
        QVERIFY(m_dialogs->asked.first().contains(path("english.txt")));
    }

    // A stored place that no screen shows puts the window on the main screen;
    // one larger than the screen (kept at a smaller scale) shrinks to it.
    void windowStaysOnAScreen_data() {
        QTest::addColumn<QStringList>("stored"); // top, left, width, height
        QTest::newRow("off every screen") << QStringList{"-5000", "90000", "600", "400"};
        QTest::newRow("larger than the screen") << QStringList{"20", "30", "3000", "2000"};
    }
    void windowStaysOnAScreen() {
        QFETCH(QStringList, stored);
        const char* keys[] = {"maintop", "mainleft", "width", "height"};
        for (int i = 0; i < 4; ++i)
            m_settings->write(QStringLiteral("posicion"), QLatin1StringView(keys[i]), stored[i]);
        Tfrm_ppal* w = start();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(available.contains(w->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(w->frameGeometry().x())
                                .arg(w->frameGeometry().y())
                                .arg(w->frameGeometry().width())
                                .arg(w->frameGeometry().height())));
    }

    // A file another program changed or deleted is not replaced without asking,
    // and never by an autosave.
    void fileChangedBehindTheProgramsBack_data() {
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QStringList>("onDisk");
        QTest::newRow("changed, cancel") << false << 2 << QStringList{"Theirs"};
        QTest::newRow("changed, box closed") << false << -1 << QStringList{"Theirs"};
        QTest::newRow("changed, overwrite") << false << 0 << QStringList{"Mine"};
        QTest::newRow("deleted, overwrite") << true << 0 << QStringList{"Mine"};
        QTest::newRow("changed, save as") << false << 1 << QStringList{"Theirs"};
    }
    void fileChangedBehindTheProgramsBack() {
        QFETCH(bool, deleted);
        QFETCH(int, choice);
        QFETCH(QStringList, onDisk);
        writeDocument(path("a.qnf"), {"A"});
        Tfrm_ppal* w = start(path("a.qnf"));
        w->document()->rename(w->model()->tree().firstTopLevel(), QStringLiteral("Mine"));
        if (deleted)
            QVERIFY(QFile::remove(path("a.qnf")));
        else
            writeDocument(path("a.qnf"), {"Theirs"});
        // The autosave leaves it alone and says so.
        w->tm_autoguardadoTimer();
        QVERIFY(w->statusText().contains(QStringLiteral("a.qnf")));
        QVERIFY(w->docModificado());
        QVERIFY(m_dialogs->asked.isEmpty());
        m_dialogs->choices = {choice};
        m_dialogs->fileNames = {path("b.qnf")};
        QCOMPARE(w->guardarExecute(), choice == 0 || choice == 1);
        QCOMPARE(m_dialogs->asked.size(), 1);
        QVERIFY(m_dialogs->asked.first().contains(QStringLiteral("a.qnf")));
        if (!deleted || choice == 0)
            QCOMPARE(outlineLines(*readDocument(path("a.qnf"), defaults)), onDisk);
        if (choice == 1)
            QCOMPARE(outlineLines(*readDocument(path("b.qnf"), defaults)), QStringList{"Mine"});
        // Once saved, the file is the program's own again.
        if (choice == 0) {
            w->document()->rename(w->model()->tree().firstTopLevel(), QStringLiteral("Again"));
            QVERIFY(w->guardarExecute());
            QCOMPARE(m_dialogs->asked.size(), 1);
        }
    }

    // A save keeps the file it replaces as "name~", unless the option is off.
    void saveKeepsABackup_data() {
        QTest::addColumn<bool>("backup");
        QTest::newRow("backup on") << true;
        QTest::newRow("backup off") << false;
    }
    void saveKeepsABackup() {
        QFETCH(bool, backup);
        if (!backup)
            m_settings->write(QStringLiteral("opciones"), QStringLiteral("copiaseguridad"),
                              QStringLiteral("0"));
        writeDocument(path("a.qnf"), {"A"});
        const QByteArray before = readBytes(path("a.qnf"));
        Tfrm_ppal* w = start(path("a.qnf"));
        w->document()->rename(w->model()->tree().firstTopLevel(), QStringLiteral("A changed"));
        QVERIFY(w->guardarExecute());
        QCOMPARE(outlineLines(*readDocument(path("a.qnf"), defaults)), QStringList{"A changed"});
        QCOMPARE(QFile::exists(path("a.qnf~")), backup);
        if (backup)
            QCOMPARE(readBytes(path("a.qnf~")), before);
    }

    // Saving a new document says so while its save dialog asks for the name.
    void savingShowsItsStatusDuringTheDialog() {
        Tfrm_ppal* w = start();
        QString shown;
        m_dialogs->whileChoosingFile = [&] { shown = w->statusText(); };
        QVERIFY(!w->guardarExecute()); // the dialog is cancelled
        QCOMPARE(shown, QStringLiteral("GUARDANDO..."));
        QCOMPARE(w->statusText(), QString());
        QVERIFY(w->docModificado());
    }

    void recentActionsFollowTheList() {
        writeDocument(path("a&b.qnf"), {"AB"});
        Tfrm_ppal* w = start();
        w->recentFiles().f_agregarUltimo(path("a&b.qnf"));
        QAction* first = w->action(QStringLiteral("Ultimo1"));
        QVERIFY(first->isVisible());
        QVERIFY(!w->action(QStringLiteral("Ultimo2"))->isVisible());
        m_dialogs->yesNoCancel = {UserDialogs::Answer::No};
        first->trigger();
        QCOMPARE(w->archivoActual(), path("a&b.qnf"));
        QCOMPARE(outlineLines(w->model()->tree()), QStringList{"AB"});
    }

    void failedWriteKeepsTheDocumentModified() {
        Tfrm_ppal* w = startChanged();
        // The document's place is taken by a folder: the write cannot happen.
        QVERIFY(QFile::remove(path("a.qnf")));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("a.qnf")));
        m_dialogs->choices = {0, 0}; // the file went behind the program's back: overwrite
        QVERIFY_THROWS_EXCEPTION(EInOutError, w->guardarExecute());
        QVERIFY(w->docModificado());
        // Closing asks, the save fails, and the program stays open.
        m_dialogs->yesNoCancel = {UserDialogs::Answer::Yes};
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
    }

    void savingOneItemAsADocument() {
        OutlineTree tree;
        OutlineNode* a = tree.addLastTopLevel(QStringLiteral("A"), newItemRecord());
        OutlineNode* b = tree.addLastChild(a, QStringLiteral("B"), newItemRecord());
        tree.addLastChild(b, QStringLiteral("C"), newItemRecord());
        tree.addLastTopLevel(QStringLiteral("D"), newItemRecord());
        a->setExpanded(true);
        f_guardarNodos(tree, path("a.qnf"));
        Tfrm_ppal* w = start(path("a.qnf"));
        w->selectNode(w->model()->tree().firstTopLevel()->firstChild());
        const QStringList outlineBefore = outlineLines(w->model()->tree());
        const QByteArray fileBefore = readBytes(path("a.qnf"));
        m_dialogs->fileNames = {path("b.qnf")};
        w->guardarnodoExecute();
        QCOMPARE(outlineLines(*readDocument(path("b.qnf"), defaults)), QStringList({"B", "  C"}));
        QVERIFY(readBytes(path("b.qnf")).startsWith("0\r\n0\r\n0\r\nB\r\n"));
        QCOMPARE(w->archivoActual(), path("a.qnf"));
        QVERIFY(!w->docModificado());
        QCOMPARE(w->recentFiles().paths(), QStringList{path("a.qnf")});
        // The open document is untouched: its items, its history and its file.
        QCOMPARE(outlineLines(w->model()->tree()), outlineBefore);
        QVERIFY(!w->document()->canUndo());
        QCOMPARE(readBytes(path("a.qnf")), fileBefore);
    }

    void startupDocument_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("docinicio");
        QTest::addColumn<QString>("expected");
        QTest::newRow("argument in capitals") << "A.QNF"
                                              << "1"
                                              << "A.QNF";
        QTest::newRow("other argument, last document") << "a.txt"
                                                       << "0"
                                                       << "last.qnf";
        QTest::newRow("other argument, blank start") << "a.txt"
                                                     << "1"
                                                     << "";
        QTest::newRow("last document gone") << ""
                                            << "0"
                                            << "gone";
    }
    void startupDocument() {
        QFETCH(QString, argument);
        QFETCH(QString, docinicio);
        QFETCH(QString, expected);
        writeDocument(path("A.QNF"), {"Upper"});
        writeDocument(path("last.qnf"), {"Last"});
        m_settings->write(QStringLiteral("opciones"), QStringLiteral("docinicio"), docinicio);
        m_settings->write(QStringLiteral("archivos"), QStringLiteral("ultimo"),
                          expected == QStringLiteral("gone") ? path("gone.qnf") : path("last.qnf"));
        Tfrm_ppal* w = start(argument.isEmpty() ? QString() : m_dir->filePath(argument));
        if (expected.isEmpty()) {
            QVERIFY(w->docNuevo());
        } else if (expected == QStringLiteral("gone")) {
            QVERIFY(w->docNuevo());
            QCOMPARE(m_dialogs->asked.size(), 1);
            QVERIFY(
                m_dialogs->asked.first().endsWith(QStringLiteral("Se creará un documento nuevo.")));
            QVERIFY(m_dialogs->asked.first().contains(path("gone.qnf")));
        } else {
            QCOMPARE(w->archivoActual(), m_dir->filePath(expected));
            QVERIFY(!w->docNuevo());
            QVERIFY(!w->docModificado());
        }
        QVERIFY(w->ventanaIniciada());
    }

    void typeSaveQuitAndFindItAgain() {
        Tfrm_ppal* w = start();
        w->document()->rename(w->model()->tree().firstTopLevel(), QStringLiteral("Buy milk"));
        controls(w).re_texto->setFocus();
        QTest::keyClicks(controls(w).re_texto, QStringLiteral("two litres"));
        m_dialogs->yesNoCancel = {UserDialogs::Answer::Yes};
        m_dialogs->fileNames = {path("mine.qnf")};
        QVERIFY(w->close());
        QCOMPARE(m_settings->text(QStringLiteral("archivos"), QStringLiteral("ultimo"), QString()),
                 path("mine.qnf"));
        w = start();
        QCOMPARE(w->archivoActual(), path("mine.qnf"));
        QCOMPARE(outlineLines(w->model()->tree()), QStringList{"Buy milk"});
        QCOMPARE(controls(w).re_texto->toPlainText(), QStringLiteral("two litres"));
    }

    void closingANewDocumentWithoutSaving() {
        Tfrm_ppal* w = start();
        m_dialogs->yesNoCancel = {UserDialogs::Answer::No};
        QVERIFY(w->close());
        QCOMPARE(m_settings->text(QStringLiteral("archivos"), QStringLiteral("ultimo"),
                                  QStringLiteral("?")),
                 QString());
    }
};

QTEST_MAIN(TestDocumentLifecycle)
#include "tst_document_lifecycle.moc"
