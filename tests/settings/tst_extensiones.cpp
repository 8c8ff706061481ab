#include "../support/outline_text.h"
#include "base/detached_command.h"
#include "base/errors.h"
#include "base/program_folder.h"
#include "language/unt_idioma.h"
#include "settings/unt_extensiones.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestExtensiones : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LanguageTable> m_language;
    QList<DetachedCommand> m_started;
    QString m_program; // the executable the registration names

    // The program's own calls, with this test's executable and its starts recorded.
    bool registered() const { return f_extensionRegistrada(m_program); }
    void registerType() {
        f_registrarExtension(m_program, [this](const DetachedCommand& c) { m_started << c; });
    }

    QString dataHome() const { return m_dir->filePath(QStringLiteral("data")); }
    void useProgram(const QString& relativePath) {
        m_program = m_dir->filePath(relativePath);
        QDir().mkpath(ProgramFolder(m_program).path());
    }
    static void replaceIn(const QString& path, const QByteArray& from, const QByteArray& to) {
        QByteArray contents = readBytes(path);
        QVERIFY2(contents.contains(from), from.constData());
        writeBytes(path, contents.replace(from, to));
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
        useProgram(QStringLiteral("bin/quillnest"));
        m_language = std::make_unique<LanguageTable>(m_dir->path() + u'/');
        m_language->use();
        m_started.clear();
    }
    void cleanup() {
        m_language.reset();
        qunsetenv("XDG_DATA_HOME");
    }

    void registrationIsFoundByTheNextCheck() {
        QVERIFY(!registered());
        registerType();
        QVERIFY(mimePackagePath().startsWith(dataHome()));
        QVERIFY(desktopEntryPath().startsWith(dataHome()));
        QVERIFY(readBytes(mimePackagePath()).contains("<glob pattern=\"*.qnf\"/>"));
        QVERIFY(
            readBytes(desktopEntryPath()).contains("\nExec=\"" + m_program.toUtf8() + "\" %f\n"));
        QVERIFY(registered());
        // The desktop's tools refresh this data home only, never the user's real one.
        for (const DetachedCommand& command : m_started)
            QVERIFY2(command.arguments.value(0).startsWith(dataHome()),
                     qPrintable(command.program));

        // In place: nothing is written or refreshed again.
        const QByteArray package = readBytes(mimePackagePath());
        const QByteArray entry = readBytes(desktopEntryPath());
        m_started.clear();
        registerType();
        QCOMPARE(readBytes(mimePackagePath()), package);
        QCOMPARE(readBytes(desktopEntryPath()), entry);
        QVERIFY(m_started.isEmpty());
    }

    void descriptionIsInTheLanguageOfTheRun_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("comment");
        QTest::newRow("none chosen") << "XXX" << QByteArray("<comment>Archivo Quillnest</comment>");
        QTest::newRow("english") << "english" << QByteArray("<comment>Quillnest File</comment>");
    }
    void descriptionIsInTheLanguageOfTheRun() {
        QFETCH(QString, language);
        QFETCH(QByteArray, comment);
        f_setIdioma(language);
        registerType();
        QVERIFY(readBytes(mimePackagePath()).contains(comment));
    }

    void anythingOffCountsAsMissing_data() {
        QTest::addColumn<bool>("inPackage");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("entry starts another program")
            << false << QByteArray("bin/quillnest") << QByteArray("old/quillnest");
        QTest::newRow("entry lacks the type")
            << false << QByteArray("MimeType=") << QByteArray("X-MimeType=");
        QTest::newRow("entry in another group")
            << false << QByteArray("[Desktop Entry]") << QByteArray("[Desktop Action x]");
        QTest::newRow("package lacks the pattern")
            << true << QByteArray("*.qnf") << QByteArray("*.txt");
        QTest::newRow("package cut short") << true << QByteArray("</mime-info>") << QByteArray();
    }
    void anythingOffCountsAsMissing() {
        QFETCH(bool, inPackage);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        registerType();
        const QByteArray package = readBytes(mimePackagePath());
        const QByteArray entry = readBytes(desktopEntryPath());
        replaceIn(inPackage ? mimePackagePath() : desktopEntryPath(), from, to);
        QVERIFY(!registered());
        registerType();
        QCOMPARE(readBytes(mimePackagePath()), package);
        QCOMPARE(readBytes(desktopEntryPath()), entry);
    }

    void copyInAnotherFolderTakesTheRegistrationOver() {
        registerType();
        useProgram(QStringLiteral("elsewhere/quillnest"));
        QVERIFY(!registered());
        registerType();
        QVERIFY(registered());
        QVERIFY(readBytes(desktopEntryPath()).contains("elsewhere/quillnest"));
    }

    void execSurvivesAnyPath_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/q/quillnest"
                               << "\"/opt/q/quillnest\" %f";
        QTest::newRow("blank") << "/opt/my apps/quillnest"
                               << "\"/opt/my apps/quillnest\" %f";
        QTest::newRow("quote and dollar") << "/opt/a\"b$c`d/quillnest"
                                          << "\"/opt/a\\\\\"b\\\\$c\\\\`d/quillnest\" %f";
        QTest::newRow("backslash") << "/opt/a\\b/quillnest"
                                   << "\"/opt/a\\\\\\\\b/quillnest\" %f";
        QTest::newRow("percent") << "/opt/100%/quillnest"
                                 << "\"/opt/100%%/quillnest\" %f";
        QTest::newRow("line break") << "/opt/a\nb/quillnest"
                                    << "\"/opt/a\\nb/quillnest\" %f";
    }
    void execSurvivesAnyPath() {
        QFETCH(QString, executable);
        QFETCH(QString, exec);
        QCOMPARE(desktopExecValue(executable), exec);
    }

    void pathWithLineBreakStaysOneEntryLine() {
        useProgram(QStringLiteral("a\nExec=evil/quillnest"));
        registerType();
        QVERIFY(!readBytes(desktopEntryPath()).contains("\nExec=evil"));
        QVERIFY(registered());
    }

    void unwritableDataHomeRaises() {
        // A file where the data folder should be: no folder can be made in it.
        QFile blocker(dataHome());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY_THROWS_EXCEPTION(EInOutError, registerType());
        QVERIFY(!registered());
        QVERIFY(m_started.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestExtensiones)
#include "tst_extensiones.moc"
