#include "../support/outline_text.h"
#include "base/errors.h"
#include "base/program_folder.h"
#include "settings/settings_store.h"

#include <QSignalSpy>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void settingsFileName_data();
    void settingsFileName();

    void singleCallReadLeavesFileUnchanged();
    void singleCallWriteRewritesWholeFile();
    void namesMatchInAnyLetterCase();
    void draftDroppedLeavesFileUnchanged();
    void draftCommittedWritesDefaultsItRead();
    void draftWritesWaitForTheCommit();
    void commitKeepsWhatChangedMeanwhile();
    void committingTwiceKeepsFile();
    void oneWritePerUpdate();
    void unwritableFileRaisesAndKeepsContents();
    void readOnlyFolderKeepsOldFile();
    void unreadableFileRaisesInsteadOfBeingReplaced();
    void valueWithLineBreakStaysOneLine();
    void textOutsideWindows1252IsWrittenAsUtf8();

    void readSettingNumber_data();
    void readSettingNumber();
    void flagsReadByTheirRule_data();
    void flagsReadByTheirRule();

private:
    QByteArray fileBytes() const;
    void writeFileBytes(const QByteArray& bytes) const;
    // A store that reads the file as it is now.
    SettingsStore& fresh();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file; // the settings file of the program under test
    std::unique_ptr<SettingsStore> m_store;
};

void TestIniFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_file = f_nombreIni(ProgramFolder(m_dir->filePath(QStringLiteral("quillnest"))));
}

void TestIniFile::cleanup() {
    m_store.reset();
}

SettingsStore& TestIniFile::fresh() {
    m_store = std::make_unique<SettingsStore>(m_file);
    return *m_store;
}

QByteArray TestIniFile::fileBytes() const {
    return readBytes(m_file);
}

void TestIniFile::writeFileBytes(const QByteArray& bytes) const {
    writeBytes(m_file, bytes);
}

void TestIniFile::settingsFileName_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("settings");
    QTest::newRow("no extension") << "/opt/q/quillnest"
                                  << "/opt/q/quillnest.ini";
    QTest::newRow("extension replaced") << "/opt/q/quillnest.exe"
                                        << "/opt/q/quillnest.ini";
    QTest::newRow("dot in folder only") << "/opt/q.d/quillnest"
                                        << "/opt/q.d/quillnest.ini";
    QTest::newRow("hidden name") << "/opt/q/.quillnest"
                                 << "/opt/q/.quillnest.ini";
}

void TestIniFile::settingsFileName() {
    QFETCH(QString, executable);
    QFETCH(QString, settings);
    QCOMPARE(f_nombreIni(ProgramFolder(executable)), settings);
}

void TestIniFile::singleCallReadLeavesFileUnchanged() {
    // A missing file is created empty and stays empty.
    QCOMPARE(fresh().text(Settings::posicion::maintop), QStringLiteral("173"));
    QCOMPARE(fileBytes(), QByteArray());

    const QByteArray before = "[opciones]\r\nidioma=english\r\n";
    writeFileBytes(before);
    SettingsStore& store = fresh();
    QCOMPARE(store.text(Settings::opciones::idioma), QStringLiteral("english"));
    QCOMPARE(store.text(Settings::opciones::regexts), QStringLiteral("1"));
    QCOMPARE(fileBytes(), before);
}

void TestIniFile::singleCallWriteRewritesWholeFile() {
    writeFileBytes("; hand-made\n[opciones]\nidioma = espanol\n[fuentes]\nsize=12\n");
    SettingsStore& store = fresh();
    store.write(Settings::posicion::width, QStringLiteral("800"));
    store.write(Settings::opciones::idioma, QStringLiteral("english"));
    QCOMPARE(fileBytes(), QByteArray("[opciones]\r\nidioma=english\r\n\r\n"
                                     "[fuentes]\r\nsize=12\r\n\r\n"
                                     "[posicion]\r\nwidth=800\r\n\r\n"));
}

void TestIniFile::namesMatchInAnyLetterCase() {
    writeFileBytes("[OPCIONES]\r\nAutoGuardado=5\r\nautoguardado=7\r\n[Opciones]\r\nregexts=0\r\n");
    SettingsStore& store = fresh();
    QCOMPARE(store.text(Settings::opciones::autoguardado), QStringLiteral("7"));
    QCOMPARE(store.text(Settings::opciones::regexts), QStringLiteral("0"));

    // A write updates the entry as spelled in the file instead of adding a twin.
    store.write(Settings::opciones::autoguardado, QStringLiteral("9"));
    QCOMPARE(fileBytes(), QByteArray("[OPCIONES]\r\nAutoGuardado=9\r\nregexts=0\r\n\r\n"));
}

void TestIniFile::draftDroppedLeavesFileUnchanged() {
    const QByteArray before = "[opciones]\r\nidioma=espanol\r\n";
    writeFileBytes(before);
    SettingsStore& store = fresh();
    {
        SettingsDraft draft(store);
        QCOMPARE(draft.text(Settings::opciones::docinicio), QStringLiteral("0"));
        draft.edit().setText(Settings::opciones::docinicio, QStringLiteral("1"));
        QCOMPARE(draft.text(Settings::opciones::docinicio), QStringLiteral("1"));
        QCOMPARE(fileBytes(), before);
    }
    QCOMPARE(fileBytes(), before);
    QCOMPARE(store.text(Settings::opciones::docinicio), QStringLiteral("0"));
}

void TestIniFile::draftCommittedWritesDefaultsItRead() {
    writeFileBytes("[opciones]\r\nidioma=espanol\r\n");
    SettingsStore& store = fresh();
    SettingsDraft draft(store);
    draft.text(Settings::opciones::docinicio);
    draft.text(Settings::opciones::autoguardado);
    draft.text(Settings::opciones::regexts);
    store.commit(draft);
    QCOMPARE(fileBytes(), QByteArray("[opciones]\r\nidioma=espanol\r\ndocinicio=0\r\n"
                                     "autoguardado=0\r\nregexts=1\r\n\r\n"));
}

void TestIniFile::draftWritesWaitForTheCommit() {
    SettingsStore& store = fresh();
    SettingsDraft draft(store);
    draft.edit().setText(Settings::archivos::recientes[0], QStringLiteral("/docs/a.qnf"));
    QCOMPARE(fileBytes(), QByteArray());
    QCOMPARE(draft.text(Settings::archivos::recientes[0]), QStringLiteral("/docs/a.qnf"));
    QCOMPARE(store.text(Settings::archivos::recientes[0]), QString());
    store.commit(draft);
    QCOMPARE(fileBytes(), QByteArray("[archivos]\r\nultimo1=/docs/a.qnf\r\n\r\n"));
}

// A value the program stores while a draft is open stays when the draft is
// committed, unless the draft set it itself; a default the draft read gives
// way to a value stored meanwhile.
void TestIniFile::commitKeepsWhatChangedMeanwhile() {
    writeFileBytes("[opciones]\r\nidioma=espanol\r\n");
    SettingsStore& store = fresh();
    SettingsDraft draft(store);
    draft.text(Settings::opciones::autoguardado);
    draft.edit().setText(Settings::opciones::idioma, QStringLiteral("english"));
    store.update([](SettingsEdit& edit) {
        edit.setText(Settings::opciones::autoguardado, QStringLiteral("5"));
        edit.setText(Settings::fuentes::nombre, QStringLiteral("Sans"));
        edit.setText(Settings::opciones::idioma, QStringLiteral("x"));
    });
    store.commit(draft);
    QCOMPARE(fileBytes(), QByteArray("[opciones]\r\nidioma=english\r\nautoguardado=5\r\n\r\n"
                                     "[fuentes]\r\nnombre=Sans\r\n\r\n"));
}

void TestIniFile::committingTwiceKeepsFile() {
    const QByteArray before = "[opciones]\r\nidioma=english\r\n";
    writeFileBytes(before);
    SettingsStore& store = fresh();
    SettingsDraft draft(store);
    store.commit(draft);
    const QByteArray saved = fileBytes();
    // A second commit of the same draft must not empty the file.
    store.commit(draft);
    QCOMPARE(fileBytes(), saved);
    QCOMPARE(fresh().text(Settings::opciones::idioma), QStringLiteral("english"));
}

void TestIniFile::oneWritePerUpdate() {
    SettingsStore& store = fresh();
    QSignalSpy written(&store, &SettingsStore::fileWritten);
    store.update([](SettingsEdit& edit) {
        edit.setText(Settings::fuentes::nombre, QStringLiteral("Sans"));
        edit.setNumber(Settings::fuentes::size, 12);
        edit.setFlag(Settings::fuentes::bold, true);
        edit.setFlag(Settings::fuentes::italic, false);
        edit.setRecentFiles({QStringLiteral("/a"), QStringLiteral("/b")});
    });
    QCOMPARE(written.count(), 1);
    QCOMPARE(fileBytes(), QByteArray("[fuentes]\r\nnombre=Sans\r\nsize=12\r\nbold=1\r\n"
                                     "italic=0\r\n\r\n[archivos]\r\nultimo1=/a\r\n"
                                     "ultimo2=/b\r\nultimo3=\r\nultimo4=\r\nultimo5=\r\n"
                                     "ultimo6=\r\nultimo7=\r\nultimo8=\r\nultimo9=\r\n\r\n"));
    QCOMPARE(fresh().recentFiles(), QStringList({"/a", "/b"}));
    // Reading writes nothing.
    QSignalSpy none(m_store.get(), &SettingsStore::fileWritten);
    m_store->text(Settings::opciones::idioma);
    m_store->number(Settings::fuentes::size);
    QCOMPARE(none.count(), 0);
}

void TestIniFile::unwritableFileRaisesAndKeepsContents() {
    m_file =
        f_nombreIni(ProgramFolder(m_dir->filePath(QStringLiteral("missing-folder/quillnest"))));
    SettingsStore& store = fresh();
    // Reading still works, with the defaults.
    QCOMPARE(store.text(Settings::fuentes::size), QStringLiteral("10"));

    SettingsDraft draft(store);
    try {
        store.commit(draft);
        QFAIL("writing into a missing folder succeeded");
    } catch (const EInOutError& error) {
        QVERIFY2(error.message().contains(m_file), qPrintable(error.message()));
    }
    QVERIFY_THROWS_EXCEPTION(EInOutError,
                             store.write(Settings::fuentes::size, QStringLiteral("12")));
    // What could not be written is not kept either, as if never changed.
    QCOMPARE(store.text(Settings::fuentes::size), QStringLiteral("10"));

    // Once the folder is there, writes reach the disk.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("missing-folder")));
    store.write(Settings::fuentes::size, QStringLiteral("12"));
    QCOMPARE(fileBytes(), QByteArray("[fuentes]\r\nsize=12\r\n\r\n"));
}

void TestIniFile::readOnlyFolderKeepsOldFile() {
    const QByteArray before = "[opciones]\r\nidioma=espanol\r\n";
    writeFileBytes(before);
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([this] {
        QFile::setPermissions(m_dir->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (QFileInfo(m_dir->path()).isWritable())
        QSKIP("permissions do not bind this user");
    QVERIFY_THROWS_EXCEPTION(EInOutError,
                             fresh().write(Settings::opciones::idioma, QStringLiteral("english")));
    QCOMPARE(fileBytes(), before);
}

void TestIniFile::unreadableFileRaisesInsteadOfBeingReplaced() {
    // A folder in place of the file stands for a file that cannot be read.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("quillnest.ini")));
    SettingsStore& store = fresh();
    QVERIFY_THROWS_EXCEPTION(EInOutError, SettingsDraft{store});
    QVERIFY_THROWS_EXCEPTION(EInOutError, store.text(Settings::opciones::idioma));
    QVERIFY_THROWS_EXCEPTION(EInOutError,
                             store.write(Settings::fuentes::size, QStringLiteral("12")));
    QVERIFY(QFileInfo(m_file).isDir());
}

void TestIniFile::valueWithLineBreakStaysOneLine() {
    fresh().write(Settings::archivos::ultimo, QStringLiteral("/docs/a\n[opciones]\r\nidioma=x"));
    SettingsStore& store = fresh();
    QCOMPARE(store.text(Settings::opciones::idioma), QStringLiteral("XXX"));
    QCOMPARE(store.text(Settings::archivos::ultimo),
             QStringLiteral("/docs/a [opciones]  idioma=x"));
}

void TestIniFile::textOutsideWindows1252IsWrittenAsUtf8() {
    SettingsStore& store = fresh();
    store.write(Settings::archivos::ultimo, QStringLiteral("/docs/año.qnf"));
    QCOMPARE(fileBytes(), QByteArray("[archivos]\r\nultimo=/docs/a\xF1o.qnf\r\n\r\n"));

    const QString greek = QStringLiteral("/docs/λόγος.qnf");
    store.write(Settings::archivos::ultimo, greek);
    QCOMPARE(fileBytes(), "[archivos]\r\nultimo=" + greek.toUtf8() + "\r\n\r\n");
    QCOMPARE(fresh().text(Settings::archivos::ultimo), greek);
}

void TestIniFile::readSettingNumber_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("number") << QByteArray("maintop=40") << 40;
    QTest::newRow("negative") << QByteArray("maintop=-8") << -8;
    QTest::newRow("letters") << QByteArray("maintop=abc") << 173;
    QTest::newRow("empty") << QByteArray("maintop=") << 173;
    QTest::newRow("too large") << QByteArray("maintop=99999999999") << 173;
    QTest::newRow("missing") << QByteArray() << 173;
}

void TestIniFile::readSettingNumber() {
    QFETCH(QByteArray, stored);
    QFETCH(int, expected);
    writeFileBytes("[posicion]\r\n" + stored + "\r\n");
    QCOMPARE(fresh().number(Settings::posicion::maintop), expected);
}

void TestIniFile::flagsReadByTheirRule_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("bold");   // set only by "1"
    QTest::addColumn<bool>("backup"); // set unless "0"
    QTest::newRow("one") << QByteArray("1") << true << true;
    QTest::newRow("zero") << QByteArray("0") << false << false;
    QTest::newRow("other") << QByteArray("yes") << false << true;
    QTest::newRow("empty") << QByteArray("") << false << true;
}

void TestIniFile::flagsReadByTheirRule() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, bold);
    QFETCH(bool, backup);
    writeFileBytes("[fuentes]\r\nbold=" + stored + "\r\n[opciones]\r\ncopiaseguridad=" + stored +
                   "\r\n");
    SettingsStore& store = fresh();
    QCOMPARE(store.flag(Settings::fuentes::bold), bold);
    QCOMPARE(store.flag(Settings::opciones::copiaseguridad), backup);
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
