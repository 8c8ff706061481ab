#include "base/program_folder.h"
#include "document/unt_ultimosarchivos.h"
#include "settings/settings_store.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The settings file of the test run.
QString settingsFile;

QStringList numbered(int from, int to) {
    QStringList paths;
    for (int i = from; i <= to; ++i)
        paths << QStringLiteral("/docs/%1.qnf").arg(i);
    return paths;
}

// The nine places as the file holds them now.
QStringList stored() {
    SettingsStore settings(settingsFile);
    QStringList values;
    for (int place = 1; place <= 9; ++place)
        values << settings.text(QStringLiteral("archivos"), QStringLiteral("ultimo%1").arg(place),
                                QStringLiteral("?"));
    return values;
}

// The list as the program keeps it: stored after each change that asks for it.
struct StoredList {
    SettingsStore settings{settingsFile};
    RecentFiles recent;

    void store() {
        settings.update([this](SettingsEdit& edit) { edit.setRecentFiles(recent.paths()); });
    }
    void f_agregarUltimo(const QString& path) {
        if (recent.f_agregarUltimo(path))
            store();
    }
    void f_quitarUltimo(const QString& path) {
        recent.f_quitarUltimo(path);
        store();
    }
    void f_borrarHistorial() {
        recent.f_borrarHistorial();
        store();
    }
    const QStringList& paths() const { return recent.paths(); }
};
} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init() {
        settingsFile = m_dir.filePath(QStringLiteral("quillnest.ini"));
        QFile::remove(settingsFile);
    }

    void openingTenFilesKeepsTheLastNine() {
        StoredList recent;
        for (const QString& path : numbered(1, 10))
            recent.f_agregarUltimo(path);
        QStringList expected = numbered(2, 10);
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(recent.paths(), expected);
        QCOMPARE(stored(), expected);
    }

    void reopeningMovesToTheTop() {
        StoredList recent;
        for (const QString& path : numbered(1, 9))
            recent.f_agregarUltimo(path);
        // Place 5 holds 5.qnf: it moves to place 1, places 1..4 move down, 6..9 stay.
        recent.f_agregarUltimo(QStringLiteral("/docs/5.qnf"));
        QCOMPARE(recent.paths(), QStringList({"/docs/5.qnf", "/docs/9.qnf", "/docs/8.qnf",
                                              "/docs/7.qnf", "/docs/6.qnf", "/docs/4.qnf",
                                              "/docs/3.qnf", "/docs/2.qnf", "/docs/1.qnf"}));
    }

    void samePathAtTheTopWritesNothing() {
        StoredList recent;
        recent.f_agregarUltimo(QStringLiteral("/docs/a.qnf"));
        QFile::remove(settingsFile);
        QSignalSpy spy(&recent.recent, &RecentFiles::changed);
        recent.f_agregarUltimo(QStringLiteral("/docs/a.qnf"));
        recent.f_agregarUltimo(QString());
        QVERIFY(!QFile::exists(settingsFile));
        QCOMPARE(spy.count(), 0);
        // Letter case makes another entry.
        recent.f_agregarUltimo(QStringLiteral("/docs/A.qnf"));
        QCOMPARE(recent.paths(), QStringList({"/docs/A.qnf", "/docs/a.qnf"}));
    }

    void removingFromAFullList() {
        StoredList recent;
        for (const QString& path : numbered(1, 9))
            recent.f_agregarUltimo(path);
        recent.f_quitarUltimo(QStringLiteral("/docs/4.qnf"));
        QCOMPARE(recent.paths().size(), 8);
        QVERIFY(!recent.paths().contains(QStringLiteral("/docs/4.qnf")));
        QCOMPARE(stored().last(), QString());
        recent.recent.f_quitarPosicion(1);
        QCOMPARE(recent.paths().first(), QStringLiteral("/docs/8.qnf"));
        recent.f_borrarHistorial();
        QVERIFY(recent.paths().isEmpty());
        QCOMPARE(stored(), QStringList(9, QString()));
    }

    void loadingStopsAtTheFirstGap() {
        SettingsStore settings(settingsFile);
        settings.write(QStringLiteral("archivos"), QStringLiteral("ultimo1"), QStringLiteral("/a"));
        settings.write(QStringLiteral("archivos"), QStringLiteral("ultimo3"), QStringLiteral("/c"));
        RecentFiles recent;
        recent.f_cargarUltimos(settings.recentFiles());
        QCOMPARE(recent.paths(), QStringList({"/a"}));
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recent_files.moc"
