#include "document/outline_tree.h"
#include "document/rollup.h"

#include <QTest>

namespace {
Tnota at(int cumplido) {
    Tnota nota;
    nota.cumplido = cumplido;
    return nota;
}
} // namespace

class TestRollup : public QObject {
    Q_OBJECT
private slots:
    void progressBands_data() {
        QTest::addColumn<int>("cumplido");
        QTest::addColumn<int>("image");
        const QList<QPair<int, int>> cases{{-5, 0},  {0, 0},    {6, 0},   {7, 1},   {13, 1},
                                           {14, 2},  {48, 6},   {49, 7},  {90, 12}, {91, 13},
                                           {99, 13}, {100, 14}, {250, 14}};
        for (const auto& [cumplido, image] : cases)
            QTest::addRow("%d", cumplido) << cumplido << image;
    }
    void progressBands() {
        QFETCH(int, cumplido);
        QFETCH(int, image);
        QCOMPARE(progressImage(cumplido), image);
    }

    void priorityMarks() {
        OutlineTree tree;
        OutlineNode* node = tree.addLastTopLevel(QStringLiteral("a"));
        const QList<QPair<int, int>> cases{{1, 2}, {2, 3}, {0, -1}};
        for (const auto& [prioridad, state] : cases) {
            node->nota().prioridad = quint8(prioridad);
            applyPriorityMark(node);
            QCOMPARE(node->stateIndex(), state);
        }
        // An unknown priority leaves the mark as it was.
        node->setStateIndex(2);
        node->nota().prioridad = 7;
        applyPriorityMark(node);
        QCOMPARE(node->stateIndex(), 2);
    }

    void meansAreTruncatedAndChildrenWeighEqually() {
        OutlineTree tree;
        OutlineNode* top = tree.addLastTopLevel(QStringLiteral("top"), at(0));
        OutlineNode* parent = tree.addLastChild(top, QStringLiteral("parent"), at(0));
        tree.addLastChild(parent, QStringLiteral("x"), at(100));
        tree.addLastChild(parent, QStringLiteral("y"), at(0));
        tree.addLastChild(parent, QStringLiteral("z"), at(0));
        OutlineNode* leaf = tree.addLastChild(top, QStringLiteral("leaf"), at(100));
        OutlineNode* pair = tree.addLastTopLevel(QStringLiteral("pair"), at(0));
        tree.addLastChild(pair, QStringLiteral("p"), at(50));
        tree.addLastChild(pair, QStringLiteral("q"), at(51));

        const auto changed = f_consolidarTreeView(tree);
        QCOMPARE(parent->nota().cumplido, 33);
        QCOMPARE(top->nota().cumplido, 66);
        QCOMPARE(pair->nota().cumplido, 50);
        QCOMPARE(leaf->nota().cumplido, 100);
        QCOMPARE(top->imageIndex(), progressImage(66));
        QCOMPARE(changed.size(), size_t(3));

        // A second run finds nothing to change; leaves are never written.
        QVERIFY(f_consolidarTreeView(tree).empty());
        leaf->nota().cumplido = 0;
        f_consolidarTreeView(tree);
        QCOMPARE(leaf->nota().cumplido, 0);
        QCOMPARE(top->nota().cumplido, 16);
    }

    void emptyTreeDoesNothing() {
        OutlineTree tree;
        QVERIFY(f_consolidarTreeView(tree).empty());
    }

    void deepChainRollsUp() {
        OutlineTree tree;
        OutlineNode* node = tree.addLastTopLevel(QString(), at(0));
        for (int i = 0; i < 200000; ++i)
            node = tree.addLastChild(node, QString(), at(0));
        node->nota().cumplido = 80;
        f_consolidarTreeView(tree);
        QCOMPARE(tree.firstTopLevel()->nota().cumplido, 80);
    }
};

QTEST_GUILESS_MAIN(TestRollup)
#include "tst_rollup.moc"
