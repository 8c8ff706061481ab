#include "../support/outline_text.h"
#include "document/rollup.h"
#include "mainwindow/widgets/item_images.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/outline_view.h"

#include <QAbstractItemModelTester>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <random>

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
          document(model.document(), &OutlineDocument::changed),
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

// A document shown in the program's tree view.
struct ShownOutline {
    ShownOutline() { view.setModel(&model); }
    OutlineDocument doc;
    OutlineModel model{&doc};
    OutlineView view;
};

} // namespace

class TestOutlineModel : public QObject {
    Q_OBJECT
private slots:
    void changesAndTheirUndoKeepTheModelConsistent() {
        OutlineDocument doc;
        OutlineModel model(&doc);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto find = [&](const char* caption) {
            return findNode(doc.tree(), QString::fromLatin1(caption));
        };
        const QList<QStringList> states{
            {},
            {"A"},
            {"A", "B"},
            {"A", "  B", "B"},
            {"A", "  B", "  A2", "B"},
            {"A", "  B", "  A2", "B", "x", "y"},
            {"B", "x", "y"},
        };
        doc.addItem(nullptr, nullptr, QStringLiteral("A"), {});
        doc.addItem(find("A"), nullptr, QStringLiteral("B"), {}); // the end of A's own list
        doc.paste(find("A"), find("B"));
        doc.addItem(find("A"), nullptr, QStringLiteral("A2"), {}); // A has children now
        doc.addItemsFromLines(doc.tree().lastTopLevel(), {"x", "y"}, {});
        QCOMPARE(outlineLines(doc.tree()), states[5]);
        QCOMPARE(model.rowCount(model.indexOf(find("A"))), 2);
        QCOMPARE(model.parent(model.indexOf(find("A2"))), model.indexOf(find("A")));
        doc.removeItem(find("A"));
        QCOMPARE(outlineLines(doc.tree()), states[6]);
        for (int i = int(states.size()) - 2; i >= 0; --i) {
            doc.undo();
            QCOMPARE(outlineLines(doc.tree()), states[i]);
        }
        QVERIFY(!doc.canUndo());
        for (int i = 1; i < int(states.size()); ++i) {
            doc.redo();
            QCOMPARE(outlineLines(doc.tree()), states[i]);
        }
        QVERIFY(!doc.canRedo());
        doc.load(makeTree(kSample), true);
        QCOMPARE(outlineLines(model.tree()), kSample);
        QVERIFY(!doc.canUndo() && !doc.isModified());
    }

    void insertedNodeShowsItsRecord() {
        OutlineDocument doc;
        OutlineModel model(&doc);
        Tnota nota;
        nota.cumplido = 100;
        nota.prioridad = 2;
        const QModelIndex index =
            model.indexOf(doc.addItem(nullptr, nullptr, QStringLiteral("x"), nota));
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

        OutlineDocument doc;
        OutlineModel model(&doc);
        doc.load(makeTree(kSample), true);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        OutlineNode* moving = findNode(model.tree(), node);
        OutlineNode* target = findNode(model.tree(), destination);
        ChangeSpies spies(model);
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
        const QPersistentModelIndex persistent = model.indexOf(moving);

        doc.drop(moving, place, target);
        QCOMPARE(outlineLines(model.tree()), expected);
        QCOMPARE(moved.count(), structureChanges ? 1 : 0);
        // The persistent index of the moved node still finds it.
        QCOMPARE(model.nodeOf(persistent), moving);
        if (OutlineNode* parent = moving->parent()) {
            QVERIFY(parent->expanded());
            QCOMPARE(spies.expanded.count(), 1);
            QCOMPARE(spies.expanded.first().at(0).toModelIndex(), model.indexOf(parent));
        }
        // Undone, the item is back, announced as exactly.
        doc.undo();
        QCOMPARE(outlineLines(model.tree()), kSample);
        QCOMPARE(moved.count(), structureChanges ? 2 : 0);
        QCOMPARE(model.nodeOf(persistent), moving);
        QVERIFY(!findNode(model.tree(), QStringLiteral("B"))->expanded());
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

        OutlineDocument doc;
        OutlineModel model(&doc);
        doc.load(makeTree(kSample), true);
        ChangeSpies spies(model);
        doc.drop(findNode(model.tree(), node), place, findNode(model.tree(), destination));
        QCOMPARE(outlineLines(model.tree()), kSample);
        QVERIFY(!spies.structureChanged() && spies.data.isEmpty() && spies.expanded.isEmpty());
        QVERIFY(!findNode(model.tree(), QStringLiteral("A"))->expanded());
    }

    void inPlaceEditRenames() {
        OutlineDocument doc;
        OutlineModel model(&doc);
        doc.load(makeTree(kSample), true);
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
        QVERIFY(doc.isModified());
        QVERIFY(model.flags(b).testFlags(Qt::ItemIsEditable | Qt::ItemIsDragEnabled));
    }

    void recordChangesReportOnlyRealChanges() {
        OutlineDocument doc;
        OutlineModel model(&doc);
        OutlineNode* node = doc.addItem(nullptr, nullptr, QStringLiteral("x"), newItemRecord());
        const QModelIndex index = model.indexOf(node);
        ChangeSpies spies(model);

        doc.setCumplido(node, 60);
        QCOMPARE(node->nota().cumplido, 60);
        QCOMPARE(node->imageIndex(), 8);
        doc.setCumplido(node, 61); // same image: only the record changes
        QCOMPARE(spies.data.count(), 1);
        QCOMPARE(spies.data.first().at(2).value<QList<int>>(), QList<int>{Qt::DecorationRole});

        doc.setPrioridad(node, 1);
        QCOMPARE(index.data(OutlineModel::StateImageRole).toInt(), 2);
        doc.setPrioridad(node, 0);
        QCOMPARE(index.data(OutlineModel::StateImageRole).toInt(), -1);
        QCOMPARE(spies.data.count(), 3);

        doc.setTexto(node, QStringLiteral("body"));
        doc.setFecha(node, QStringLiteral("1234"));
        QCOMPARE(node->nota().texto(), QStringLiteral("body"));
        QCOMPARE(node->nota().fecha(), QStringLiteral("1234"));
        QCOMPARE(spies.document.count(), 6);

        // Writing the same values again, as every selection change does, changes nothing.
        doc.setCumplido(node, 61);
        doc.setPrioridad(node, 0);
        doc.setTexto(node, QStringLiteral("body"));
        doc.setFecha(node, QStringLiteral("1234"));
        QCOMPARE(spies.document.count(), 6);
        QCOMPARE(spies.data.count(), 3);
        QVERIFY(!spies.structureChanged());
    }

    void rollUpAnnouncesOnlyThePathUp() {
        OutlineDocument doc;
        OutlineModel model(&doc);
        doc.load(makeTree({"A", "  A1", "  A2", "B", "  B1", "    B11", "C", "  C1"}), true);
        ChangeSpies spies(model);
        doc.setCumplido(findNode(model.tree(), QStringLiteral("A1")), 100);
        doc.setCumplido(findNode(model.tree(), QStringLiteral("B11")), 50);

        QSet<QString> announced;
        for (const QList<QVariant>& signal : std::as_const(spies.data))
            announced << model.nodeOf(signal.at(0).toModelIndex())->caption();
        QCOMPARE(announced, QSet<QString>({"A1", "A", "B11", "B1", "B"}));
        QCOMPARE(findNode(model.tree(), QStringLiteral("A"))->imageIndex(), progressImage(50));
        // The path gave what the roll-up over the whole tree gives.
        QVERIFY(f_consolidarTreeView(model.tree()).empty());
    }

    // The view shows exactly the items whose ancestors are all open, in order,
    // after any sequence of changes, undos, redos, openings and closings, and
    // each in the row it is drawn in.
    void viewRowsFollowEveryChange() {
        ShownOutline shown;
        auto& [doc, model, view] = shown;
        view.resize(300, 400);
        view.show();
        doc.load(makeTree({"A+", "  A1", "  A2+", "    A21", "    A22", "B", "  B1+", "    B11",
                           "C+", "  C1", "  C2", "D"}),
                 true);
        std::mt19937 random(12345);
        const auto pick = [&]() -> OutlineNode* {
            const int count = doc.tree().count();
            return count ? doc.tree().nodeAt(int(random() % unsigned(count))) : nullptr;
        };
        const auto expectedRows = [&] {
            QList<const OutlineNode*> rows;
            doc.tree().forEach([&](const OutlineNode* n) {
                bool shown = true;
                for (const OutlineNode* p = n->parent(); p; p = p->parent())
                    shown = shown && p->expanded();
                if (shown)
                    rows << n;
            });
            return rows;
        };
        for (int step = 0; step < 400; ++step) {
            OutlineNode* node = pick();
            switch (random() % 11) {
            case 0:
                doc.addItem(node, nullptr, QStringLiteral("n%1").arg(step), {});
                break;
            case 1:
                doc.removeItem(node);
                break;
            case 2:
                doc.moveUp(node);
                break;
            case 3:
                doc.moveDown(node);
                break;
            case 4:
                doc.indent(node);
                break;
            case 5:
                doc.outdent(node);
                break;
            case 6:
                doc.drop(node, Place(random() % 3), pick());
                break;
            case 7:
                doc.paste(node, pick());
                break;
            case 8:
                if (node)
                    view.setExpanded(model.indexOf(node), !node->expanded());
                break;
            case 9:
                doc.undo();
                break;
            default:
                doc.redo();
                break;
            }
            QList<const OutlineNode*> shown;
            int y = view.visualRect(model.index(0, 0)).top();
            for (QModelIndex i = model.index(0, 0); i.isValid(); i = view.indexBelow(i)) {
                shown << model.nodeOf(i);
                QCOMPARE(view.visualRect(i).top(), y);
                QCOMPARE(view.indexAt(QPoint(1, y + 1)), i);
                y += view.visualRect(i).height();
            }
            QCOMPARE(shown, expectedRows());
        }
    }

    void aDeepOutlineOpensShown() {
        // Thirty thousand levels, every one open: nothing on the way recurses.
        auto tree = std::make_unique<OutlineTree>();
        OutlineNode* parent = nullptr;
        for (int level = 0; level < 30000; ++level) {
            parent = parent ? tree->addLastChild(parent, QStringLiteral("x"))
                            : tree->addLastTopLevel(QStringLiteral("x"));
            parent->setExpanded(true);
        }
        ShownOutline shown;
        auto& [doc, model, view] = shown;
        view.show();
        doc.load(std::move(tree), true);
        const QModelIndex deepest = model.indexOf(parent);
        view.setCurrentIndex(deepest);
        view.scrollTo(deepest);
        // Scrolled to its row, far to the right of the narrow view.
        QCOMPARE(view.indexAt(QPoint(1, view.visualRect(deepest).center().y())), deepest);
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.repaint();
    }

    void clicksAndKeysOpenAndCloseItems() {
        ShownOutline shown;
        auto& [doc, model, view] = shown;
        view.resize(300, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        doc.load(makeTree({"A", "  A1", "B"}), true);
        OutlineNode* a = findNode(model.tree(), QStringLiteral("A"));
        const QModelIndex index = model.indexOf(a);
        // The expand button left of the item.
        const QRect item = view.visualRect(index);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          QPoint(item.left() - view.indentation() / 2, item.center().y()));
        QVERIFY(a->expanded());
        QVERIFY(!view.selectionModel()->isSelected(index)); // the button selects nothing
        QCOMPARE(view.indexBelow(index), model.indexOf(a->child(0)));
        view.setCurrentIndex(index);
        QTest::keyClick(&view, Qt::Key_Left);
        QVERIFY(!a->expanded());
        QTest::keyClick(&view, Qt::Key_Right);
        QVERIFY(a->expanded());
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.currentIndex(), model.indexOf(a->child(0)));
        QTest::keyClick(&view, Qt::Key_Left);
        QCOMPARE(view.currentIndex(), index);
        QTest::keyClick(&view, Qt::Key_Down);
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(view.currentIndex(), model.indexOf(findNode(model.tree(), QStringLiteral("B"))));
        // Expanding is stored in the nodes, and is no change of the document.
        QVERIFY(!doc.isModified());
    }

    void viewAndNodesShareExpandedState() {
        ShownOutline shown;
        auto& [doc, model, view] = shown;
        doc.load(makeTree({"A+", "  A1", "  B", "    B1+", "      B11", "C+", "  C1"}), true);
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

        doc.setExpanded(findNode(model.tree(), QStringLiteral("A")), false);
        QVERIFY(!view.isExpanded(index("A")));

        // The user's "expand everything below" key.
        view.setCurrentIndex(index("C"));
        QTest::keyClick(&view, Qt::Key_Asterisk);
        QVERIFY(findNode(model.tree(), QStringLiteral("C"))->expanded());
    }

    void moveShowsTheNewParentOpenAndKeepsTheItemOpen() {
        ShownOutline shown;
        auto& [doc, model, view] = shown;
        doc.load(makeTree({"A", "  A1", "B+", "  B1"}), true);
        view.show();
        OutlineNode* a = findNode(model.tree(), QStringLiteral("A"));
        OutlineNode* b = findNode(model.tree(), QStringLiteral("B"));

        doc.drop(b, Place::LastChild, a);
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
        ShownOutline shown;
        auto& [doc, model, view] = shown;
        doc.load(makeTree({"A+", "B"}), true);
        view.show();
        OutlineNode* a = findNode(model.tree(), QStringLiteral("A"));
        OutlineNode* b = findNode(model.tree(), QStringLiteral("B"));
        if (byMove)
            doc.drop(b, Place::LastChild, a);
        else
            QVERIFY(doc.paste(a, b));
        QVERIFY(a->expanded());
        QVERIFY(view.isExpanded(model.indexOf(a)));
    }

    void dragIsLeftToTheWindowToPlace() {
        OutlineDocument doc;
        OutlineModel model(&doc);
        doc.load(makeTree(kSample), true);
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
        OutlineDocument doc;
        OutlineModel model(&doc);
        Tnota high;
        high.prioridad = 1;
        OutlineNode* first = doc.addItem(nullptr, nullptr, QStringLiteral("high"), high);
        doc.addItem(first, nullptr, QStringLiteral("normal"), {});
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
