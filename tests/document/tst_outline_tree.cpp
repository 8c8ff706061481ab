#include "document/outline_tree.h"

#include <QTest>

namespace {

// Builds a tree from an indented outline: one line per node, two blanks per level.
void build(OutlineTree& tree, const QStringList& lines) {
    std::vector<OutlineNode*> lastAt;
    for (const QString& line : lines) {
        const int level = int(line.size() - line.trimmed().size()) / 2;
        lastAt.resize(size_t(level));
        OutlineNode* parent = level ? lastAt.back() : nullptr;
        lastAt.push_back(parent ? tree.addLastChild(parent, line.trimmed())
                                : tree.addLastTopLevel(line.trimmed()));
    }
}

// The outline back as indented lines, in depth-first order.
QStringList outline(const OutlineTree& tree) {
    QStringList lines;
    tree.forEach([&](OutlineNode* n) { lines << QString(n->level() * 2, u' ') + n->caption(); });
    return lines;
}

OutlineNode* find(const OutlineTree& tree, const QString& caption) {
    OutlineNode* found = nullptr;
    tree.forEach([&](OutlineNode* n) {
        if (n->caption() == caption)
            found = n;
    });
    return found;
}

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
        QCOMPARE(outline(tree), QStringList({"A", "  A1", "  A2", "B", "C"}));
        QCOMPARE(tree.count(), 5);
        QCOMPARE(b->row(), 1);
        QCOMPARE(a1->level(), 1);
        QCOMPARE(a1->parent(), a);
        QCOMPARE(a->parent(), nullptr);
    }

    void absoluteIndexMatchesDepthFirstOrder() {
        OutlineTree tree;
        build(tree, kSample);
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
        build(tree, kSample);
        tree.remove(find(tree, QStringLiteral("B")));
        QCOMPARE(outline(tree), QStringList({"A", "  A1", "  C", "D"}));
        QCOMPARE(tree.count(), 4);
        QCOMPARE(find(tree, QStringLiteral("C"))->row(), 1);
    }

    void previousItems() {
        OutlineTree tree;
        build(tree, kSample);
        OutlineNode* c = find(tree, QStringLiteral("C"));
        QCOMPARE(tree.previous(c)->caption(), QStringLiteral("B1"));
        QCOMPARE(tree.previousVisible(c)->caption(), QStringLiteral("B")); // B is collapsed
        find(tree, QStringLiteral("B"))->setExpanded(true);
        QCOMPARE(tree.previousVisible(c)->caption(), QStringLiteral("B1"));
        QCOMPARE(tree.previous(find(tree, QStringLiteral("A1")))->caption(), QStringLiteral("A"));
        QCOMPARE(tree.previous(find(tree, QStringLiteral("A"))), nullptr);
        // D's previous sibling A is collapsed, so its whole subtree is hidden.
        QCOMPARE(tree.previousVisible(find(tree, QStringLiteral("D")))->caption(),
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
        QTest::newRow("as last sibling")
            << "A1" << int(P::LastSibling) << "B" << true
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
        build(tree, kSample);
        OutlineNode* dest = destination.isEmpty() ? nullptr : find(tree, destination);
        QCOMPARE(tree.move(find(tree, node), OutlineTree::Place(place), dest), moved);
        QCOMPARE(outline(tree), result);
        QCOMPARE(tree.count(), kSample.size());
        // Rows stay consistent after every move.
        tree.forEach([&](OutlineNode* n) { QCOMPARE(tree.child(n->parent(), n->row()), n); });
        OutlineNode* movedNode = find(tree, node);
        if (moved && movedNode->parent())
            QVERIFY(movedNode->parent()->expanded());
    }

    void copyIntoAuxSharesRecords() {
        OutlineTree tree;
        build(tree, kSample);
        OutlineNode* a = find(tree, QStringLiteral("A"));
        find(tree, QStringLiteral("B1"))->nota().setTexto(QStringLiteral("body"));
        a->setExpanded(true);
        OutlineTree aux;
        aux.addLastTopLevel(QStringLiteral("left over"));
        QCOMPARE(f_copiarNodoAux(a, aux), &aux);
        QCOMPARE(outline(aux), QStringList({"A", "  A1", "  B", "    B1", "  C"}));
        QCOMPARE(&find(aux, QStringLiteral("B1"))->nota(), &find(tree, QStringLiteral("B1"))->nota());
        QVERIFY(!aux.firstTopLevel()->expanded());

        aux.clear();
        QCOMPARE(find(tree, QStringLiteral("B1"))->nota().texto(), QStringLiteral("body"));

        // A leaf copies as a tree of one node; no source leaves aux as it was.
        f_copiarNodoAux(find(tree, QStringLiteral("D")), aux);
        QCOMPARE(outline(aux), QStringList({"D"}));
        QCOMPARE(f_copiarNodoAux(nullptr, aux), nullptr);
        QCOMPARE(outline(aux), QStringList({"D"}));
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
