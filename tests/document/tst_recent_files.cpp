#include "base/program_folder.h"
#include "document/unt_ultimosarchivos.h"
#include "settings/unt_inifile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList numbered(int from, int to) {
    QStringList paths;
    for (int i = from; i <= to; ++i)
        paths << QStringLiteral("/docs/%1.qnf").arg(i);
    return paths;
}

QStringList stored() {
    QStringList values;
    for (int place = 1; place <= 9; ++place)
        values << f_leerIni(QStringLiteral("archivos"), QStringLiteral("ultimo%1").arg(place),
                            QStringLiteral("?"));
    return values;
}
} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init() {
        setProgramPathForTests(m_dir.filePath(QStringLiteral("quillnest")));
        QFile::remove(f_nombreIni());
    }
    void cleanupTestCase() { setProgramPathForTests(QString()); }

    void openingTenFilesKeepsTheLastNine() {
        RecentFiles recent;
        for (const QString& path : numbered(1, 10))
            recent.f_agregarUltimo(path);
        QStringList expected = numbered(2, 10);
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(recent.paths(), expected);
        QCOMPARE(stored(), expected);
    }

    void reopeningMovesToTheTop() {
        RecentFiles recent;
        for (const QString& path : numbered(1, 9))
            recent.f_agregarUltimo(path);
        // Place 5 holds 5.qnf: it moves to place 1, places 1..4 move down, 6..9 stay.
        recent.f_agregarUltimo(QStringLiteral("/docs/5.qnf"));
        QCOMPARE(recent.paths(), QStringList({"/docs/5.qnf", "/docs/9.qnf", "/docs/8.qnf",
                                              "/docs/7.qnf", "/docs/6.qnf", "/docs/4.qnf",
                                              "/docs/3.qnf", "/docs/2.qnf", "/docs/1.qnf"}));
    }

    void samePathAtTheTopWritesNothing() {
        RecentFiles recent;
        recent.f_agregarUltimo(QStringLiteral("/docs/a.qnf"));
        QFile::remove(f_nombreIni());
        QSignalSpy spy(&recent, &RecentFiles::changed);
        recent.f_agregarUltimo(QStringLiteral("/docs/a.qnf"));
        recent.f_agregarUltimo(QString());
        QVERIFY(!QFile::exists(f_nombreIni()));
        QCOMPARE(spy.count(), 0);
        // Letter case makes another entry.
        recent.f_agregarUltimo(QStringLiteral("/docs/A.qnf"));
        QCOMPARE(recent.paths(), QStringList({"/docs/A.qnf", "/docs/a.qnf"}));
    }

    void removingFromAFullList() {
        RecentFiles recent;
        for (const QString& path : numbered(1, 9))
            recent.f_agregarUltimo(path);
        recent.f_quitarUltimo(QStringLiteral("/docs/4.qnf"));
        QCOMPARE(recent.paths().size(), 8);
        QVERIFY(!recent.paths().contains(QStringLiteral("/docs/4.qnf")));
        QCOMPARE(stored().last(), QString());
        recent.f_quitarPosicion(1);
        QCOMPARE(recent.paths().first(), QStringLiteral("/docs/8.qnf"));
        recent.f_borrarHistorial();
        QVERIFY(recent.paths().isEmpty());
        QCOMPARE(stored(), QStringList(9, QString()));
    }

    void loadingStopsAtTheFirstGap() {
        f_escribirIni(QStringLiteral("archivos"), QStringLiteral("ultimo1"), QStringLiteral("/a"));
        f_escribirIni(QStringLiteral("archivos"), QStringLiteral("ultimo3"), QStringLiteral("/c"));
        RecentFiles recent;
        recent.f_cargarUltimos();
        QCOMPARE(recent.paths(), QStringList({"/a"}));
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recent_files.moc"
