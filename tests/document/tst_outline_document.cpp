#include "../support/outline_text.h"
#include "document/document_file.h"
#include "document/outline_document.h"
#include "document/rollup.h"

#include <QSignalSpy>
#include <QTest>

namespace {

using Place = OutlineTree::Place;

// A: A1 100 %, B (B1 30 %), C 0 %; D 50 %, as a read document holds them.
const QStringList kSample{"A", "  A1=100", "  B", "    B1=30", "  C=0", "D=50"};

std::unique_ptr<OutlineTree> makeTree(const QStringList& lines) {
    auto tree = std::make_unique<OutlineTree>();
    buildOutline(*tree, lines);
    f_consolidarTreeView(*tree);
    tree->forEach([](OutlineNode* node) { f_asignaricononodo(node, node->nota().cumplido); });
    return tree;
}

// Captions with their percentages, two blanks per level.
QStringList percentLines(const OutlineTree& tree) {
    QStringList lines;
    tree.forEach([&](const OutlineNode* node) {
        lines << QString(node->level() * 2, u' ') + node->caption() + u'=' +
                     QString::number(node->nota().cumplido);
    });
    return lines;
}

} // namespace

class TestOutlineDocument : public QObject {
    Q_OBJECT

    OutlineDocument doc;
    OutlineNode* node(const QString& caption) const { return findNode(doc.tree(), caption); }

    // The change, then its undo and redo: each gives exactly the bytes of the
    // document before and after it, and leaves the tree rolled up.
    void checkUndoAndRedo(const std::function<void()>& change) {
        const QByteArray before = documentBytes(doc.tree());
        change();
        const QByteArray after = documentBytes(doc.tree());
        QVERIFY(f_consolidarTreeView(doc.tree()).empty());
        QVERIFY(doc.canUndo());
        doc.undo();
        QCOMPARE(documentBytes(doc.tree()), before);
        QVERIFY(!doc.isModified());
        doc.redo();
        QCOMPARE(documentBytes(doc.tree()), after);
        QVERIFY(doc.isModified());
    }

private slots:
    void init() { doc.load(makeTree(kSample), true); }

    void structureChanges_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("result");
        QTest::newRow("add under an item with children")
            << "add"
            << "B"
            << QStringList{"A=38", "  A1=100", "  B=15", "    B1=30", "    new=0", "  C=0", "D=50"};
        QTest::newRow("add after the last sibling of a first child")
            << "add"
            << "A1"
            << QStringList{"A=32", "  A1=100", "  B=30", "    B1=30", "  C=0", "  new=0", "D=50"};
        QTest::newRow("add with nothing selected: under the topmost item shown")
            << "add"
            << ""
            << QStringList{"A=32", "  A1=100", "  B=30", "    B1=30", "  C=0", "  new=0", "D=50"};
        QTest::newRow("up on a first child leaves its parent")
            << "up"
            << "A1" << QStringList{"A1=100", "A=15", "  B=30", "    B1=30", "  C=0", "D=50"};
        QTest::newRow("down to the end of the list")
            << "down"
            << "B" << QStringList{"A=43", "  A1=100", "  C=0", "  B=30", "    B1=30", "D=50"};
        QTest::newRow("outdent takes the following siblings along")
            << "outdent"
            << "B" << QStringList{"A=100", "  A1=100", "D=50", "B=15", "  B1=30", "  C=0"};
        QTest::newRow("indent under the previous sibling")
            << "indent"
            << "C" << QStringList{"A=57", "  A1=100", "  B=15", "    B1=30", "    C=0", "D=50"};
        // Undone, the former leaf gets its own percentage back, not the roll-up's.
        QTest::newRow("indent under a leaf")
            << "indent"
            << "B" << QStringList{"A=15", "  A1=30", "    B=30", "      B1=30", "  C=0", "D=50"};
        QTest::newRow("delete: the parent is rolled up again")
            << "delete"
            << "C" << QStringList{"A=65", "  A1=100", "  B=30", "    B1=30", "D=50"};
        QTest::newRow("delete of an only child: the parent keeps its percentage")
            << "delete"
            << "B1" << QStringList{"A=43", "  A1=100", "  B=30", "  C=0", "D=50"};
        QTest::newRow("drop on a label: the former parent from 0 %, then rolled up")
            << "drop"
            << "C" << QStringList{"A=65", "  A1=100", "  B=30", "    B1=30", "D=0", "  C=0"};
        QTest::newRow("drop of an only child: the former parent stays at 0 %")
            << "drop"
            << "B1" << QStringList{"A=33", "  A1=100", "  B=0", "  C=0", "D=30", "  B1=30"};
        QTest::newRow("paste: a copy as the last child")
            << "paste"
            << "D" << QStringList{"A=43",  "  A1=100", "  B=30", "    B1=30",
                                  "  C=0", "D=30",     "  B=30", "    B1=30"};
        QTest::newRow("text to items under a leaf: after its last sibling")
            << "lines"
            << "A1" << QStringList{"A=26",  "  A1=100", "  B=30",  "    B1=30",
                                   "  C=0", "  one=0",  "  two=0", "D=50"};
    }
    void structureChanges() {
        QFETCH(QString, command);
        QFETCH(QString, item);
        QFETCH(QStringList, result);
        OutlineNode* subject = item.isEmpty() ? nullptr : node(item);
        QSignalSpy modified(&doc, &OutlineDocument::modifiedChanged);
        checkUndoAndRedo([&] {
            if (command == u"add")
                doc.addItem(subject, doc.tree().firstTopLevel(), QStringLiteral("new"), {});
            else if (command == u"up")
                QVERIFY(doc.moveUp(subject));
            else if (command == u"down")
                QVERIFY(doc.moveDown(subject));
            else if (command == u"outdent")
                QVERIFY(doc.outdent(subject));
            else if (command == u"indent")
                QVERIFY(doc.indent(subject));
            else if (command == u"delete")
                doc.removeItem(subject);
            else if (command == u"drop")
                doc.drop(subject, Place::LastChild, node(QStringLiteral("D")));
            else if (command == u"paste")
                doc.paste(subject, node(QStringLiteral("B")));
            else
                doc.addItemsFromLines(subject, {"one", "two"}, {});
            QCOMPARE(percentLines(doc.tree()), result);
        });
        QCOMPARE(percentLines(doc.tree()), result);
        QCOMPARE(modified.count(), 3); // modified, saved state again, modified
    }

    void refusedCommandsRecordNothing_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("item");
        QTest::newRow("up on the first item") << "up"
                                              << "A";
        QTest::newRow("down on the last sibling") << "down"
                                                  << "C";
        QTest::newRow("outdent of a top-level item") << "outdent"
                                                     << "D";
        QTest::newRow("indent of a first child") << "indent"
                                                 << "A1";
        QTest::newRow("nothing selected") << "indent"
                                          << "";
    }
    void refusedCommandsRecordNothing() {
        QFETCH(QString, command);
        QFETCH(QString, item);
        OutlineNode* subject = item.isEmpty() ? nullptr : node(item);
        const bool moved = command == u"up"        ? doc.moveUp(subject)
                           : command == u"down"    ? doc.moveDown(subject)
                           : command == u"outdent" ? doc.outdent(subject)
                                                   : doc.indent(subject);
        QVERIFY(!moved);
        QVERIFY(!doc.canUndo());
        QVERIFY(!doc.isModified());
    }

    void aDropThatCannotMoveStillCounts() {
        const QByteArray before = documentBytes(doc.tree());
        doc.drop(node(QStringLiteral("A")), Place::LastChild, node(QStringLiteral("B1")));
        QCOMPARE(documentBytes(doc.tree()), before);
        QVERIFY(doc.isModified());
        doc.undo();
        QVERIFY(!doc.isModified());
    }

    void itemsKeepTheirAddressThroughUndo() {
        OutlineNode* b = node(QStringLiteral("B"));
        doc.removeItem(b);
        QVERIFY(!node(QStringLiteral("B")));
        doc.undo();
        QCOMPARE(node(QStringLiteral("B")), b);
        QCOMPARE(b->child(0)->caption(), QStringLiteral("B1"));
        // So a change recorded before the removal can still be undone after it.
        doc.rename(b, QStringLiteral("Beta"));
        doc.removeItem(b);
        doc.undo();
        doc.undo();
        QCOMPARE(b->caption(), QStringLiteral("B"));
    }

    void theSavedStateIsTracked() {
        OutlineNode* d = node(QStringLiteral("D"));
        doc.setPrioridad(d, 1);
        doc.setFecha(d, QStringLiteral("12345"));
        doc.markSaved();
        QVERIFY(!doc.isModified());
        doc.undo(); // past the save
        QVERIFY(doc.isModified());
        doc.redo(); // back to it
        QVERIFY(!doc.isModified());
        doc.undo();
        doc.setPrioridad(d, 2); // the saved state can no longer be reached
        QVERIFY(doc.isModified());
        doc.undo();
        doc.undo();
        QVERIFY(doc.isModified());
        QVERIFY(!doc.canUndo());
        // A new document counts as changed until it is saved, with an empty history.
        doc.load(makeTree({"new"}), false);
        QVERIFY(doc.isModified());
        QVERIFY(!doc.canUndo() && !doc.canRedo());
    }

    void typingIsOneChangePerItem() {
        OutlineNode* d = node(QStringLiteral("D"));
        doc.setTexto(d, QStringLiteral("o"));
        doc.setTexto(d, QStringLiteral("on"));
        doc.setTexto(d, QStringLiteral("one"));
        doc.undo();
        QCOMPARE(d->nota().texto(), QString());
        QVERIFY(!doc.canUndo());
        doc.redo();
        QCOMPARE(d->nota().texto(), QStringLiteral("one"));
        // Typed back to where it started, nothing is left to undo or save.
        doc.setTexto(d, QStringLiteral("on"));
        doc.setTexto(d, QString());
        QVERIFY(!doc.canUndo());
        QVERIFY(!doc.isModified());
        // The save ends a run of typing: what follows is a change of its own.
        doc.setTexto(d, QStringLiteral("a"));
        doc.markSaved();
        doc.setTexto(d, QStringLiteral("ab"));
        QVERIFY(doc.isModified());
        doc.undo();
        QCOMPARE(d->nota().texto(), QStringLiteral("a"));
        QVERIFY(!doc.isModified());
        // Another item's typing is another change.
        doc.setTexto(node(QStringLiteral("C")), QStringLiteral("c"));
        doc.setTexto(d, QStringLiteral("ab"));
        doc.undo();
        QCOMPARE(node(QStringLiteral("C"))->nota().texto(), QStringLiteral("c"));
    }

    void aTrackBarDragIsOneChange() {
        OutlineNode* c = node(QStringLiteral("C"));
        const QByteArray before = documentBytes(doc.tree());
        for (int value = 0; value <= 100; value += 10)
            doc.setCumplido(c, value);
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, (100 + 30 + 100) / 3);
        doc.undo();
        QCOMPARE(documentBytes(doc.tree()), before);
        QVERIFY(!doc.canUndo());
    }

    void renamingThatStartsIsOneChangeWithItsResult() {
        OutlineNode* c = node(QStringLiteral("C"));
        doc.beginRename(c);
        QVERIFY(doc.isModified()); // counts at once, even if it is then cancelled
        doc.rename(c, QStringLiteral("Cee"));
        QCOMPARE(doc.undoKind(), OutlineDocument::ChangeKind::RenameItem);
        doc.undo();
        QCOMPARE(c->caption(), QStringLiteral("C"));
        QVERIFY(!doc.canUndo());
    }

    void expandingIsStoredButNoChange() {
        doc.setExpanded(node(QStringLiteral("A")), true);
        QVERIFY(node(QStringLiteral("A"))->expanded());
        QVERIFY(!doc.isModified());
        QVERIFY(!doc.canUndo());
    }
};

QTEST_MAIN(TestOutlineDocument)
#include "tst_outline_document.moc"
