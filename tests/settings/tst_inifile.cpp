#include "../support/outline_text.h"
#include "base/errors.h"
#include "base/program_folder.h"
#include "settings/unt_inifile.h"

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
    void holdDroppedLeavesFileUnchanged();
    void holdAcceptedWritesDefaultsItRead();
    void singleCallsDuringHoldUseHeldCopy();
    void closingWithoutHoldKeepsFile();
    void unwritableFileRaisesAndEndsHold();
    void readOnlyFolderKeepsOldFile();
    void unreadableFileRaisesInsteadOfBeingReplaced();
    void valueWithLineBreakStaysOneLine();
    void textOutsideWindows1252IsWrittenAsUtf8();

    void readSettingNumber_data();
    void readSettingNumber();

private:
    QByteArray fileBytes() const;
    void writeFileBytes(const QByteArray& bytes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    setProgramPathForTests(m_dir->filePath(QStringLiteral("quillnest")));
}

void TestIniFile::cleanup() {
    f_descartarIni();
    setProgramPathForTests(QString());
}

QByteArray TestIniFile::fileBytes() const {
    return readBytes(f_nombreIni());
}

void TestIniFile::writeFileBytes(const QByteArray& bytes) const {
    writeBytes(f_nombreIni(), bytes);
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
    setProgramPathForTests(executable);
    QCOMPARE(f_nombreIni(), settings);
}

void TestIniFile::singleCallReadLeavesFileUnchanged() {
    // A missing file is created empty and stays empty.
    QCOMPARE(f_leerIni(Settings::posicion::maintop), QStringLiteral("173"));
    QCOMPARE(fileBytes(), QByteArray());

    const QByteArray before = "[opciones]\r\nidioma=english\r\n";
    writeFileBytes(before);
    QCOMPARE(f_leerIni(Settings::opciones::idioma), QStringLiteral("english"));
    QCOMPARE(f_leerIni(Settings::opciones::regexts), QStringLiteral("1"));
    QCOMPARE(fileBytes(), before);
}

void TestIniFile::singleCallWriteRewritesWholeFile() {
    writeFileBytes("; hand-made\n[opciones]\nidioma = espanol\n[fuentes]\nsize=12\n");
    f_escribirIni(Settings::posicion::width, QStringLiteral("800"));
    f_escribirIni(Settings::opciones::idioma, QStringLiteral("english"));
    QCOMPARE(fileBytes(), QByteArray("[opciones]\r\nidioma=english\r\n\r\n"
                                     "[fuentes]\r\nsize=12\r\n\r\n"
                                     "[posicion]\r\nwidth=800\r\n\r\n"));
}

void TestIniFile::namesMatchInAnyLetterCase() {
    writeFileBytes("[OPCIONES]\r\nAutoGuardado=5\r\nautoguardado=7\r\n[Opciones]\r\nregexts=0\r\n");
    QCOMPARE(f_leerIni(Settings::opciones::autoguardado), QStringLiteral("7"));
    QCOMPARE(f_leerIni(Settings::opciones::regexts), QStringLiteral("0"));

    // A write updates the entry as spelled in the file instead of adding a twin.
    f_escribirIni(Settings::opciones::autoguardado, QStringLiteral("9"));
    QCOMPARE(fileBytes(), QByteArray("[OPCIONES]\r\nAutoGuardado=9\r\nregexts=0\r\n\r\n"));
}

void TestIniFile::holdDroppedLeavesFileUnchanged() {
    const QByteArray before = "[opciones]\r\nidioma=espanol\r\n";
    writeFileBytes(before);
    f_abrirIni();
    QCOMPARE(f_leerIni(Settings::opciones::docinicio), QStringLiteral("0"));
    f_escribirIni(Settings::opciones::docinicio, QStringLiteral("1"));
    QCOMPARE(fileBytes(), before);
    f_descartarIni();
    QCOMPARE(fileBytes(), before);
    QCOMPARE(f_leerIni(Settings::opciones::docinicio), QStringLiteral("0"));
}

void TestIniFile::holdAcceptedWritesDefaultsItRead() {
    writeFileBytes("[opciones]\r\nidioma=espanol\r\n");
    f_abrirIni();
    f_leerIni(Settings::opciones::docinicio);
    f_leerIni(Settings::opciones::autoguardado);
    f_leerIni(Settings::opciones::regexts);
    f_guardarIni();
    QCOMPARE(fileBytes(), QByteArray("[opciones]\r\nidioma=espanol\r\ndocinicio=0\r\n"
                                     "autoguardado=0\r\nregexts=1\r\n\r\n"));
}

void TestIniFile::singleCallsDuringHoldUseHeldCopy() {
    f_abrirIni();
    f_escribirIni(Settings::archivos::recientes[0], QStringLiteral("/docs/a.qnf"));
    QCOMPARE(fileBytes(), QByteArray());
    QCOMPARE(f_leerIni(Settings::archivos::recientes[0]), QStringLiteral("/docs/a.qnf"));
    f_guardarIni();
    QCOMPARE(fileBytes(), QByteArray("[archivos]\r\nultimo1=/docs/a.qnf\r\n\r\n"));
}

void TestIniFile::closingWithoutHoldKeepsFile() {
    const QByteArray before = "[opciones]\r\nidioma=english\r\n";
    writeFileBytes(before);
    f_abrirIni();
    f_guardarIni();
    const QByteArray saved = fileBytes();
    // A second accept has no copy to write and must not empty the file.
    f_guardarIni();
    QCOMPARE(fileBytes(), saved);
    QCOMPARE(f_leerIni(Settings::opciones::idioma), QStringLiteral("english"));
}

void TestIniFile::unwritableFileRaisesAndEndsHold() {
    setProgramPathForTests(m_dir->filePath(QStringLiteral("missing-folder/quillnest")));
    // Reading still works, with the defaults.
    QCOMPARE(f_leerIni(Settings::fuentes::size), QStringLiteral("10"));

    f_abrirIni();
    try {
        f_guardarIni();
        QFAIL("writing into a missing folder succeeded");
    } catch (const EInOutError& error) {
        QVERIFY2(error.message().contains(f_nombreIni()), qPrintable(error.message()));
    }
    QVERIFY_THROWS_EXCEPTION(EInOutError,
                             f_escribirIni(Settings::fuentes::size, QStringLiteral("12")));

    // The failed write ended the hold: later writes reach the disk again.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("missing-folder")));
    f_escribirIni(Settings::fuentes::size, QStringLiteral("12"));
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
                             f_escribirIni(Settings::opciones::idioma, QStringLiteral("english")));
    QCOMPARE(fileBytes(), before);
}

void TestIniFile::unreadableFileRaisesInsteadOfBeingReplaced() {
    // A folder in place of the file stands for a file that cannot be read.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("quillnest.ini")));
    QVERIFY_THROWS_EXCEPTION(EInOutError, f_abrirIni());
    QVERIFY_THROWS_EXCEPTION(EInOutError,
                             f_escribirIni(Settings::fuentes::size, QStringLiteral("12")));
    QVERIFY(QFileInfo(f_nombreIni()).isDir());
}

void TestIniFile::valueWithLineBreakStaysOneLine() {
    f_escribirIni(Settings::archivos::ultimo, QStringLiteral("/docs/a\n[opciones]\r\nidioma=x"));
    QCOMPARE(f_leerIni(Settings::opciones::idioma), QStringLiteral("XXX"));
    QCOMPARE(f_leerIni(Settings::archivos::ultimo), QStringLiteral("/docs/a [opciones]  idioma=x"));
}

void TestIniFile::textOutsideWindows1252IsWrittenAsUtf8() {
    f_escribirIni(Settings::archivos::ultimo, QStringLiteral("/docs/año.qnf"));
    QCOMPARE(fileBytes(), QByteArray("[archivos]\r\nultimo=/docs/a\xF1o.qnf\r\n\r\n"));

    const QString greek = QStringLiteral("/docs/λόγος.qnf");
    f_escribirIni(Settings::archivos::ultimo, greek);
    QCOMPARE(fileBytes(), "[archivos]\r\nultimo=" + greek.toUtf8() + "\r\n\r\n");
    QCOMPARE(f_leerIni(Settings::archivos::ultimo), greek);
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
    QCOMPARE(::readSettingNumber(Settings::posicion::maintop), expected);
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
