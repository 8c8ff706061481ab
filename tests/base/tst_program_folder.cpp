// Where the program keeps its settings, language files and report pages:
// beside a portable copy, in the user's folders for an installed one.
#include "../support/outline_text.h"
#include "base/program_folder.h"
#include "reports/unthtml_utils.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramFolder : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

    QString file(const QString& relativePath) const {
        const QString path = m_dir->filePath(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeBytes(path, "x");
        return path;
    }
    static QString userFolder(QStandardPaths::StandardLocation location) {
        return QStandardPaths::writableLocation(location) + QStringLiteral("/quillnest/");
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void filesLiveWhereTheCopyCanKeepThem_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("portable");
        QTest::addColumn<QString>("moduleFolder");
        QTest::newRow("build folder")
            << QStringList{"build/quillnest", "build/libquillnest_browser.so"} << true << "build";
        QTest::newRow("unpacked copy without module")
            << QStringList{"copy/quillnest"} << true << "copy";
        QTest::newRow("installed")
            << QStringList{"usr/bin/quillnest", "usr/lib/quillnest/libquillnest_browser.so"}
            << false << "usr/lib/quillnest";
    }
    void filesLiveWhereTheCopyCanKeepThem() {
        QFETCH(QStringList, files);
        QFETCH(bool, portable);
        QFETCH(QString, moduleFolder);
        for (const QString& name : files)
            file(name);
        const QString executable = m_dir->filePath(files.first());
        const ProgramFolder folder = ProgramFolder::locate(executable);
        QCOMPARE(folder.portable(), portable);
        QCOMPARE(ProgramFolder::moduleFolder(executable), m_dir->filePath(moduleFolder));
        QCOMPARE(folder.path(), QFileInfo(executable).absolutePath() + u'/');
        // The same names wherever they live.
        const QString config =
            portable ? folder.path() : userFolder(QStandardPaths::GenericConfigLocation);
        const QString web =
            portable ? folder.path() : userFolder(QStandardPaths::GenericCacheLocation);
        QCOMPARE(folder.configFolder(), config);
        QCOMPARE(f_nombreIni(folder), config + QStringLiteral("quillnest.ini"));
        QCOMPARE(f_carpetaWeb(folder), web + QStringLiteral("web/"));
        QVERIFY(QFileInfo(config).isDir());
        // Deciding leaves nothing behind in the program folder.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 files.filter(QFileInfo(files.first()).path() + u'/').size());
    }

    void readOnlyFolderSendsFilesToTheUser() {
        const QString executable = file(QStringLiteral("ro/quillnest"));
        const QString folder = QFileInfo(executable).absolutePath();
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFileInfo(folder).isWritable())
            QSKIP("permissions do not bind this user");
        const ProgramFolder located = ProgramFolder::locate(executable);
        QVERIFY(!located.portable());
        QCOMPARE(f_nombreIni(located), userFolder(QStandardPaths::GenericConfigLocation) +
                                           QStringLiteral("quillnest.ini"));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_program_folder.moc"
