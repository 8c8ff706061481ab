#include "../support/outline_text.h"
#include "base/errors.h"
#include "language/unt_english.h"
#include "language/unt_espanol.h"
#include "language/unt_idioma.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The expected files were made apart from the program's tables, so a slip in a
// value, a column or a line end shows up here as the first line that differs.
class TestBuiltinLanguage : public QObject {
    Q_OBJECT

private slots:
    void writesExpectedFile_data();
    void writesExpectedFile();
    void unwritablePathRaises();
};

using Writer = void (*)(const QString&);
Q_DECLARE_METATYPE(Writer)

namespace {
// Names the first line that differs, so a mismatch is found without a hex dump.
QString firstDifference(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < qMax(a.size(), e.size()); ++i) {
        const QByteArray left = a.value(i, "<none>");
        const QByteArray right = e.value(i, "<none>");
        if (left != right)
            return QStringLiteral("line %1: written [%2] expected [%3]")
                .arg(i + 1)
                .arg(QString::fromLatin1(left.toPercentEncoding(" =.:;()[]?'/,-%")),
                     QString::fromLatin1(right.toPercentEncoding(" =.:;()[]?'/,-%")));
    }
    return {};
}
} // namespace

void TestBuiltinLanguage::writesExpectedFile_data() {
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QString>("fixture");
    QTest::newRow("espanol") << Writer(f_crearEspanol) << ":/fixtures/espanol_expected.txt";
    QTest::newRow("english") << Writer(f_crearEnglish) << ":/fixtures/english_expected.txt";
}

void TestBuiltinLanguage::writesExpectedFile() {
    QFETCH(Writer, writer);
    QFETCH(QString, fixture);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("language.txt"));
    // An outdated file, longer than the new one, is replaced whole.
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray("version 0.0.1\r\n") + QByteArray(20000, 'x'));
    old.close();

    writer(path);

    const QByteArray expected = readBytes(fixture, QByteArray());
    QVERIFY(!expected.isEmpty());
    const QByteArray written = readBytes(path, QByteArray());
    QVERIFY2(written == expected, qPrintable(firstDifference(written, expected)));
    QVERIFY(f_idiomaActualizado(path));
}

void TestBuiltinLanguage::unwritablePathRaises() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing-folder/espanol.txt"));
    QVERIFY_THROWS_EXCEPTION(EInOutError, f_crearEspanol(path));
    QVERIFY_THROWS_EXCEPTION(EInOutError, f_crearEnglish(path));
}

QTEST_APPLESS_MAIN(TestBuiltinLanguage)
#include "tst_builtin_language.moc"
