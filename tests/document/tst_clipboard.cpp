#include "../support/outline_text.h"
#include "document/outline_tree.h"
#include "document/unt_clipboard.h"
#include "document/unt_funciones.h"

#include <QTest>

namespace {

// Pastes the way the item tree does: into a plain tree through copySubtree's callback.
OutlineNode* pasteInto(const ItemClipboard& clipboard, OutlineTree& tree, OutlineNode* parent) {
    return clipboard.pasteAsLastChild(parent, [&tree](OutlineNode* under, const OutlineNode* from) {
        return tree.insert(under, tree.childCount(under), from->captionUtf8(), from->nota());
    });
}

} // namespace

class TestClipboard : public QObject {
    Q_OBJECT
private slots:
    void copyKeepsContentAndImagesWithRecordsOfItsOwn() {
        OutlineTree document;
        buildOutline(document, {"A", "  A1", "    A11", "  A2", "B"});
        OutlineNode* a = document.firstTopLevel();
        OutlineNode* a1 = a->child(0);
        a1->nota().cumplido = 40;
        a1->nota().prioridad = 2;
        a1->nota().setFecha(QStringLiteral(" 888078336")); // kept as written, not as a number
        a1->nota().setTexto(QStringLiteral("body\r\nline two"));
        a1->setImageIndex(5);
        a1->setStateIndex(3);

        ItemClipboard clipboard;
        QVERIFY(clipboard.isEmpty());
        clipboard.copy(a);
        QCOMPARE(outlineLines(clipboard.item()), QStringList({"A", "  A1", "    A11", "  A2"}));
        QCOMPARE(clipboard.item()->parent(), nullptr);
        QCOMPARE(clipboard.item()->nextSibling(), nullptr);

        const OutlineNode* copied = clipboard.item()->child(0);
        QVERIFY(&copied->nota() != &a1->nota());
        QVERIFY(copied->nota().sameContent(a1->nota()));
        QCOMPARE(copied->nota().fecha(), QStringLiteral(" 888078336"));
        QCOMPARE(copied->imageIndex(), 5);
        QCOMPARE(copied->stateIndex(), 3);

        // The copy stays as it was when the source changes or goes away.
        a1->nota().setTexto(QStringLiteral("changed"));
        document.clear();
        QCOMPARE(copied->nota().texto(), QStringLiteral("body\r\nline two"));

        // The next copy replaces the contents.
        buildOutline(document, {"X"});
        clipboard.copy(document.firstTopLevel());
        QCOMPARE(outlineLines(clipboard.item()), QStringList({"X"}));
    }

    void outlineTextHasATabPerLevelAndCrLfLines() {
        OutlineTree document;
        buildOutline(document, {"top", "  A", "    A1", "      A11", "    A2", "  B"});
        ItemClipboard clipboard;
        QCOMPARE(clipboard.outlineText(), QString());
        clipboard.copy(document.firstTopLevel()->child(0));
        QCOMPARE(clipboard.outlineText(),
                 QStringLiteral("\tA\r\n\t\tA1\r\n\t\t\tA11\r\n\t\tA2\r\n"));
    }

    void everyPasteMakesIndependentItems() {
        OutlineTree document;
        buildOutline(document, {"A", "  A1", "T"});
        document.firstTopLevel()->child(0)->nota().setTexto(QStringLiteral("original"));
        ItemClipboard clipboard;
        QCOMPARE(pasteInto(clipboard, document, document.lastTopLevel()), nullptr);

        clipboard.copy(document.firstTopLevel());
        OutlineNode* target = document.lastTopLevel();
        OutlineNode* first = pasteInto(clipboard, document, target);
        OutlineNode* second = pasteInto(clipboard, document, target);
        QCOMPARE(outlineLines(target), QStringList({"T", "  A", "    A1", "  A", "    A1"}));
        QCOMPARE(first->parent(), target);
        QCOMPARE(second->row(), 1);

        first->child(0)->nota().setTexto(QStringLiteral("edited"));
        QCOMPARE(second->child(0)->nota().texto(), QStringLiteral("original"));
        QCOMPARE(clipboard.item()->child(0)->nota().texto(), QStringLiteral("original"));
        QCOMPARE(document.firstTopLevel()->child(0)->nota().texto(), QStringLiteral("original"));
    }

    void copyOfAVeryDeepOutline() {
        // Deeper than any call stack would allow a recursive copy to go.
        OutlineTree document;
        OutlineNode* node = document.addLastTopLevel(QStringLiteral("0"));
        for (int level = 1; level < 200'000; ++level)
            node = document.addLastChild(node, QString::number(level));
        ItemClipboard clipboard;
        clipboard.copy(document.firstTopLevel());
        OutlineNode* pasted = pasteInto(clipboard, document, node);
        QCOMPARE(document.count(), 400'000);
        QCOMPARE(pasted->parent(), node);
    }

    void splitTextIntoLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("first, second, third")
            << QStringLiteral("  first\r\n\r\n  second \r\n\tthird")
            << QStringList({"  first", "second", "third"});
        QTest::newRow("one line keeps its leading blanks")
            << QStringLiteral("  one \t\r\n ") << QStringList({"  one"});
        QTest::newRow("a tab inside a line becomes a blank")
            << QStringLiteral("a\tb\r\nc\td") << QStringList({"a b", "c d"});
        QTest::newRow("leading line break gives an empty first line")
            << QStringLiteral("\r\nfirst\r\nsecond") << QStringList({"", "first", "second"});
        QTest::newRow("blank lines vanish in the middle and at the end")
            << QStringLiteral("a\r\n   \r\n\r\nb\r\n \t \r\n") << QStringList({"a", "b"});
        QTest::newRow("lone CR and lone LF break lines")
            << QStringLiteral("a\rb\nc") << QStringList({"a", "b", "c"});
        QTest::newRow("other control characters are trimmed off later lines")
            << QStringLiteral("a\r\n\x01 b \x02\r\n\x0c") << QStringList({"a", "b"});
        QTest::newRow("only blanks") << QStringLiteral(" \t ") << QStringList({""});
    }
    void splitTextIntoLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(::splitTextIntoLines(text), lines);
    }
};

QTEST_GUILESS_MAIN(TestClipboard)
#include "tst_clipboard.moc"
