#include "../support/outline_description.h"
#include "../support/outline_text.h"
#include "base/errors.h"
#include "document/document_file.h"
#include "document/rollup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

QString defaults(const QString&, const QString&, const QString& def) {
    return def;
}

std::unique_ptr<OutlineTree> parse(const QByteArray& bytes) {
    return parseDocument(bytes, QStringLiteral("test.qnf"), defaults);
}

// One record as the writer lays it out.
QByteArray record(int index, int level, const char* expanded, const QByteArray& caption,
                  const QByteArray& fecha, int cumplido, int prioridad, const QByteArray& body) {
    return QByteArray::number(index) + "\r\n" + QByteArray::number(level) + "\r\n" + expanded +
           "\r\n" + caption + "\r\n" + fecha + "\r\n" + QByteArray::number(cumplido) + "\r\n" +
           QByteArray::number(prioridad) + "\r\n" + body + "\x01\x02\x03\r\n";
}

// The document's bytes as a file in `dir`.
QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("doc.qnf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

class TestDocumentFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void writesTheDocumentedLayout() {
        OutlineTree tree;
        Tnota compras;
        compras.setFecha(QStringLiteral("639696896"));
        compras.cumplido = 40;
        compras.prioridad = 1;
        compras.setTexto(QStringLiteral("pan\r\nleche"));
        OutlineNode* top = tree.addLastTopLevel(QStringLiteral("Compras"), compras);
        Tnota llamar;
        llamar.setFecha(QStringLiteral("639696896"));
        llamar.cumplido = 40;
        tree.addLastChild(top, QStringLiteral("Llamar"), llamar);
        top->setExpanded(true);

        const QByteArray expected = "0\r\n0\r\n1\r\nCompras\r\n639696896\r\n40\r\n1\r\npan\r\n"
                                    "leche\x01\x02\x03\r\n"
                                    "1\r\n1\r\n0\r\nLlamar\r\n639696896\r\n40\r\n0\r\n"
                                    "\x01\x02\x03\r\n";
        QCOMPARE(documentBytes(tree), expected);
        QCOMPARE(documentBytes(OutlineTree()), QByteArray());
    }

    void roundTripKeepsEverything() {
        OutlineTree tree;
        Tnota a;
        a.setFechaValue(packFecha(QDateTime(QDate(2006, 7, 15), QTime(13, 45, 10))));
        a.prioridad = 2;
        a.setTexto(QStringLiteral("first line\r\n\r\n  indented, ñandú, 50 €\r\n"));
        OutlineNode* top = tree.addLastTopLevel(QStringLiteral("Caf\u00e9 \u20ac"), a);
        Tnota b;
        b.setFechaValue(-2145320960);
        b.cumplido = 100;
        OutlineNode* one = tree.addLastChild(top, QStringLiteral("1"), b);
        Tnota c;
        c.cumplido = 30;
        c.setFecha(QStringLiteral("garbage"));
        tree.addLastChild(one, QString(), c);
        tree.addLastTopLevel(QStringLiteral("last"), Tnota());
        top->setExpanded(true);
        f_consolidarTreeView(tree);
        tree.forEach([](OutlineNode* n) {
            f_asignaricononodo(n, n->nota().cumplido);
            applyPriorityMark(n);
        });

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doc.qnf"));
        f_guardarNodos(tree, path);
        const auto read = readDocument(path, defaults);
        QCOMPARE(describeAll(*read), describeAll(tree));
        // Writing what was read gives the same bytes again.
        QCOMPARE(documentBytes(*read), documentBytes(tree));
    }

    // Texts of a read document live in one arena: short and long length
    // forms, a text larger than one of its blocks, and texts that must stay
    // valid when the tree moves and after it is gone (copies of its records).
    void textsOfEveryLengthReadBack_data() {
        QTest::addColumn<int>("length");
        for (int length : {1, 254, 255, 256, 70'000, 3'000'000})
            QTest::addRow("%d", length) << length;
    }

    void textsOfEveryLengthReadBack() {
        QFETCH(int, length);
        OutlineTree tree;
        Tnota nota;
        nota.setTextoUtf8(QByteArray(length, 'b'));
        tree.addLastTopLevel(QString(length, u'c'), nota);
        tree.addLastTopLevel(QStringLiteral("after"), Tnota());
        const QByteArray bytes = documentBytes(tree);

        auto read = parse(bytes);
        OutlineTree moved = std::move(*read);
        read.reset();
        QCOMPARE(documentBytes(moved), bytes);
        const Tnota copy = moved.firstTopLevel()->nota();
        const QString caption = moved.firstTopLevel()->caption();
        moved.clear();
        QCOMPARE(copy.textoUtf8(), QByteArray(length, 'b'));
        QCOMPARE(caption, QString(length, u'c'));
    }

    void encodingFollowsTheText_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::newRow("plain") << "abc" << QByteArray("abc");
        QTest::newRow("windows-1252") << "caf\u00e9 \u20ac" << QByteArray("caf\xe9 \x80");
        QTest::newRow("beyond windows-1252")
            << "caf\u00e9 \u03a9" << QByteArray("caf\xc3\xa9 \xce\xa9");
    }
    void encodingFollowsTheText() {
        QFETCH(QString, caption);
        QFETCH(QByteArray, onDisk);
        OutlineTree tree;
        tree.addLastTopLevel(caption);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doc.qnf"));
        f_guardarNodos(tree, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.split('\n').at(3), onDisk + '\r');
        QCOMPARE(readDocument(path, defaults)->firstTopLevel()->caption(), caption);
    }

    void readingRules() {
        // Blank lines and whitespace around records, a lone LF and a lone CR in
        // a body, a caption that looks like a number, an empty caption, a
        // priority beyond 8 bits and a date written as locale text.
        const QByteArray bytes =
            "\r\n  \r\n" + record(0, 0, "1", "1", "15/07/2006", 0, 258, "a\nb\rc") + "\r\n\r\n" +
            record(1, 1, "yes", "", "639696896", 20, 0, "") + "\n\n  \t\r\n";
        const auto tree = parse(bytes);
        QCOMPARE(tree->count(), 2);
        OutlineNode* top = tree->firstTopLevel();
        QCOMPARE(top->caption(), QStringLiteral("1"));
        QVERIFY(top->expanded());
        QCOMPARE(top->nota().fecha(), QStringLiteral("888078336"));
        QCOMPARE(top->nota().prioridad, quint8(2));
        QCOMPARE(top->stateIndex(), 3);
        QCOMPARE(top->nota().texto(), QStringLiteral("a\r\nbc"));
        OutlineNode* child = top->firstChild();
        QCOMPARE(child->caption(), QString());
        QVERIFY(!child->expanded()); // only "1" means expanded
        // The parent's own 0 is replaced by the mean of its children.
        QCOMPARE(top->nota().cumplido, 20);
        QCOMPARE(top->imageIndex(), 2);
    }

    // A CR anywhere but before a line's LF is dropped in every line of a
    // record: the expanded state and the numbers too, and the body ends at a
    // terminator with a CR inside it. What is read is written back as read.
    void carriageReturnsAreDroppedInEveryLine() {
        QByteArray bytes = record(0, 0, "1", "A", "639696896", 0, 0, "");
        bytes.replace("\r\n", "\r\r\n");
        bytes += "1\r\r\n1\r\r\n1\r\r\nB\r\r\n639696896\r\r\n1\r4\r\n0\r\nbo\rdy\x01\x02\r\x03\r\n";
        const auto tree = parse(bytes);
        QCOMPARE(tree->count(), 2);
        QVERIFY(tree->firstTopLevel()->expanded());
        const OutlineNode* b = tree->firstTopLevel()->firstChild();
        QVERIFY(b->expanded());
        QCOMPARE(b->nota().cumplido, 14);
        QCOMPARE(b->nota().texto(), QStringLiteral("body"));
        QCOMPARE(describeAll(*parse(documentBytes(*tree))), describeAll(*tree));
    }

    // Text whose Windows-1252 bytes would read as UTF-8 ("Ã©" is C3 A9, "é"
    // in UTF-8) is written in UTF-8, so that it reads back as it was.
    void textThatLooksLikeUtf8ReadsBack() {
        OutlineTree tree;
        tree.addLastTopLevel(QStringLiteral("Caf\u00c3\u00a9"))
            ->nota()
            .setTexto(QStringLiteral("\u00e2\u20ac\u00a8"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doc.qnf"));
        f_guardarNodos(tree, path);
        QCOMPARE(describeAll(*readDocument(path, defaults)), describeAll(tree));
        // Text that Windows-1252 holds and that is no UTF-8 stays in Windows-1252.
        OutlineTree plain;
        plain.addLastTopLevel(QStringLiteral("Caf\u00e9"));
        f_guardarNodos(plain, path);
        QVERIFY(readBytes(path).contains("Caf\xe9\r\n"));
    }

    void placingRule() {
        // A record whose level has no parent above it goes to the end of the top level.
        const QByteArray bytes =
            record(0, 0, "0", "A", "0", 0, 0, "") + record(1, 0, "0", "B", "0", 0, 0, "") +
            record(2, 2, "0", "orphan", "0", 0, 0, "") + record(3, 1, "0", "B1", "0", 0, 0, "") +
            record(4, 2, "0", "B1a", "0", 0, 0, "") + record(5, 1, "0", "B2", "0", 0, 0, "");
        QCOMPARE(outlineLines(*parse(bytes)),
                 QStringList({"A", "B", "orphan", "  B1", "    B1a", "  B2"}));
    }

    // A record may name a parent whose children were all read already (a
    // damaged or hand-made file): an item with children, then one without.
    // The lists read whole still take inserts and removals afterwards.
    void aLaterRecordMayNameAnEarlierParent() {
        const QByteArray bytes =
            record(0, 0, "0", "A", "0", 0, 0, "") + record(1, 1, "0", "A1", "0", 0, 0, "") +
            record(2, 2, "0", "A1a", "0", 0, 0, "") + record(3, 0, "0", "B", "0", 0, 0, "") +
            record(4, 1, "0", "B1", "0", 0, 0, "") + record(5, 0, "0", "C", "0", 0, 0, "") +
            record(6, 2, "0", "x", "0", 0, 0, "") + record(7, 2, "0", "y", "0", 0, 0, "") +
            record(8, 0, "0", "D", "0", 0, 0, "");
        const auto tree = parse(bytes);
        QCOMPARE(tree->count(), 9);
        QCOMPARE(outlineLines(*tree),
                 QStringList({"A", "  A1", "    A1a", "B", "  B1", "    x", "    y", "C", "D"}));
        OutlineNode* a1 = tree->firstTopLevel()->firstChild();
        tree->insert(a1, 0, "A1first", Tnota());
        tree->remove(tree->topLevel(2));
        tree->insert(nullptr, 1, "AB", Tnota());
        QCOMPARE(outlineLines(*tree), QStringList({"A", "  A1", "    A1first", "    A1a", "AB", "B",
                                                   "  B1", "    x", "    y", "D"}));
        QCOMPARE(tree->count(), 10);
        QCOMPARE(outlineLines(*parse(documentBytes(*tree))), outlineLines(*tree));
    }

    void emptyAndUnknownTextsSurvive() {
        QVERIFY(parse(QByteArray())->isEmpty());
        QVERIFY(parse("\r\n \r\n")->isEmpty());
        // A stored date that is not a number is kept, not lost.
        const auto tree = parse(record(0, 0, "0", "x", "tomorrow-ish", 0, 0, ""));
        QCOMPARE(tree->firstTopLevel()->nota().fecha(), QStringLiteral("tomorrow-ish"));
    }

    void damagedDocumentsAreRejected_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("errorPart");
        const QByteArray good = record(0, 0, "0", "A", "0", 0, 0, "");
        QTest::newRow("position not a number")
            << record(0, 0, "0", "A", "0", 0, 0, "").replace(0, 1, "x") << "'x'";
        QTest::newRow("level not a number") << QByteArray("0\r\nlevel\r\n") << "'level'";
        QTest::newRow("percent not a number")
            << QByteArray("0\r\n0\r\n0\r\nA\r\n0\r\n4o\r\n0\r\n\x01\x02\x03\r\n") << "'4o'";
        QTest::newRow("priority not a number")
            << QByteArray("0\r\n0\r\n0\r\nA\r\n0\r\n0\r\n\r\n\x01\x02\x03\r\n") << "''";
        QTest::newRow("body without end")
            << good + "1\r\n0\r\n0\r\nB\r\n0\r\n0\r\n0\r\nnever\r\nends\r\n"
            << "has no end";
        QTest::newRow("record cut short") << good + "1\r\n0\r\n1\r\n"
                                          << "ends before";
        QTest::newRow("record cut short under nested items")
            << good + record(1, 1, "0", "A1", "0", 0, 0, "") +
                   record(2, 2, "0", "A1a", "0", 0, 0, "") + "3\r\n2\r\n1\r\n"
            << "ends before";
        QTest::newRow("positions out of order")
            << good + record(2, 0, "0", "B", "0", 0, 0, "") << "numbered 2";
        QTest::newRow("first not numbered 0")
            << record(1, 0, "0", "A", "0", 0, 0, "") << "numbered 1";
    }
    void damagedDocumentsAreRejected() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, errorPart);
        try {
            parse(bytes);
            QFAIL("a damaged document was accepted");
        } catch (const QuillnestError& error) {
            QVERIFY2(error.message().contains(errorPart), qPrintable(error.message()));
            QVERIFY(error.message().contains(QStringLiteral("test.qnf")));
        }
    }

    // The file is read a piece at a time, twice: its encoding must hold for every
    // piece, and neither a line nor a character may be broken where a piece ends.
    void readsAPieceAtATime_data() {
        QTest::addColumn<QByteArray>("onDisk");
        QTest::addColumn<qint64>("readSize");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("bodies");
        // Everything of the first record up to its body.
        const QByteArray head = "0\r\n0\r\n0\r\na\r\n0\r\n0\r\n0\r\n";
        const qsizetype fill = kDocumentReadSize - head.size() - 1;

        QTest::newRow("utf-8, one byte per read")
            << record(0, 0, "1", "Caf\xc3\xa9 \xe2\x82\xac", "0", 0, 0,
                      "\xc3\xb1"
                      "and\xc3\xba\r\n\xf0\x9d\x84\x9e") +
                   record(1, 1, "0", "\xce\xa9", "0", 0, 0, "end \xe2\x82\xac")
            << qint64(1) << QStringList{"Caf\u00e9 \u20ac", "\u03a9"}
            << QStringList{"\u00f1and\u00fa\r\n\U0001D11E", "end \u20ac"};
        // The euro sign's first byte is the last of the first read.
        QTest::newRow("utf-8, a character across full-size reads")
            << head + QByteArray(fill, 'x') + "\xe2\x82\xac\x01\x02\x03\r\n"
            << kDocumentReadSize << QStringList{"a"}
            << QStringList{QString(fill, u'x') + u'\u20ac'};
        QTest::newRow("blank lines, lone CR and LF, two bytes per read")
            << "\r\n  \r\n" + record(0, 0, "1", "1", "0", 0, 0, "a\nb\rc") + "\r\n\r\n" +
                   record(1, 1, "0", "c\rd", "0", 0, 0, "x\r\r\ny") + "\n\n  \t\r\n"
            << qint64(2) << QStringList{"1", "cd"} << QStringList{"a\r\nbc", "x\r\ny"};
        QTest::newRow("windows-1252 over many reads")
            << record(0, 0, "1", "Caf\xe9 \x80", "0", 0, 0,
                      "\xf1"
                      "and\xfa\r\n\xbfs\xed?") +
                   record(1, 1, "0", "a\xf1o", "0", 0, 0, "\x93x\x94")
            << qint64(16) << QStringList{"Caf\u00e9 \u20ac", "a\u00f1o"}
            << QStringList{"\u00f1and\u00fa\r\n\u00bfs\u00ed?", "\u201cx\u201d"};
        QTest::newRow("windows-1252 over full-size reads")
            << record(0, 0, "0", "Caf\xe9", "0", 0, 0, QByteArray(fill, 'y') + "\xf1") +
                   record(1, 0, "0", "\x80 5", "0", 0, 0, "\xbf?")
            << kDocumentReadSize << QStringList{"Caf\u00e9", "\u20ac 5"}
            << QStringList{QString(fill, u'y') + u'\u00f1', "\u00bf?"};
        // One byte that is not UTF-8, well past the first read, makes the whole
        // file Windows-1252: the UTF-8 bytes read before it too.
        QTest::newRow("utf-8 but for one byte in a later read")
            << record(0, 0, "0", "Caf\xc3\xa9", "0", 0, 0, "\xc3\xb1") +
                   record(1, 0, "0", "b", "0", 0, 0, QByteArray(kDocumentReadSize, 'z') + "\xff")
            << kDocumentReadSize << QStringList{"Caf\u00c3\u00a9", "b"}
            << QStringList{"\u00c3\u00b1", QString(kDocumentReadSize, u'z') + u'\u00ff'};
        // A character cut off by the end of the file is not UTF-8 either. Text
        // after the terminator: the line's last three characters go.
        QTest::newRow("utf-8 cut short at the end")
            << QByteArray("0\r\n0\r\n0\r\nCaf\xc3\xa9\r\n0\r\n0\r\n0\r\nok\x01\x02\x03\xe2\x82")
            << qint64(4) << QStringList{"Caf\u00c3\u00a9"} << QStringList{"ok\x01\x02"};
    }
    void readsAPieceAtATime() {
        QFETCH(QByteArray, onDisk);
        QFETCH(qint64, readSize);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, bodies);
        QTemporaryDir dir;
        const auto tree = readDocument(writeFile(dir, onDisk), defaults, {}, readSize);
        QStringList readCaptions, readBodies;
        tree->forEach([&](OutlineNode* n) {
            readCaptions << n->caption();
            readBodies << n->nota().texto();
        });
        QCOMPARE(readCaptions, captions);
        QCOMPARE(readBodies, bodies);
    }

    void damagedLineIsNamedWhateverTheReadSize_data() {
        QTest::addColumn<qint64>("readSize");
        QTest::newRow("one byte") << qint64(1);
        QTest::newRow("three bytes") << qint64(3);
        QTest::newRow("full size") << kDocumentReadSize;
    }
    void damagedLineIsNamedWhateverTheReadSize() {
        QFETCH(qint64, readSize);
        // Lines 1-2 blank, 3-10 the first record, 11-12 blank, then the second
        // record with its percent done on line 18.
        const QByteArray bytes = "\r\n\n" + record(0, 0, "0", "A", "0", 0, 0, "") +
                                 " \r\n\r\n1\r\n0\r\n0\r\nB\r\n0\r\n4o\r\n0\r\n";
        QTemporaryDir dir;
        try {
            readDocument(writeFile(dir, bytes), defaults, {}, readSize);
            QFAIL("a damaged document was accepted");
        } catch (const EConvertError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("at line 18: '4o'")),
                     qPrintable(error.message()));
        }
    }

    // A huge damaged line is named by its first characters only.
    void aHugeDamagedLineIsQuotedShort() {
        const QByteArray bytes = "0\r\n0\r\n0\r\nA\r\n0\r\n" + QByteArray(20'000'000, '4') +
                                 "\x07x\r\n0\r\n\x01\x02\x03\r\n";
        try {
            parse(bytes);
            QFAIL("a damaged document was accepted");
        } catch (const EConvertError& error) {
            QVERIFY2(error.message().size() < 200, qPrintable(error.message().left(300)));
            QVERIFY(error.message().contains(QString(40, u'4') + QChar(0x2026)));
        }
    }

    // A write that runs out of room says why, as the system puts it, and the
    // old file stays whole. (A file size limit stands in for a full disk.)
    void aFailedWriteGivesTheSystemsReason() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doc.qnf"));
        OutlineTree small;
        small.addLastTopLevel(QStringLiteral("old"));
        f_guardarNodos(small, path);
        const QByteArray before = readBytes(path);
        OutlineTree large;
        large.addLastTopLevel(QStringLiteral("new"))->nota().setTexto(QString(300'000, u'x'));
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit saved = limit;
        limit.rlim_cur = 100'000;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        QString message;
        try {
            f_guardarNodos(large, path);
        } catch (const EInOutError& error) {
            message = error.message();
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY2(message.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))),
                 qPrintable(message));
        QCOMPARE(readBytes(path), before);
    }

    // A document the user may write, in a folder they may not: saved in place.
    void aWritableFileInAReadOnlyFolderIsSaved() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + QStringLiteral("/doc.qnf");
        OutlineTree tree;
        tree.addLastTopLevel(QStringLiteral("A"));
        f_guardarNodos(tree, path);
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const auto unlock = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFileInfo(folder).isWritable())
            QSKIP("permissions do not bind this user");
        tree.firstTopLevel()->setCaption(QStringLiteral("B"));
        f_guardarNodos(tree, path);
        QCOMPARE(outlineLines(*readDocument(path, defaults)), QStringList{"B"});
    }

    void missingFileUsesTheLookup() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("none.qnf"));
        const auto lookup = [](const QString& section, const QString& key, const QString&) {
            return section + u'/' + key + QStringLiteral(": %s");
        };
        try {
            readDocument(path, lookup);
            QFAIL("a missing file was read");
        } catch (const Ef_abrirarchivo& error) {
            QCOMPARE(error.message(), QStringLiteral("mensajes/no existe archivo: ") + path);
        }
    }

    void progressIsReportedPerItem() {
        QStringList seen;
        parseDocument(record(0, 0, "0", "A", "0", 0, 0, "") + record(1, 0, "0", "B", "0", 0, 0, ""),
                      QStringLiteral("t.qnf"), defaults, [&](const QString& prefix, int position) {
                          seen << prefix + QString::number(position);
                      });
        QCOMPARE(seen, QStringList({"Cargando item: 0", "Cargando item: 1"}));
    }

    void writeAndReadFailuresAreErrors() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doc.qnf"));
        OutlineTree tree;
        tree.addLastTopLevel(QStringLiteral("kept"));
        f_guardarNodos(tree, path);
        QVERIFY_THROWS_EXCEPTION(EInOutError,
                                 f_guardarNodos(tree, dir.filePath(QStringLiteral("no/such.qnf"))));
        // A folder where the document should be cannot be replaced.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.qnf")));
        QVERIFY_THROWS_EXCEPTION(EInOutError,
                                 f_guardarNodos(tree, dir.filePath(QStringLiteral("folder.qnf"))));
        QVERIFY_THROWS_EXCEPTION(
            EInOutError, readDocument(dir.filePath(QStringLiteral("folder.qnf")), defaults));
        QCOMPARE(readDocument(path, defaults)->firstTopLevel()->caption(), QStringLiteral("kept"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "tst_document_file.moc"
