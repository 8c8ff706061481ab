#include "../support/outline_text.h"
#include "document/outline_search.h"

#include <QTest>

namespace {

// Bodies hold "needle" in several forms; captions are plain unless a case
// puts the text there.
const QStringList kDocument{
    "origin|a needle here, then Needle",
    "A|nothing",
    "  A1|the NEEDLE, shouting",
    "  A2|needles and a needle",
    "Caption with needle|no match in this body",
    "Another needle caption|needle in the body too",
    "B|needle at the very start",
};

} // namespace

class TestOutlineSearch : public QObject {
    Q_OBJECT
private slots:
    void visitingOrder_data() {
        QTest::addColumn<QString>("origin");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<QString>("stopsAt"); // empty: back at the origin without a match
        QTest::addColumn<int>("position");    // -1: the caption matched

        QTest::newRow("rest of the origin's body first")
            << "origin" << 0 << "needle" << false << false << "origin" << 2;
        QTest::newRow("origin's body after the start position")
            << "origin" << 3 << "needle" << false << false << "origin" << 20;
        QTest::newRow("match case skips other letter cases")
            << "origin" << 3 << "needle" << true << false << "A2" << 0;
        QTest::newRow("child of a following item, any letter case")
            << "A" << 0 << "needle" << false << false << "A1" << 4;
        QTest::newRow("whole word skips a longer word")
            << "A2" << 0 << "needle" << false << true << "A2" << 14;
        QTest::newRow("caption before its body")
            << "A2" << 20 << "needle" << false << false << "Caption with needle" << -1;
        QTest::newRow("caption test keeps letter case without match case")
            << "A2" << 20 << "NEEDLE" << false << false << "Another needle caption" << 0;
        QTest::newRow("wraps from the last item to the first")
            << "B" << 10 << "needle" << false << false << "origin" << 2;
        QTest::newRow("a match at the first character of a body")
            << "Another needle caption" << 30 << "needle" << false << false << "B" << 0;
        QTest::newRow("the origin's caption and earlier body are not searched")
            << "origin" << 30 << "here" << false << false << "" << 0;
        QTest::newRow("found nowhere") << "A" << 0 << "haystack" << false << false << "" << 0;
        QTest::newRow("empty text finds nothing") << "A" << 0 << "" << false << false << "" << 0;
    }
    void visitingOrder() {
        QFETCH(QString, origin);
        QFETCH(int, from);
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(QString, stopsAt);
        QFETCH(int, position);
        OutlineTree tree;
        buildOutline(tree, kDocument);
        const FindHit hit =
            findInOutline(tree, findNode(tree, origin), from, text, {matchCase, wholeWord});
        QCOMPARE(hit.node, stopsAt.isEmpty() ? nullptr : findNode(tree, stopsAt));
        if (hit.node)
            QCOMPARE(hit.position, position);
    }

    void collapsedItemsAreSearched() {
        OutlineTree tree;
        buildOutline(tree, {"A", "  hidden|the needle", "B"});
        QVERIFY(!tree.firstTopLevel()->expanded());
        const FindHit hit = findInOutline(tree, findNode(tree, "B"), 0, "needle", {});
        QCOMPARE(hit.node, findNode(tree, "hidden"));
        QCOMPARE(hit.position, 4);
    }

    void singleItemStopsAtOnce() {
        OutlineTree tree;
        buildOutline(tree, {"needle|needle"});
        QCOMPARE(findInOutline(tree, tree.firstTopLevel(), 1, "needle", {}).node, nullptr);
    }

    void positionsCountLineBreaksAsTheEditorDoes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("after every kind of break") << "needle" << 12;
        QTest::newRow("across a break") << "cd\nef" << 3;
        QTest::newRow("whole word after a break") << "gh" << 9;
    }
    void positionsCountLineBreaksAsTheEditorDoes() {
        QFETCH(QString, text);
        QFETCH(int, position);
        // The editor holds each CR LF, CR or LF as one character.
        Tnota nota;
        nota.setTexto(QStringLiteral("ab\r\ncd\ref\ngh needle"));
        QCOMPARE(editorBody(nota), QStringLiteral("ab\ncd\nef\ngh needle"));
        OutlineTree tree;
        OutlineNode* first = tree.addLastTopLevel(QStringLiteral("first"), nota);
        OutlineNode* second = tree.addLastTopLevel(QStringLiteral("second"));
        const FindOptions wholeWord{false, true};
        // In the origin's own body, and in a body the run comes to.
        const FindHit inOrigin = findInOutline(tree, first, 0, text, wholeWord);
        const FindHit further = findInOutline(tree, second, 0, text, wholeWord);
        QCOMPARE(inOrigin.node, first);
        QCOMPARE(inOrigin.position, position);
        QCOMPARE(further.node, first);
        QCOMPARE(further.position, position);
    }

    void wholeWordBoundaries_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("position");
        QTest::newRow("alone") << "word" << 0;
        QTest::newRow("punctuation around") << "(word)." << 1;
        QTest::newRow("after a line break") << "x\nword" << 2;
        QTest::newRow("inside longer words only") << "swordfish words" << -1;
        QTest::newRow("digits join a word") << "word2 2word word" << 12;
        QTest::newRow("accented letters join a word") << "wordé éword" << -1;
    }
    void wholeWordBoundaries() {
        QFETCH(QString, body);
        QFETCH(int, position);
        QCOMPARE(findInBody(body, u"word", 0, {false, true}), position);
    }
};

QTEST_GUILESS_MAIN(TestOutlineSearch)
#include "tst_outline_search.moc"
