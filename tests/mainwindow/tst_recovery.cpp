// Recovery after a crash, with a real program run killed with SIGKILL: the
// test program starts itself as that run (see main).
#include "../support/window_fixture.h"
#include "document/document_file.h"
#include "document/outline_document.h"
#include "document/recovery.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

const char* const kChild = "--edit-then-wait";

// The run to be killed: the program folder and the recovery folder given,
// the document given (or a new one), its first item renamed, and "ready"
// once the recovery copy is on disk. Then it waits to be killed.
int runChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    // Nothing of the run may wait for an answer or start a program.
    ProgramServices services({ProgramFolder(folder + QStringLiteral("/quillnest")),
                              folder + QStringLiteral("/recovery"),
                              std::make_unique<ScriptedDialogs>(),
                              [](const DetachedCommand&) { return true; }, createWebEngineBrowser});
    Tfrm_ppal window(services, argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    window.document()->rename(window.model()->tree().firstTopLevel(),
                              QStringLiteral("typed before the crash"));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!QDir(folder + QStringLiteral("/recovery"))
                 .entryList({QStringLiteral("*.qnr")}, QDir::Files)
                 .isEmpty()) {
            std::printf("ready\n");
            std::fflush(stdout);
            poll.stop();
        }
    });
    poll.start(50);
    return app.exec();
}

} // namespace

class TestRecovery : public MainWindowTest {
    Q_OBJECT

    QString path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }

    // Runs the program on the document (empty: a new one), edits, and kills it.
    void editAndKill(const QString& document) {
        QProcess child;
        QStringList arguments{QString::fromLatin1(kChild), m_dir->path()};
        if (!document.isEmpty())
            arguments << document;
        child.start(QCoreApplication::applicationFilePath(), arguments);
        QVERIFY(child.waitForStarted());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("ready") ||
                                     child.state() == QProcess::NotRunning,
                                 20000);
        QVERIFY2(child.state() == QProcess::Running, child.readAllStandardError().constData());
        child.kill(); // SIGKILL: nothing is closed, nothing is cleaned up
        QVERIFY(child.waitForFinished());
    }
    QStringList leftCopies() const {
        return QDir(path("recovery")).entryList({QStringLiteral("*.qnr*")}, QDir::Files);
    }

private slots:
    void init() {
        setUpWindowTest();
        m_settings->write(QStringLiteral("opciones"), QStringLiteral("idioma"),
                          QStringLiteral("espanol"));
        m_settings->write(QStringLiteral("opciones"), QStringLiteral("regexts"),
                          QStringLiteral("0"));
    }
    void cleanup() { tearDownWindowTest(); }

    void restoreAfterAKill_data() {
        QTest::addColumn<bool>("named");
        QTest::newRow("a saved document") << true;
        QTest::newRow("a new, unnamed document") << false;
    }
    void restoreAfterAKill() {
        QFETCH(bool, named);
        f_guardarNodos(outlineOf({"A", "B"}), path("doc.qnf"));
        editAndKill(named ? path("doc.qnf") : QString());
        QCOMPARE(leftCopies().size(), 1);
        m_dialogs->choices = {0}; // restore
        m_window = std::make_unique<Tfrm_ppal>(*m_services);
        Tfrm_ppal* w = m_window.get();
        QCOMPARE(m_dialogs->asked.size(), 1);
        QCOMPARE(outlineLines(w->model()->tree()).first(),
                 QStringLiteral("typed before the crash"));
        QVERIFY(w->docModificado());
        QCOMPARE(w->docNuevo(), !named);
        QCOMPARE(w->archivoActual(), named ? path("doc.qnf") : QStringLiteral("Nuevo archivo.qnf"));
        // The old copy went; this run keeps its own until the save.
        QCOMPARE(leftCopies().size(), 1);
        if (named) {
            QVERIFY(w->guardarExecute());
            const auto asDesigned = [](const QString&, const QString&, const QString& text) {
                return text;
            };
            QCOMPARE(outlineLines(*readDocument(path("doc.qnf"), asDesigned)).first(),
                     QStringLiteral("typed before the crash"));
            QVERIFY(leftCopies().isEmpty());
        }
    }

    void discardRemovesTheCopy() {
        f_guardarNodos(outlineOf({"A"}), path("doc.qnf"));
        editAndKill(path("doc.qnf"));
        m_dialogs->choices = {1}; // discard
        m_window = std::make_unique<Tfrm_ppal>(*m_services, path("doc.qnf"));
        QCOMPARE(outlineLines(m_window->model()->tree()), QStringList{"A"});
        QVERIFY(leftCopies().isEmpty());
    }

    // Copies of two runs that ended are offered one after the other.
    void twoCopiesAreBothOffered() {
        QDir().mkpath(path("recovery"));
        writeBytes(path("recovery/recovery-1.qnr"),
                   recoveryBytes(documentBytes(outlineOf({"first"})), path("one.qnf"), false));
        writeBytes(path("recovery/recovery-2.qnr"),
                   recoveryBytes(documentBytes(outlineOf({"second"})), path("two.qnf"), false));
        m_dialogs->choices = {1, 0}; // discard the first offered, restore the other
        m_window = std::make_unique<Tfrm_ppal>(*m_services);
        QCOMPARE(m_dialogs->asked.size(), 2);
        const QStringList shown = outlineLines(m_window->model()->tree());
        QVERIFY(shown == QStringList{"first"} || shown == QStringList{"second"});
        QVERIFY(m_window->docModificado());
        QCOMPARE(leftCopies().size(), 1); // this run's own copy only
    }

    void aDamagedCopyIsKeptAside() {
        QDir().mkpath(path("recovery"));
        writeBytes(path("recovery/recovery-1.qnr"), "not a copy");
        m_window = std::make_unique<Tfrm_ppal>(*m_services);
        QCOMPARE(m_dialogs->asked.size(), 1);
        QVERIFY(m_dialogs->asked.first().contains(QStringLiteral("recovery-1.qnr.damaged")));
        QCOMPARE(leftCopies(), QStringList{"recovery-1.qnr.damaged"});
    }

    void aCleanCloseLeavesNoCopy() {
        f_guardarNodos(outlineOf({"A"}), path("doc.qnf"));
        m_window = std::make_unique<Tfrm_ppal>(*m_services, path("doc.qnf"));
        m_window->document()->rename(m_window->model()->tree().firstTopLevel(),
                                     QStringLiteral("changed"));
        QTRY_COMPARE_WITH_TIMEOUT(leftCopies().size(), 1, 10000);
        m_dialogs->yesNoCancel = {UserDialogs::Answer::No}; // drop the changes
        QVERIFY(m_window->close());
        QVERIFY(leftCopies().isEmpty());
    }
};

int main(int argc, char* argv[]) {
    if (argc > 2 && qstrcmp(argv[1], kChild) == 0)
        return runChild(argc, argv);
    QApplication app(argc, argv);
    TestRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
