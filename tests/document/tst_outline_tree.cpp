#include "../support/outline_text.h"
#include "document/outline_tree.h"

#include <QTest>

namespace {

const QStringList kSample{"A", "  A1", "  B", "    B1", "  C", "D"};

} // namespace

class TestOutlineTree : public QObject {
    Q_OBJECT
private slots:
    void addingKeepsRowsLevelsAndCount() {
        OutlineTree tree;
        OutlineNode* b = tree.addFirstTopLevel(QStringLiteral("B"));
        OutlineNode* a = tree.addFirstTopLevel(QStringLiteral("A"));
        OutlineNode* a1 = tree.addLastChild(a, QStringLiteral("A1"));
        tree.addLastSibling(a1, QStringLiteral("A2"));
        tree.addLastSibling(a, QStringLiteral("C"));
        QCOMPARE(outlineLines(tree), QStringList({"A", "  A1", "  A2", "B", "C"}));
        QCOMPARE(tree.count(), 5);
        QCOMPARE(b->row(), 1);
        QCOMPARE(a1->level(), 1);
        QCOMPARE(a1->parent(), a);
        QCOMPARE(a->parent(), nullptr);
    }

    void absoluteIndexMatchesDepthFirstOrder() {
        OutlineTree tree;
        buildOutline(tree, kSample);
        int index = 0;
        tree.forEach([&](OutlineNode* n) {
            QCOMPARE(tree.absoluteIndex(n), index);
            QCOMPARE(tree.nodeAt(index), n);
            ++index;
        });
        QCOMPARE(index, tree.count());
        QCOMPARE(tree.nodeAt(tree.count()), nullptr);
        QCOMPARE(tree.nodeAt(-1), nullptr);
    }

    void removeTakesTheSubtree() {
        OutlineTree tree;
        buildOutline(tree, kSample);
        tree.remove(findNode(tree, QStringLiteral("B")));
        QCOMPARE(outlineLines(tree), QStringList({"A", "  A1", "  C", "D"}));
        QCOMPARE(tree.count(), 4);
        QCOMPARE(findNode(tree, QStringLiteral("C"))->row(), 1);
    }

    void previousItems() {
        OutlineTree tree;
        buildOutline(tree, kSample);
        OutlineNode* c = findNode(tree, QStringLiteral("C"));
        QCOMPARE(tree.previous(c)->caption(), QStringLiteral("B1"));
        QCOMPARE(tree.previousVisible(c)->caption(), QStringLiteral("B")); // B is collapsed
        findNode(tree, QStringLiteral("B"))->setExpanded(true);
        QCOMPARE(tree.previousVisible(c)->caption(), QStringLiteral("B1"));
        QCOMPARE(tree.previous(findNode(tree, QStringLiteral("A1")))->caption(),
                 QStringLiteral("A"));
        QCOMPARE(tree.previous(findNode(tree, QStringLiteral("A"))), nullptr);
        // D's previous sibling A is collapsed, so its whole subtree is hidden.
        QCOMPARE(tree.previousVisible(findNode(tree, QStringLiteral("D")))->caption(),
                 QStringLiteral("A"));
    }

    void moves_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QStringList>("result");
        using P = OutlineTree::Place;
        QTest::newRow("before an earlier sibling")
            << "C" << int(P::Before) << "A1" << true
            << QStringList{"A", "  C", "  A1", "  B", "    B1", "D"};
        QTest::newRow("before the next sibling stays")
            << "A1" << int(P::Before) << "B" << true << kSample;
        QTest::newRow("before a node one level up")
            << "B1" << int(P::Before) << "C" << true
            << QStringList{"A", "  A1", "  B", "  B1", "  C", "D"};
        QTest::newRow("as last sibling") << "A1" << int(P::LastSibling) << "B" << true
                                         << QStringList{"A", "  B", "    B1", "  C", "  A1", "D"};
        QTest::newRow("as last child, with subtree")
            << "B" << int(P::LastChild) << "D" << true
            << QStringList{"A", "  A1", "  C", "D", "  B", "    B1"};
        QTest::newRow("no destination means the end of the top level")
            << "B" << int(P::LastChild) << "" << true
            << QStringList{"A", "  A1", "  C", "D", "B", "  B1"};
        QTest::newRow("onto itself") << "B" << int(P::LastChild) << "B" << false << kSample;
        QTest::newRow("into its own subtree") << "A" << int(P::Before) << "B1" << false << kSample;
    }
    void moves() {
        QFETCH(QString, node);
        QFETCH(int, place);
        QFETCH(QString, destination);
        QFETCH(bool, moved);
        QFETCH(QStringList, result);
        OutlineTree tree;
        buildOutline(tree, kSample);
        OutlineNode* dest = destination.isEmpty() ? nullptr : findNode(tree, destination);
        QCOMPARE(tree.move(findNode(tree, node), OutlineTree::Place(place), dest), moved);
        QCOMPARE(outlineLines(tree), result);
        QCOMPARE(tree.count(), kSample.size());
        // Rows stay consistent after every move.
        tree.forEach([&](OutlineNode* n) { QCOMPARE(tree.child(n->parent(), n->row()), n); });
        OutlineNode* movedNode = findNode(tree, node);
        if (moved && movedNode->parent())
            QVERIFY(movedNode->parent()->expanded());
    }

    void copyIntoAuxSharesRecords() {
        OutlineTree tree;
        buildOutline(tree, kSample);
        OutlineNode* a = findNode(tree, QStringLiteral("A"));
        findNode(tree, QStringLiteral("B1"))->nota().setTexto(QStringLiteral("body"));
        a->setExpanded(true);
        OutlineTree aux;
        aux.addLastTopLevel(QStringLiteral("left over"));
        QCOMPARE(f_copiarNodoAux(a, aux), &aux);
        QCOMPARE(outlineLines(aux), QStringList({"A", "  A1", "  B", "    B1", "  C"}));
        QCOMPARE(&findNode(aux, QStringLiteral("B1"))->nota(),
                 &findNode(tree, QStringLiteral("B1"))->nota());
        QVERIFY(!aux.firstTopLevel()->expanded());

        aux.clear();
        QCOMPARE(findNode(tree, QStringLiteral("B1"))->nota().texto(), QStringLiteral("body"));

        // A leaf copies as a tree of one node; no source leaves aux as it was.
        f_copiarNodoAux(findNode(tree, QStringLiteral("D")), aux);
        QCOMPARE(outlineLines(aux), QStringList({"D"}));
        QCOMPARE(f_copiarNodoAux(nullptr, aux), nullptr);
        QCOMPARE(outlineLines(aux), QStringList({"D"}));
    }

    void veryDeepOutlineNeedsNoStack() {
        // A damaged or hostile document can nest items arbitrarily deep.
        OutlineTree tree;
        OutlineNode* node = tree.addLastTopLevel(QStringLiteral("0"));
        for (int i = 1; i < 300000; ++i)
            node = tree.addLastChild(node, QString());
        QCOMPARE(tree.count(), 300000);
        OutlineTree aux;
        f_copiarNodoAux(tree.firstTopLevel(), aux);
        QCOMPARE(aux.count(), 300000);
        QCOMPARE(tree.absoluteIndex(node), 299999);
        tree.clear();
        QCOMPARE(tree.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestOutlineTree)
#include "tst_outline_tree.moc"
