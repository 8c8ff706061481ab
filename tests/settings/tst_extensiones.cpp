#include "../support/outline_text.h"
#include "base/detached_command.h"
#include "base/errors.h"
#include "base/program_folder.h"
#include "language/unt_idioma.h"
#include "settings/unt_extensiones.h"

#include "document/document_file.h"
#include "document/outline_tree.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

class TestExtensiones : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LanguageTable> m_language;
    QList<DetachedCommand> m_started;
    QString m_program; // the executable the registration names

    // The program's own calls, with this test's executable and its starts recorded.
    bool registered() const { return f_extensionRegistrada(m_program); }
    void registerType() { registerAs(ProgramFolder(m_program)); }
    void registerAs(const ProgramFolder& folder) {
        f_registrarExtension(folder, [this](const DetachedCommand& c) {
            m_started << c;
            return true;
        });
    }
    // A copy in an installed layout, which keeps its files in the user's folders.
    ProgramFolder installedCopy() {
        for (const char* name :
             {"usr/bin/quillnest", "usr/lib/quillnest/libquillnest_browser.so"}) {
            QDir().mkpath(QFileInfo(m_dir->filePath(name)).absolutePath());
            writeBytes(m_dir->filePath(name), "x");
        }
        return ProgramFolder::locate(m_dir->filePath(QStringLiteral("usr/bin/quillnest")));
    }
    // What a mime package says, its comments (which follow a language) left out.
    static QStringList packageMeaning(const QByteArray& bytes) {
        QStringList meaning;
        QXmlStreamReader xml(bytes);
        int inComment = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"comment")
                ++inComment;
            else if (xml.isEndElement() && xml.name() == u"comment")
                --inComment;
            else if (xml.isStartElement() && !inComment) {
                QString element = xml.name().toString();
                for (const QXmlStreamAttribute& attribute : xml.attributes())
                    element +=
                        u' ' + attribute.name().toString() + u'=' + attribute.value().toString();
                meaning << element;
            } else if (xml.isEndElement() && !inComment)
                meaning << u'/' + xml.name().toString();
        }
        if (xml.hasError())
            meaning << xml.errorString();
        return meaning;
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
        qputenv("XDG_CONFIG_HOME", m_dir->filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_CACHE_HOME", m_dir->filePath(QStringLiteral("cache")).toLocal8Bit());
        useProgram(QStringLiteral("bin/quillnest"));
        m_language = std::make_unique<LanguageTable>(m_dir->path() + u'/');
        m_language->use();
        m_started.clear();
    }
    void cleanup() {
        m_language.reset();
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CACHE_HOME");
    }

    void registrationIsFoundByTheNextCheck() {
        QVERIFY(!registered());
        registerType();
        QVERIFY(mimePackagePath().startsWith(dataHome()));
        QVERIFY(desktopEntryPath().startsWith(dataHome()));
        QVERIFY(readBytes(mimePackagePath()).contains("<glob pattern=\"*.qnf\"/>"));
        const QByteArray written = readBytes(desktopEntryPath());
        QVERIFY(written.contains("\nExec=\"" + m_program.toUtf8() + "\" %f\n"));
        // A menu item with the application icon, which is written beside it.
        QVERIFY(written.contains("\nIcon=quillnest\n"));
        QVERIFY(!written.contains("NoDisplay"));
        QVERIFY(readBytes(iconPath()).contains("<svg"));
        QVERIFY(readBytes(mimePackagePath()).contains("<icon name=\"quillnest\"/>"));
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
        QTest::addColumn<QByteArray>("entryComment");
        QTest::addColumn<QString>("nextLanguage");
        QTest::newRow("none chosen") << "XXX" << QByteArray("<comment>Archivo Quillnest</comment>")
                                     << QByteArray("\nComment=Task outliner\n") << "espanol";
        QTest::newRow("espanol") << "espanol" << QByteArray("<comment>Archivo Quillnest</comment>")
                                 << QByteArray("\nComment=Organizador de tareas en árbol\n")
                                 << "english";
        QTest::newRow("english") << "english" << QByteArray("<comment>Quillnest File</comment>")
                                 << QByteArray("\nComment=Task outliner\n") << "espanol";
    }
    void descriptionIsInTheLanguageOfTheRun() {
        QFETCH(QString, language);
        QFETCH(QByteArray, comment);
        QFETCH(QByteArray, entryComment);
        QFETCH(QString, nextLanguage);
        f_setIdioma(language);
        registerType();
        QVERIFY(readBytes(mimePackagePath()).contains(comment));
        QVERIFY(readBytes(desktopEntryPath()).contains(entryComment));
        // A run in another language puts the menu's comment in its language.
        f_setIdioma(nextLanguage);
        QVERIFY(!registered());
        registerType();
        QVERIFY(registered());
        QVERIFY(!readBytes(desktopEntryPath()).contains(entryComment));
    }

    // The package installing puts in the system's folder says what the one a
    // portable copy writes says, and its magic knows a saved document by its
    // contents alone.
    void savedDocumentIsKnownByItsContents() {
        registerType();
        const QByteArray shipped =
            readBytes(QStringLiteral(QUILLNEST_SOURCE_DIR "/resources/desktop/quillnest.xml"));
        QCOMPARE(packageMeaning(shipped), packageMeaning(readBytes(mimePackagePath())));
        QVERIFY(
            packageMeaning(shipped).contains("match type=string offset=0 value=0\\r\\n0\\r\\n"));

        OutlineTree tree;
        OutlineNode* parent = tree.addLastTopLevel(QStringLiteral("uno"));
        tree.addLastChild(parent, QStringLiteral("dos"));
        const QMimeDatabase types;
        for (const bool expanded : {false, true}) {
            parent->setExpanded(expanded);
            const QString path = m_dir->filePath(QStringLiteral("no-extension"));
            f_guardarNodos(tree, path);
            QCOMPARE(types.mimeTypeForFile(path, QMimeDatabase::MatchContent).name(),
                     QStringLiteral("application/x-quillnest"));
        }
        const QString text = m_dir->filePath(QStringLiteral("numbers"));
        writeBytes(text, "0\r\n1\r\n2\r\n3\r\n");
        QVERIFY(types.mimeTypeForFile(text, QMimeDatabase::MatchContent).name() !=
                QStringLiteral("application/x-quillnest"));
    }

    // An installed copy relies on the system's entry: it writes none of its
    // own, and takes away the user's entry of a copy that is gone, which would
    // hide the system's.
    void installedCopyWritesNoEntry_data() {
        QTest::addColumn<bool>("portableRegistered");
        QTest::addColumn<bool>("portableRemoved");
        QTest::newRow("no entry of the user") << false << false;
        QTest::newRow("entry of a removed copy") << true << true;
        QTest::newRow("entry of a copy still there") << true << false;
    }
    void installedCopyWritesNoEntry() {
        QFETCH(bool, portableRegistered);
        QFETCH(bool, portableRemoved);
        writeBytes(m_program, "x");
        if (portableRegistered)
            registerType();
        if (portableRemoved)
            QVERIFY(QFile::remove(m_program));
        const ProgramFolder installed = installedCopy();
        QVERIFY(!installed.portable());
        m_started.clear();
        registerAs(installed);
        QVERIFY(!f_extensionRegistrada(installed.executablePath()));
        const bool kept = portableRegistered && !portableRemoved;
        QCOMPARE(registered(), kept);
        for (const QString& path : {desktopEntryPath(), mimePackagePath(), iconPath()})
            QCOMPARE(QFileInfo::exists(path), kept);
        QCOMPARE(m_started.isEmpty(), !portableRemoved);
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
        QCOMPARE(desktopExecProgram(exec), executable);
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
