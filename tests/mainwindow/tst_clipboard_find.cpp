#include "../support/window_controls.h"
#include "../support/window_fixture.h"
#include "base/program_folder.h"
#include "document/document_file.h"
#include "document/rollup.h"
#include "document/unt_funciones.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/date_field.h"
#include "mainwindow/widgets/find_dialog.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/outline_view.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

namespace {

QList<bool> expandedStates(const OutlineTree& tree) {
    QList<bool> states;
    tree.forEach([&](OutlineNode* n) { states << n->expanded(); });
    return states;
}

// A clipboard as a word processor or a browser fills it.
QMimeData* richClipboard() {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/markdown"), "# Big\n\n**bold** text\n");
    data->setHtml(QStringLiteral("<h1>Big</h1><p><b>bold</b> <span style='font-size:40pt'>"
                                 "text</span></p>"));
    data->setText(QStringLiteral("Big\nbold text"));
    return data;
}

} // namespace

class TestClipboardFind : public MainWindowTest {
    Q_OBJECT

    // An active window started with a document of new items, as outlineOf reads them.
    Tfrm_ppal* open(const QStringList& lines) {
        openDocument(outlineOf(lines, newItemRecord()));
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qFatal("the main window did not become active");
        return m_window.get();
    }
    // Selects the item and gives the focus to the control, as a click would.
    void focus(QWidget* control, const QString& caption = QString()) {
        if (!caption.isEmpty())
            m_window->selectNode(node(caption));
        control->setFocus();
        QTRY_VERIFY(control->hasFocus());
    }
    void trigger(const char* action) { m_window->action(QString::fromLatin1(action))->trigger(); }
    QString clipboardText() const { return QGuiApplication::clipboard()->text(); }

    FindDialog* openFind() {
        trigger("buscar");
        return m_window->findChild<FindDialog*>();
    }
    void findNext(FindDialog* dialog, const QString& text) {
        controls(dialog).ed_findText->setText(text);
        QTest::mouseClick(controls(dialog).bt_findNext, Qt::LeftButton);
    }
    // The selected item's caption and the editor's selection, as the user sees them.
    QString shown() const {
        const QTextCursor cursor = controls(m_window).re_texto->textCursor();
        return QStringLiteral("%1 %2-%3")
            .arg(m_window->selectedNode()->caption())
            .arg(cursor.selectionStart())
            .arg(cursor.selectionEnd());
    }

private slots:
    void init() {
        setUpWindowTest();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { tearDownWindowTest(); }

    // ---- item clipboard ----

    void copyPutsTheOutlineOnTheSystemClipboard() {
        Tfrm_ppal* w = open({"A+", "  A1", "  A2", "B"});
        focus(controls(w).tv_lista, QStringLiteral("A"));
        trigger("copiar");
        QCOMPARE(clipboardText(), QStringLiteral("\tA\r\n\t\tA1\r\n\t\tA2\r\n"));
        QCOMPARE(currentOutline(), QStringList({"A", "  A1", "  A2", "B"}));
        QVERIFY(!w->docModificado());
    }

    void twoPastesMakeIndependentSubtrees() {
        Tfrm_ppal* w = open({"A+", "  A1|first body", "  A2", "B"});
        w->selectNode(node(QStringLiteral("A2")));
        controls(w).tb_cumplido->setValue(60);
        w->action(QStringLiteral("prioridadalta"))->trigger();
        focus(controls(w).tv_lista, QStringLiteral("A"));
        trigger("copiar");
        w->selectNode(node(QStringLiteral("B")));
        trigger("pegar");
        trigger("pegar");
        QCOMPARE(currentOutline(), QStringList({"A", "  A1", "  A2", "B", "  A", "    A1", "    A2",
                                                "  A", "    A1", "    A2"}));
        OutlineNode* b = node(QStringLiteral("B"));
        QCOMPARE(w->selectedNode(), b);
        QVERIFY(!b->expanded());
        QVERIFY(
            !controls(w).tb_cumplido->isEnabled()); // B's percentage now comes from its children
        // Percentages, priority marks and the roll-up came along.
        OutlineNode* pastedA2 = b->child(1)->child(1);
        QCOMPARE(pastedA2->nota().cumplido, 60);
        QCOMPARE(pastedA2->imageIndex(), progressImage(60));
        QCOMPARE(pastedA2->stateIndex(), 2);
        QCOMPARE(b->nota().cumplido, 30);
        QVERIFY(w->docModificado());

        // Editing one pasted body leaves the other and the original alone.
        w->selectNode(b->child(0)->child(0));
        focus(controls(w).re_texto);
        QTest::keyClicks(controls(w).re_texto, QStringLiteral("edited "));
        w->selectNode(b);
        QCOMPARE(b->child(0)->child(0)->nota().texto(), QStringLiteral("edited first body"));
        QCOMPARE(b->child(1)->child(0)->nota().texto(), QStringLiteral("first body"));
        QCOMPARE(node(QStringLiteral("A1"))->nota().texto(), QStringLiteral("first body"));
    }

    void copyTakesTextStillInTheEditor() {
        Tfrm_ppal* w = open({"A", "B"});
        focus(controls(w).re_texto, QStringLiteral("A"));
        QTest::keyClicks(controls(w).re_texto, QStringLiteral("typed"));
        focus(controls(w).tv_lista);
        trigger("copiar");
        w->selectNode(node(QStringLiteral("B")));
        trigger("pegar");
        QCOMPARE(node(QStringLiteral("B"))->child(0)->nota().texto(), QStringLiteral("typed"));
    }

    void cutAsksNothingAndPasteRestores() {
        Tfrm_ppal* w = open({"A+", "  A1|body", "  A2", "B"});
        w->selectNode(node(QStringLiteral("A1")));
        controls(w).tb_cumplido->setValue(40);
        w->action(QStringLiteral("prioridadbaja"))->trigger();
        w->document()->markSaved();
        focus(controls(w).tv_lista);
        // An empty item clipboard pastes nothing, but the command still counts as a change.
        trigger("pegar");
        QCOMPARE(currentOutline(), QStringList({"A", "  A1", "  A2", "B"}));
        QVERIFY(w->docModificado());

        w->document()->markSaved();
        focus(controls(w).tv_lista, QStringLiteral("A1"));
        trigger("cortar");
        QCOMPARE(currentOutline(), QStringList({"A", "  A2", "B"}));
        QVERIFY(m_dialogs->asked.isEmpty());
        QVERIFY(w->docModificado());
        // A is rolled up again: its one child left is at 0 %.
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, 0);
        QCOMPARE(clipboardText(), QStringLiteral("\tA1\r\n"));

        focus(controls(w).tv_lista, QStringLiteral("B"));
        trigger("pegar");
        const OutlineNode* restored = node(QStringLiteral("B"))->lastChild();
        QCOMPARE(restored->caption(), QStringLiteral("A1"));
        QCOMPARE(restored->nota().texto(), QStringLiteral("body"));
        QCOMPARE(restored->nota().cumplido, 40);
        QCOMPARE(restored->nota().prioridad, quint8(2));
        QCOMPARE(restored->stateIndex(), 3);
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, 0); // rolled up by the paste
    }

    void cutAndCopyOutsideTreeAndEditorDoNothing() {
        Tfrm_ppal* w = open({"A|some text", "B"});
        focus(controls(w).me_fecha, QStringLiteral("A"));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        trigger("copiar");
        trigger("cortar");
        QCOMPARE(clipboardText(), QStringLiteral("kept"));
        QCOMPARE(currentOutline(), QStringList({"A", "B"}));
        QCOMPARE(controls(w).re_texto->toPlainText(), QStringLiteral("some text"));
        QVERIFY(!w->docModificado());
    }

    // ---- text clipboard ----

    void editorCutCopyAndPaste() {
        Tfrm_ppal* w = open({"A|one two", "B"});
        focus(controls(w).re_texto, QStringLiteral("A"));
        QTextCursor cursor = controls(w).re_texto->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        controls(w).re_texto->setTextCursor(cursor);
        trigger("copiar");
        QCOMPARE(clipboardText(), QStringLiteral("one "));
        QVERIFY(!w->docModificado());
        trigger("cortar");
        QCOMPARE(controls(w).re_texto->toPlainText(), QStringLiteral("two"));
        QVERIFY(w->docModificado());
        controls(w).re_texto->moveCursor(QTextCursor::End);
        trigger("pegar");
        // The paste reaches the record at once.
        QCOMPARE(node(QStringLiteral("A"))->nota().texto(), QStringLiteral("twoone "));
        QCOMPARE(currentOutline(), QStringList({"A", "B"}));
    }

    void pasteIntoTheEditorArrivesAsPlainText_data() {
        QTest::addColumn<QString>("focusOn");
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("paste command, editor focused") << "re_texto" << false;
        QTest::newRow("paste command, date focused") << "me_fecha" << false;
        QTest::newRow("Ctrl+V in the editor") << "re_texto" << true;
    }
    void pasteIntoTheEditorArrivesAsPlainText() {
        QFETCH(QString, focusOn);
        QFETCH(bool, byKeyboard);
        Tfrm_ppal* w = open({"A|start:", "B"});
        QWidget* control = focusOn == u"me_fecha" ? static_cast<QWidget*>(controls(w).me_fecha)
                                                  : controls(w).re_texto;
        focus(control, QStringLiteral("A"));
        controls(w).re_texto->moveCursor(QTextCursor::End);
        const QString dateBefore = controls(w).me_fecha->text();
        QGuiApplication::clipboard()->setMimeData(richClipboard());
        if (byKeyboard)
            QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
        else
            trigger("pegar");

        QCOMPARE(controls(w).re_texto->toPlainText(), QStringLiteral("start:Big\nbold text"));
        QCOMPARE(controls(w).me_fecha->text(), dateBefore);
        for (QTextBlock block = controls(w).re_texto->document()->begin(); block.isValid();
             block = block.next()) {
            QCOMPARE(block.blockFormat().headingLevel(), 0);
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextCharFormat format = fragment.fragment().charFormat();
                QVERIFY2(!format.hasProperty(QTextFormat::FontWeight),
                         qPrintable(fragment.fragment().text()));
                QVERIFY(!format.hasProperty(QTextFormat::FontPointSize));
            }
        }
        QVERIFY(w->docModificado());
        w->selectNode(node(QStringLiteral("B")));
        QCOMPARE(node(QStringLiteral("A"))->nota().texto(),
                 QStringLiteral("start:Big\r\nbold text"));
    }

    void longTextPastesWhole() {
        Tfrm_ppal* w = open({"A"});
        focus(controls(w).re_texto, QStringLiteral("A"));
        QString text;
        for (int i = 0; text.size() < 40000; ++i)
            text += QString::number(i) + u' ';
        QGuiApplication::clipboard()->setText(text);
        trigger("pegar");
        QCOMPARE(controls(w).re_texto->toPlainText(), text);
        QCOMPARE(node(QStringLiteral("A"))->nota().texto(), text);
    }

    // ---- text to items ----

    void textToItems_data() {
        QTest::addColumn<bool>("erase");
        QTest::addColumn<QString>("bodyAfter");
        QTest::newRow("OK removes the text") << true << QStringLiteral("intro\r\n\r\nend");
        QTest::newRow("Cancel keeps it")
            << false << QStringLiteral("intro\r\n  first\r\n\r\n  second \r\n\tthird\r\nend");
    }
    void textToItems() {
        QFETCH(bool, erase);
        QFETCH(QString, bodyAfter);
        Tfrm_ppal* w = open({"P+", "  S|intro/  first//  second /\tthird/end", "  T", "Q"});
        focus(controls(w).re_texto, QStringLiteral("S"));
        const int start = int(QStringLiteral("intro\n").size());
        const int end = int(controls(w).re_texto->toPlainText().indexOf(QStringLiteral("\nend")));
        QTextCursor cursor = controls(w).re_texto->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        controls(w).re_texto->setTextCursor(cursor);
        w->document()->markSaved();
        m_dialogs->okCancel.push_back(erase);
        trigger("agregaritemtexto");

        // S has no children, so the items go to the end of S's own list.
        QCOMPARE(currentOutline(),
                 QStringList({"P", "  S", "  T", "    first", "  second", "  third", "Q"}));
        QCOMPARE(node(QStringLiteral("T"))->nextSibling()->caption(), QStringLiteral("  first"));
        QCOMPARE(m_dialogs->asked, QStringList({"BORRA EL TEXTO?"}));
        QCOMPARE(w->selectedNode(), node(QStringLiteral("S")));
        QVERIFY(w->docModificado());
        if (!erase) {
            QCOMPARE(controls(w).re_texto->textCursor().selectionStart(), start);
            QCOMPARE(controls(w).re_texto->textCursor().selectionEnd(), end);
        }
        w->selectNode(node(QStringLiteral("Q")));
        QCOMPARE(node(QStringLiteral("S"))->nota().texto(), bodyAfter);
    }

    // ---- find ----

    void findRunsThroughCaptionsAndBodiesAndWraps() {
        Tfrm_ppal* w = open({"A+|alpha needle", "  A1|nothing", "needle caption|body without",
                             "B|more needle text", "C|needle at the start"});
        FindDialog* dialog = openFind();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(w->selectedNode(), node(QStringLiteral("A")));
        const QStringList expected{"A 6-12", "needle caption 0-0", "B 5-11", "C 0-6", "A 6-12"};
        for (const QString& stop : expected) {
            findNext(dialog, QStringLiteral("needle"));
            QCOMPARE(shown(), stop);
        }
        QCOMPARE(w->focusWidget(), controls(w).re_texto);
        QVERIFY(m_dialogs->asked.isEmpty());
    }

    void findReadsTheEditorAndWritesBackTheItemLeft() {
        Tfrm_ppal* w = open({"A", "B|needle"});
        focus(controls(w).re_texto, QStringLiteral("A"));
        QTest::keyClicks(controls(w).re_texto, QStringLiteral("a needle typed"));
        controls(w).re_texto->moveCursor(QTextCursor::Start);
        FindDialog* dialog = openFind();
        findNext(dialog, QStringLiteral("needle"));
        QCOMPARE(shown(), QStringLiteral("A 2-8"));
        findNext(dialog, QStringLiteral("needle"));
        QCOMPARE(shown(), QStringLiteral("B 0-6"));
        QCOMPARE(node(QStringLiteral("A"))->nota().texto(), QStringLiteral("a needle typed"));
    }

    void findCaseRules_data() {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("stop");
        // The caption "Needle item" never matches "needle", whatever the options.
        QTest::newRow("match case off") << false << "B 0-6";
        QTest::newRow("match case on") << true << "A 0-0";
    }
    void findCaseRules() {
        QFETCH(bool, matchCase);
        QFETCH(QString, stop);
        open({"A|x", "Needle item|no", "B|NEEDLE"});
        FindDialog* dialog = openFind();
        controls(dialog).cb_matchCase->setChecked(matchCase);
        findNext(dialog, QStringLiteral("needle"));
        QCOMPARE(shown(), stop);
    }

    void findShowsAChildOfACollapsedParent() {
        Tfrm_ppal* w = open({"A|x", "P", "  child|the needle", "Q+", "  Q1", "R", "  R1"});
        const QList<bool> before = expandedStates(w->model()->tree());
        FindDialog* dialog = openFind();
        findNext(dialog, QStringLiteral("needle"));
        QCOMPARE(shown(), QStringLiteral("child 4-10"));
        QVERIFY(node(QStringLiteral("P"))->expanded());
        QVERIFY(controls(w).tv_lista->isExpanded(w->model()->indexOf(node(QStringLiteral("P")))));
        QList<bool> after = expandedStates(w->model()->tree());
        after[1] = false; // P, the only item that had to open
        QCOMPARE(after, before);
    }

    void findingNothingLeavesEverythingAsItWas() {
        Tfrm_ppal* w = open({"A+|x", "  A1|y", "P", "  P1|z", "  P2+", "    P21", "Q+", "  Q1"});
        OutlineView* view = controls(w).tv_lista;
        const QList<bool> before = expandedStates(w->model()->tree());
        focus(controls(w).re_texto, QStringLiteral("Q"));
        w->document()->markSaved();
        FindDialog* dialog = openFind();
        findNext(dialog, QStringLiteral("haystack"));
        QCOMPARE(w->selectedNode(), node(QStringLiteral("Q")));
        QCOMPARE(expandedStates(w->model()->tree()), before);
        w->model()->tree().forEach([&](OutlineNode* n) {
            QCOMPARE(view->isExpanded(w->model()->indexOf(n)), n->expanded());
        });
        QVERIFY(m_dialogs->asked.isEmpty());
        QVERIFY(!w->docModificado());
    }

    void openingFindPrefillsFromTheSelection_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("findText");
        QTest::newRow("selected words") << 4 << 9 << "brown";
        QTest::newRow("caret in the middle") << 4 << 4 << "";
        QTest::newRow("selection at the start keeps the last text") << 0 << 3 << "last";
    }
    void openingFindPrefillsFromTheSelection() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, findText);
        Tfrm_ppal* w = open({"A|the brown fox"});
        FindDialog* dialog = openFind();
        dialog->setFindText(QStringLiteral("last"));
        QTextCursor cursor = controls(w).re_texto->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        controls(w).re_texto->setTextCursor(cursor);
        QCOMPARE(openFind(), dialog);
        QCOMPARE(dialog->findText(), findText);
        QCOMPARE(controls(dialog).bt_findNext->isEnabled(), !findText.isEmpty());
    }

    void findInAnEmptyTreeDoesNothing() {
        Tfrm_ppal* w = open({"A"});
        m_dialogs->okCancel.push_back(true);
        trigger("borrarnodo");
        QVERIFY(w->model()->tree().isEmpty());
        QCOMPARE(openFind(), nullptr);
    }

    // The find dialog speaks the program's language, English here.
    void findDialogFollowsTheLanguage() {
        m_settings->write(QStringLiteral("opciones"), QStringLiteral("idioma"),
                          QStringLiteral("english"));
        open({"A"});
        FindDialog* dialog = openFind();
        QStringList texts;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            texts << button->text();
        // The designed mnemonics stay; the buttons get letters of their own.
        QCOMPARE(texts, QStringList({"Fi&nd what:", "Match &case", "Match &whole word only",
                                     "&Find Next", "C&ancel"}));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Find"));
    }
};

QTEST_MAIN(TestClipboardFind)
#include "tst_clipboard_find.moc"
