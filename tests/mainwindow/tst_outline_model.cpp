#include "../support/outline_text.h"
#include "document/rollup.h"
#include "mainwindow/item_images.h"
#include "mainwindow/outline_model.h"
#include "mainwindow/outline_view_binding.h"

#include <QAbstractItemModelTester>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

namespace {

using Place = OutlineTree::Place;

// A tree to hand to a model.
std::unique_ptr<OutlineTree> makeTree(const QStringList& lines) {
    auto tree = std::make_unique<OutlineTree>();
    buildOutline(*tree, lines);
    return tree;
}

const QStringList kSample{"A", "  A1", "  B", "    B1", "  C", "D"};

// Every signal through which a model or its users learn of a change.
struct ChangeSpies {
    explicit ChangeSpies(OutlineModel& model)
        : structure{{&model, &QAbstractItemModel::rowsAboutToBeInserted},
                    {&model, &QAbstractItemModel::rowsAboutToBeRemoved},
                    {&model, &QAbstractItemModel::rowsAboutToBeMoved},
                    {&model, &QAbstractItemModel::layoutAboutToBeChanged},
                    {&model, &QAbstractItemModel::modelAboutToBeReset}},
          data(&model, &QAbstractItemModel::dataChanged),
          document(&model, &OutlineModel::documentChanged),
          expanded(&model, &OutlineModel::expandedChanged) {}

    bool structureChanged() const {
        return std::any_of(std::begin(structure), std::end(structure),
                           [](const QSignalSpy& spy) { return !spy.isEmpty(); });
    }
    bool anything() const {
        return structureChanged() || !data.isEmpty() || !document.isEmpty() || !expanded.isEmpty();
    }

    QSignalSpy structure[5];
    QSignalSpy data;
    QSignalSpy document;
    QSignalSpy expanded;
};

} // namespace

class TestOutlineModel : public QObject {
    Q_OBJECT
private slots:
    void structuralChangesKeepTheModelConsistent() {
        OutlineModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &OutlineModel::documentChanged);

        OutlineNode* a = model.addFirstTopLevel(QStringLiteral("A"));
        OutlineNode* a1 = model.addLastChild(a, QStringLiteral("A1"));
        model.addLastSibling(a1, QStringLiteral("A2"));
        model.addLastSibling(a, QStringLiteral("B"));
        OutlineNode* between = model.insertNode(a, 1, QStringLiteral("between"));
        QCOMPARE(outlineLines(model.tree()), QStringList({"A", "  A1", "  between", "  A2", "B"}));
        QCOMPARE(model.rowCount(model.indexOf(a)), 3);
        QCOMPARE(model.parent(model.indexOf(between)), model.indexOf(a));
        QCOMPARE(changed.count(), 5);

        QCOMPARE(model.insertNode(a, 4, QStringLiteral("out of range")), nullptr);
        model.removeNode(a);
        QCOMPARE(outlineLines(model.tree()), QStringList({"B"}));
        QCOMPARE(changed.count(), 6);

        model.resetTree(makeTree(kSample));
        QCOMPARE(outlineLines(model.tree()), kSample);
        model.clear();
        QVERIFY(model.tree().isEmpty());
        QCOMPARE(changed.count(), 7); // the reset loads a document, it does not change one
        model.clear();
        QCOMPARE(changed.count(), 7);
    }

    void insertedNodeShowsItsRecord() {
        OutlineModel model;
        Tnota nota;
        nota.cumplido = 100;
        nota.prioridad = 2;
        const QModelIndex index = model.indexOf(model.addFirstTopLevel(QStringLiteral("x"), nota));
        QCOMPARE(model.nodeOf(index)->imageIndex(), 14);
        QCOMPARE(index.data(OutlineModel::StateImageRole).toInt(), 3);
        QCOMPARE(index.data(Qt::DecorationRole).value<QIcon>().cacheKey(),
                 ItemImages::progressImage(14).cacheKey());
    }

    void movesAreAnnouncedExactly_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("structureChanges");

        QTest::newRow("last sibling, to the top level")
            << "A1" << Place::LastSibling << "D"
            << QStringList{"A", "  B", "    B1", "  C", "D", "A1"} << true;
        QTest::newRow("last child")
            << "D" << Place::LastChild << "B"
            << QStringList{"A", "  A1", "  B", "    B1", "    D", "  C"} << true;
        QTest::newRow("before, from another level")
            << "B1" << Place::Before << "A1" << QStringList{"A", "  B1", "  A1", "  B", "  C", "D"}
            << true;
        QTest::newRow("before, further down the same list")
            << "A1" << Place::Before << "C" << QStringList{"A", "  B", "    B1", "  A1", "  C", "D"}
            << true;
        QTest::newRow("no destination: end of the top level")
            << "B" << Place::LastChild << "" << QStringList{"A", "  A1", "  C", "D", "B", "  B1"}
            << true;
        QTest::newRow("same place: already the last sibling")
            << "C" << Place::LastSibling << "A1" << kSample << false;
        QTest::newRow("same place: before the next sibling")
            << "A1" << Place::Before << "B" << kSample << false;
        QTest::newRow("same place: already the last child")
            << "B1" << Place::LastChild << "B" << kSample << false;
    }

    void movesAreAnnouncedExactly() {
        QFETCH(QString, node);
        QFETCH(Place, place);
        QFETCH(QString, destination);
        QFETCH(QStringList, expected);
        QFETCH(bool, structureChanges);

        OutlineModel model;
        model.resetTree(makeTree(kSample));
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        OutlineNode* moving = findNode(model.tree(), node);
        OutlineNode* target = findNode(model.tree(), destination);
        ChangeSpies spies(model);
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);

        QVERIFY(model.moveNode(moving, place, target));
        QCOMPARE(outlineLines(model.tree()), expected);
        QCOMPARE(moved.count(), structureChanges ? 1 : 0);
        QCOMPARE(spies.document.count(), structureChanges ? 1 : 0);
        // The persistent index of the moved node still finds it.
        QCOMPARE(model.nodeOf(model.indexOf(moving)), moving);
        if (OutlineNode* parent = moving->parent()) {
            QVERIFY(parent->expanded());
            QCOMPARE(spies.expanded.count(), 1);
            QCOMPARE(spies.expanded.first().at(0).toModelIndex(), model.indexOf(parent));
        }
    }

    void refusedMovesAnnounceNothing_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("destination");

        QTest::newRow("onto itself") << "A" << Place::Before << "A";
        QTest::newRow("into its child") << "A" << Place::LastChild << "A1";
        QTest::newRow("into its grandchild") << "A" << Place::LastSibling << "B1";
        QTest::newRow("no node") << "" << Place::LastChild << "D";
    }

    void refusedMovesAnnounceNothing() {
        QFETCH(QString, node);
        QFETCH(Place, place);
        QFETCH(QString, destination);

        OutlineModel model;
        model.resetTree(makeTree(kSample));
        ChangeSpies spies(model);
        QVERIFY(!model.moveNode(findNode(model.tree(), node), place,
                                findNode(model.tree(), destination)));
        QCOMPARE(outlineLines(model.tree()), kSample);
        QVERIFY(!spies.anything());
        QVERIFY(!findNode(model.tree(), QStringLiteral("A"))->expanded());
    }

    void inPlaceEditRenames() {
        OutlineModel model;
        model.resetTree(makeTree(kSample));
        const QModelIndex b = model.indexOf(findNode(model.tree(), QStringLiteral("B")));
        ChangeSpies spies(model);

        QVERIFY(model.setData(b, QStringLiteral("Beta")));
        QCOMPARE(b.data().toString(), QStringLiteral("Beta"));
        QCOMPARE(spies.data.count(), 1);
        QCOMPARE(spies.data.first().at(0).toModelIndex(), b);
        QCOMPARE(spies.document.count(), 1);

        QVERIFY(model.setData(b, QStringLiteral("Beta"))); // unchanged: nothing to report
        QVERIFY(!model.setData(b, QStringLiteral("x"), Qt::DisplayRole));
        QVERIFY(!model.setData({}, QStringLiteral("x")));
        QCOMPARE(spies.data.count(), 1);
        QCOMPARE(spies.document.count(), 1);
        QVERIFY(model.flags(b).testFlags(Qt::ItemIsEditable | Qt::ItemIsDragEnabled));
    }

    void recordChangesReportOnlyRealChanges() {
        OutlineModel model;
        OutlineNode* node = model.addFirstTopLevel(QStringLiteral("x"), newItemRecord());
        const QModelIndex index = model.indexOf(node);
        ChangeSpies spies(model);

        model.setCumplido(node, 60);
        QCOMPARE(node->nota().cumplido, 60);
        QCOMPARE(node->imageIndex(), 8);
        model.setCumplido(node, 61); // same image: only the record changes
        QCOMPARE(spies.data.count(), 1);
        QCOMPARE(spies.data.first().at(2).value<QList<int>>(), QList<int>{Qt::DecorationRole});

        model.setPrioridad(node, 1);
        QCOMPARE(index.data(OutlineModel::StateImageRole).toInt(), 2);
        model.setPrioridad(node, 0);
        QCOMPARE(index.data(OutlineModel::StateImageRole).toInt(), -1);
        QCOMPARE(spies.data.count(), 3);

        model.setTexto(node, QStringLiteral("body"));
        model.setFecha(node, QStringLiteral("1234"));
        QCOMPARE(node->nota().texto(), QStringLiteral("body"));
        QCOMPARE(node->nota().fecha(), QStringLiteral("1234"));
        QCOMPARE(spies.document.count(), 6);

        // Writing the same values again, as every selection change does, changes nothing.
        model.setCumplido(node, 61);
        model.setPrioridad(node, 0);
        model.setTexto(node, QStringLiteral("body"));
        model.setFecha(node, QStringLiteral("1234"));
        QCOMPARE(spies.document.count(), 6);
        QCOMPARE(spies.data.count(), 3);
        QVERIFY(!spies.structureChanged());
    }

    void rollUpAnnouncesChangedParents() {
        OutlineModel model;
        model.resetTree(makeTree({"A", "  A1", "  A2", "B", "  B1", "    B11", "C", "  C1"}));
        model.setCumplido(findNode(model.tree(), QStringLiteral("A1")), 100);
        model.setCumplido(findNode(model.tree(), QStringLiteral("B11")), 50);
        ChangeSpies spies(model);

        model.rollUp();
        QSet<OutlineNode*> announced;
        for (const QList<QVariant>& signal : std::as_const(spies.data))
            announced << model.nodeOf(signal.at(0).toModelIndex());
        const QSet<OutlineNode*> expected{findNode(model.tree(), QStringLiteral("A")),
                                          findNode(model.tree(), QStringLiteral("B")),
                                          findNode(model.tree(), QStringLiteral("B1"))};
        QCOMPARE(announced, expected);
        QCOMPARE(findNode(model.tree(), QStringLiteral("A"))->imageIndex(), progressImage(50));
        QVERIFY(spies.document.isEmpty());

        spies.data.clear();
        model.rollUp();
        QVERIFY(spies.data.isEmpty());
    }

    void viewAndNodesShareExpandedState() {
        OutlineModel model;
        QTreeView view;
        new OutlineViewBinding(&view, &model);
        model.resetTree(makeTree({"A+", "  A1", "  B", "    B1+", "      B11", "C+", "  C1"}));
        view.show();
        const auto index = [&](const char* caption) {
            return model.indexOf(findNode(model.tree(), QString::fromLatin1(caption)));
        };

        // After loading, the view shows what the nodes say, a collapsed parent's
        // expanded child included.
        QVERIFY(view.isExpanded(index("A")));
        QVERIFY(!view.isExpanded(index("B")));
        QVERIFY(view.isExpanded(index("B1")));
        QVERIFY(view.isExpanded(index("C")));

        view.collapse(index("C"));
        QVERIFY(!findNode(model.tree(), QStringLiteral("C"))->expanded());
        view.expand(index("B"));
        QVERIFY(findNode(model.tree(), QStringLiteral("B"))->expanded());

        model.setExpanded(findNode(model.tree(), QStringLiteral("A")), false);
        QVERIFY(!view.isExpanded(index("A")));

        // The user's "expand everything below" key.
        view.setCurrentIndex(index("C"));
        QTest::keyClick(&view, Qt::Key_Asterisk);
        QVERIFY(findNode(model.tree(), QStringLiteral("C"))->expanded());
    }

    void moveShowsTheNewParentOpenAndKeepsTheItemOpen() {
        OutlineModel model;
        QTreeView view;
        new OutlineViewBinding(&view, &model);
        model.resetTree(makeTree({"A", "  A1", "B+", "  B1"}));
        view.show();
        OutlineNode* a = findNode(model.tree(), QStringLiteral("A"));
        OutlineNode* b = findNode(model.tree(), QStringLiteral("B"));

        QVERIFY(model.moveNode(b, Place::LastChild, a));
        QVERIFY(view.isExpanded(model.indexOf(a)));
        QVERIFY(view.isExpanded(model.indexOf(b)));
        QVERIFY(b->expanded());
    }

    void aLeafShowsItsOpenStateOnceItHasChildren_data() {
        QTest::addColumn<bool>("byMove");
        QTest::newRow("child added") << false;
        QTest::newRow("item moved in") << true;
    }

    void aLeafShowsItsOpenStateOnceItHasChildren() {
        QFETCH(bool, byMove);
        OutlineModel model;
        QTreeView view;
        new OutlineViewBinding(&view, &model);
        model.resetTree(makeTree({"A+", "B"}));
        view.show();
        OutlineNode* a = findNode(model.tree(), QStringLiteral("A"));
        if (byMove)
            QVERIFY(model.moveNode(findNode(model.tree(), QStringLiteral("B")), Place::LastChild, a));
        else
            QVERIFY(model.addLastChild(a, QStringLiteral("A1")));
        QVERIFY(a->expanded());
        QVERIFY(view.isExpanded(model.indexOf(a)));
    }

    void dragIsLeftToTheWindowToPlace() {
        OutlineModel model;
        model.resetTree(makeTree(kSample));
        const std::unique_ptr<QMimeData> drag(model.mimeData({model.index(0, 0)}));
        QVERIFY(drag);
        QCOMPARE(model.supportedDragActions(), Qt::MoveAction);
        QVERIFY(model.canDropMimeData(drag.get(), Qt::MoveAction, -1, -1, {}));
        // The model never inserts dropped rows itself.
        QVERIFY(!model.dropMimeData(drag.get(), Qt::MoveAction, -1, -1, {}));
        QCOMPARE(outlineLines(model.tree()), kSample);
    }

    void progressImagesFillStepByStep_data() {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("standard screen") << 1.0;
        QTest::newRow("high-density screen") << 2.0;
    }

    void progressImagesFillStepByStep() {
        QFETCH(qreal, scale);
        const QSize size(ItemImages::kImageSize, ItemImages::kImageSize);
        const auto render = [&](int image) {
            return ItemImages::progressImage(image).pixmap(size, scale).toImage();
        };
        const QImage empty = render(0);
        QCOMPARE(empty.size(), size * scale);
        // Pixels that differ from the empty image: the filled area.
        int lastFilled = 0;
        for (int image = 1; image < ItemImages::kProgressImageCount; ++image) {
            const QImage step = render(image);
            int filled = 0;
            for (int y = 0; y < step.height(); ++y)
                for (int x = 0; x < step.width(); ++x)
                    filled += step.pixel(x, y) != empty.pixel(x, y);
            QVERIFY2(filled > lastFilled, qPrintable(QString::number(image)));
            lastFilled = filled;
        }
    }

    void delegateDrawsThePriorityMarkBesideTheImage() {
        OutlineModel model;
        Tnota high;
        high.prioridad = 1;
        model.insertNode(nullptr, 0, QStringLiteral("high"), high);
        model.insertNode(nullptr, 1, QStringLiteral("normal"));
        QTreeView view;
        OutlineDelegate delegate;
        view.setItemDelegate(&delegate);
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        const QImage shot = view.viewport()->grab().toImage();
        const auto redPixels = [&](const QModelIndex& index) {
            const QRect row = view.visualRect(index);
            int red = 0;
            for (int y = row.top(); y <= row.bottom(); ++y)
                for (int x = row.left(); x < row.left() + ItemImages::kImageSize; ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    red += c.red() > 150 && c.green() < 100 && c.blue() < 100;
                }
            return red;
        };
        QVERIFY(redPixels(model.index(0, 0)) > 10);
        QCOMPARE(redPixels(model.index(1, 0)), 0);
    }
};

QTEST_MAIN(TestOutlineModel)
#include "tst_outline_model.moc"
