#include "base/errors.h"
#include "document/outline_tree.h"
#include "document/unt_funciones.h"

#include <QLocale>
#include <QTest>

class TestFechas : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void packing_data() {
        QTest::addColumn<QDateTime>("value");
        QTest::addColumn<qint32>("packed");
        QTest::newRow("1980 start") << QDateTime(QDate(1980, 1, 1), QTime(0, 0)) << 2162688;
        QTest::newRow("1999") << QDateTime(QDate(1999, 1, 1), QTime(0, 0)) << 639696896;
        QTest::newRow("2006") << QDateTime(QDate(2006, 7, 15), QTime(0, 0)) << 888078336;
        QTest::newRow("2044 negative") << QDateTime(QDate(2044, 1, 1), QTime(0, 0)) << -2145320960;
        QTest::newRow("1979 too early") << QDateTime(QDate(1979, 12, 31), QTime(23, 59)) << 0;
        QTest::newRow("2108 too late") << QDateTime(QDate(2108, 1, 1), QTime(0, 0)) << 0;
    }
    void packing() {
        QFETCH(QDateTime, value);
        QFETCH(qint32, packed);
        QCOMPARE(packFecha(value), packed);
        if (packed != 0)
            QCOMPARE(unpackFecha(packed), value);
    }

    void timeOfDayKeepsEvenSeconds() {
        const qint32 packed = packFecha(QDateTime(QDate(2006, 7, 15), QTime(13, 45, 11)));
        QCOMPARE(unpackFecha(packed), QDateTime(QDate(2006, 7, 15), QTime(13, 45, 10)));
        QCOMPARE(f_enteroAFecha(packed), QStringLiteral("15/7/2006"));
    }

    void invalidPackedValuesFail_data() {
        QTest::addColumn<qint32>("packed");
        QTest::newRow("zero") << 0;
        QTest::newRow("month 13") << qint32((13 << 5 | 1) << 16);
        QTest::newRow("hour 25") << qint32((1 << 5 | 1) << 16 | 25 << 11);
    }
    void invalidPackedValuesFail() {
        QFETCH(qint32, packed);
        QVERIFY(!unpackFecha(packed));
        QVERIFY_THROWS_EXCEPTION(EConvertError, f_enteroAFecha(packed));
    }

    void nodeConversions() {
        OutlineTree tree;
        Tnota nota;
        nota.setFecha(QStringLiteral("888078336"));
        OutlineNode* good = tree.addLastTopLevel(QStringLiteral("a"), nota);
        QCOMPARE(f_enteroNodo(good), 888078336);
        QCOMPARE(f_fechaNodo(good), QStringLiteral("15/7/2006"));

        nota.setFecha(QStringLiteral("not a date"));
        OutlineNode* garbage = tree.addLastTopLevel(QStringLiteral("b"), nota);
        QVERIFY_THROWS_EXCEPTION(EConvertError, f_enteroNodo(garbage));
        QVERIFY_THROWS_EXCEPTION(EConvertError, f_fechaNodo(garbage));
        nota.setFecha(QStringLiteral("0"));
        OutlineNode* zero = tree.addLastTopLevel(QStringLiteral("c"), nota);
        QCOMPARE(f_enteroNodo(zero), 0);
        QVERIFY_THROWS_EXCEPTION(EConvertError, f_fechaNodo(zero));
    }

    void storedTextIsKeptExactly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("isNumber");
        QTest::newRow("canonical") << "639696896"
                                   << "639696896" << true;
        QTest::newRow("negative") << "-2145320960"
                                  << "-2145320960" << true;
        QTest::newRow("leading zero") << "0639696896"
                                      << "0639696896" << false;
        QTest::newRow("empty") << ""
                               << "" << false;
        QTest::newRow("cut to 20") << "123456789012345678901234"
                                   << "12345678901234567890" << false;
    }
    void storedTextIsKeptExactly() {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QFETCH(bool, isNumber);
        Tnota nota;
        nota.setFecha(text);
        QCOMPARE(nota.fecha(), stored);
        QCOMPARE(nota.fechaIsNumber(), isNumber);
    }

    void parsingLocaleText_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("packed");
        const QLocale es(QLocale::Spanish, QLocale::Spain);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("day first, four digits") << es << "15/07/2006"
                                                << "888078336";
        QTest::newRow("day first, two digits") << es << "15/7/06"
                                               << "888078336";
        QTest::newRow("two digits, last century") << es << "1/1/99"
                                                  << "639696896";
        QTest::newRow("with time")
            << es << "15/07/2006 13:45:10"
            << QString::number(packFecha(QDateTime(QDate(2006, 7, 15), QTime(13, 45, 10))));
        QTest::newRow("month first") << us << "7/15/2006"
                                     << "888078336";
        QTest::newRow("outside the range packs to 0") << es << "1/1/1970"
                                                      << "0";
    }
    void parsingLocaleText() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(QString, packed);
        QLocale::setDefault(locale);
        QCOMPARE(f_fechaAEntero(text), packed);
    }

    void parsingRejectsNonDates_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("words") << "mañana";
        QTest::newRow("no such day") << "31/02/2006";
    }
    void parsingRejectsNonDates() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(EConvertError, f_fechaAEntero(text));
    }

    void formatsAreWidenedAndRoundTrip() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(shortDateFormat(), QStringLiteral("M/d/yyyy"));
        const QDateTime midnight(QDate(2044, 1, 1), QTime(0, 0));
        QCOMPARE(formatFechaHora(midnight), QStringLiteral("1/1/2044"));
        const QDateTime afternoon(QDate(2044, 1, 1), QTime(13, 45, 10));
        QCOMPARE(f_fechaAEntero(formatFechaHora(afternoon)), f_fechaHoraAEntero(afternoon));
        QCOMPARE(f_fechaAEntero(QStringLiteral("1/1/2044")), QStringLiteral("-2145320960"));
    }

    void newItemIsTodayAtMidnight() {
        const Tnota nota = newItemRecord();
        QCOMPARE(unpackFecha(*nota.fechaValue()), QDateTime(QDate::currentDate(), QTime(0, 0)));
        QCOMPARE(nota.cumplido, 0);
        QCOMPARE(nota.prioridad, quint8(0));
        QVERIFY(nota.texto().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFechas)
#include "tst_fechas.moc"
