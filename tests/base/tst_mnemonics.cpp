// The mnemonics given to captions that have none.
#include "base/mnemonics.h"

#include <QTest>

using Groups = QList<QList<int>>;

class TestMnemonics : public QObject {
    Q_OBJECT
private slots:
    // One group holding every caption unless the row gives its groups.
    void assigns_data() {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<Groups>("groups");
        QTest::addColumn<QStringList>("expected");
        const Groups none;
        QTest::newRow("first letters of words")
            << QStringList{"Nuevo", "Guardar como", "Guardar"} << none
            << QStringList{"&Nuevo", "&Guardar como", "G&uardar"};
        QTest::newRow("a clash moves to the next letter")
            << QStringList{"Copiar", "Cortar", "Cerrar"} << none
            << QStringList{"&Copiar", "C&ortar", "C&errar"};
        QTest::newRow("a designed mnemonic stays and the others avoid it")
            << QStringList{"Archivo", "&Ver", "Ayuda", "Vista"} << none
            << QStringList{"&Archivo", "&Ver", "A&yuda", "V&ista"};
        QTest::newRow("a designed one wins even when it comes later")
            << QStringList{"Abrir", "S&alir"} << none << QStringList{"A&brir", "S&alir"};
        QTest::newRow("case does not matter")
            << QStringList{"&open", "Opciones"} << none << QStringList{"&open", "O&pciones"};
        QTest::newRow("accented letters are never chosen")
            << QStringList{"Edicion", "Édición"} << none << QStringList{"&Edicion", "É&dición"};
        QTest::newRow("an accented designed mnemonic stays")
            << QStringList{"&Ítems", "Items"} << none << QStringList{"&Ítems", "&Items"};
        QTest::newRow("a literal ampersand is text, never a mnemonic")
            << QStringList{"A&&B", "Tom && Ann"} << none << QStringList{"&A&&B", "&Tom && Ann"};
        QTest::newRow("an ampersand ending a caption is text")
            << QStringList{"R&"} << none << QStringList{"&R&"};
        QTest::newRow("an earlier one moves to free the only letter")
            << QStringList{"Alta", "Baja", "AB"} << none << QStringList{"A&lta", "&Baja", "&AB"};
        QTest::newRow("a designed one never moves")
            << QStringList{"&Alta", "A"} << none << QStringList{"&Alta", "A (&B)"};
        QTest::newRow("letters used up: a free one is added")
            << QStringList{"ab", "ba", "ab"} << none << QStringList{"&ab", "&ba", "ab (&C)"};
        QTest::newRow("digits when nothing else is left")
            << QStringList{"1", "1"} << none << QStringList{"&1", "1 (&A)"};
        QTest::newRow("empty captions stay empty")
            << QStringList{"", "Salir"} << none << QStringList{"", "&Salir"};
        // The edit menu and a popup share Cut; the popup's own command avoids it too.
        QTest::newRow("a caption in two groups is unlike both")
            << QStringList{"Cut", "Copy", "Chop"} << Groups{{0, 1}, {0, 2}}
            << QStringList{"&Cut", "C&opy", "C&hop"};
        QTest::newRow("groups apart may share a letter")
            << QStringList{"Cut", "Copy"} << Groups{{0}, {1}} << QStringList{"&Cut", "&Copy"};
    }

    void assigns() {
        QFETCH(QStringList, captions);
        QFETCH(Groups, groups);
        QFETCH(QStringList, expected);
        if (groups.isEmpty()) {
            QList<int> all;
            for (int i = 0; i < captions.size(); ++i)
                all << i;
            groups << all;
        }
        const QStringList result = withMnemonics(captions, groups);
        QCOMPARE(result, expected);
        // What is shown stays the caption, apart from a mnemonic added at the end.
        for (int i = 0; i < captions.size(); ++i)
            QVERIFY(withoutMnemonic(result[i]).startsWith(withoutMnemonic(captions[i])));
    }

    void readsMnemonics_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << "Abrir"
                              << ""
                              << "Abrir";
        QTest::newRow("upper case folded") << "&Abrir"
                                           << "a"
                                           << "Abrir";
        QTest::newRow("after a literal") << "A&&B &Co"
                                         << "c"
                                         << "A&B Co";
        QTest::newRow("only literals") << "A&&B"
                                       << ""
                                       << "A&B";
        QTest::newRow("accented") << "&Ítems"
                                  << "í"
                                  << "Ítems";
        QTest::newRow("trailing ampersand") << "R&"
                                            << ""
                                            << "R&";
    }

    void readsMnemonics() {
        QFETCH(QString, caption);
        QFETCH(QString, mnemonic);
        QFETCH(QString, shown);
        const QChar found = mnemonicOf(caption);
        QCOMPARE(found.isNull() ? QString() : QString(found), mnemonic);
        QCOMPARE(withoutMnemonic(caption), shown);
    }
};

QTEST_APPLESS_MAIN(TestMnemonics)
#include "tst_mnemonics.moc"
