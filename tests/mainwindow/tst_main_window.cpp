#include "../support/window_controls.h"
#include "../support/window_fixture.h"
#include "base/mnemonics.h"
#include "base/program_folder.h"
#include "document/document_file.h"
#include "document/outline_document.h"
#include "document/unt_funciones.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/date_field.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/outline_view.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "settings/settings_store.h"
#include "settings/unt_help.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kSample{"A", "  A1=100", "  B", "    B1=30", "  C=0", "D=50"};
const QStringList kSampleOutline{"A", "  A1", "  B", "    B1", "  C", "D"};

} // namespace

class TestMainWindow : public MainWindowTest {
    Q_OBJECT

    // Items as the program adds them, dated today: "caption" or "caption=percent".
    static OutlineTree newItems(const QStringList& lines) {
        return outlineOf(lines, newItemRecord());
    }
    Tfrm_ppal* openSample() {
        OutlineTree tree = newItems(kSample);
        tree.expandAll();
        return openDocument(tree);
    }

private slots:
    void init() { setUpWindowTest(); }
    void cleanup() { tearDownWindowTest(); }

    void loadingAndLeavingItemsChangesNothing() {
        OutlineTree tree = newItems({"A", "  A1", "B"});
        tree.firstTopLevel()->setExpanded(true);
        Tnota& timed = findNode(tree, QStringLiteral("A1"))->nota();
        timed.setFechaValue(packFecha(QDateTime(QDate(2006, 7, 15), QTime(13, 45, 10))));
        timed.setTexto(QStringLiteral("line one\r\n\r\nline\u00a0three\r\n"));
        findNode(tree, QStringLiteral("B"))->nota().setFecha(QStringLiteral("garbage"));
        Tfrm_ppal* w = openDocument(tree);
        const QByteArray before = documentBytes(w->model()->tree());
        QVERIFY(!w->docModificado());
        for (const char* caption : {"A1", "B", "A", "A1", "B"})
            w->selectNode(node(QString::fromLatin1(caption)));
        w->f_actualizarTextoNodo();
        QCOMPARE(documentBytes(w->model()->tree()), before);
        QVERIFY(!w->docModificado());
    }

    void pickedDayReplacesTheStoredDateTime() {
        OutlineTree tree = newItems({"A"});
        tree.firstTopLevel()->nota().setFecha(QStringLiteral("garbage"));
        Tfrm_ppal* w = openDocument(tree);
        controls(w).me_fecha->setDate(QDate(2006, 7, 15));
        QCOMPARE(node(QStringLiteral("A"))->nota().fecha(), QStringLiteral("888078336"));
        QVERIFY(w->docModificado());
    }

    // A date typed in full over the whole field is taken whole; one that is
    // no date is refused where it stands, and the item keeps its date.
    void typedDateIsTakenWhole() {
        OutlineTree tree = newItems({"A"});
        tree.firstTopLevel()->nota().setFechaValue(packFecha(QDateTime(QDate(2026, 12, 5), {})));
        Tfrm_ppal* w = openDocument(tree);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QLineEdit* field = controls(w).me_fecha->lineEdit();
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        const QString typed = QLocale().toString(QDate(2027, 1, 5), shortDateFormat());
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(node(QStringLiteral("A"))->nota().fecha(),
                 f_fechaHoraAEntero(QDateTime(QDate(2027, 1, 5), QTime(0, 0))));
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("45/45/2027"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(controls(w).me_fecha->isRefused());
        QCOMPARE(field->text(), QStringLiteral("45/45/2027"));
        QCOMPARE(node(QStringLiteral("A"))->nota().fecha(),
                 f_fechaHoraAEntero(QDateTime(QDate(2027, 1, 5), QTime(0, 0))));
    }

    void typedTextReachesTheRecordWithCrLf() {
        Tfrm_ppal* w = openDocument(newItems({"A", "B"}));
        controls(w).re_texto->setFocus();
        QTest::keyClicks(controls(w).re_texto, QStringLiteral("one"));
        QTest::keyClick(controls(w).re_texto, Qt::Key_Return);
        QTest::keyClicks(controls(w).re_texto, QStringLiteral("two"));
        QVERIFY(w->docModificado());
        w->selectNode(node(QStringLiteral("B")));
        QCOMPARE(node(QStringLiteral("A"))->nota().texto(), QStringLiteral("one\r\ntwo"));
    }

    void trackBarWritesAndRollsUp() {
        Tfrm_ppal* w = openSample();
        w->selectNode(node(QStringLiteral("C")));
        QVERIFY(!w->docModificado());
        controls(w).tb_cumplido->setValue(60);
        QCOMPARE(node(QStringLiteral("C"))->nota().cumplido, 60);
        QCOMPARE(node(QStringLiteral("C"))->imageIndex(), 8);
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, (100 + 30 + 60) / 3);
        QCOMPARE(controls(w).cb_cumplido->checkState(), Qt::PartiallyChecked);
        QCOMPARE(controls(w).lb_porc->text().remove(u'%').trimmed(), QStringLiteral("60"));
        QVERIFY(w->docModificado());
    }

    void percentFieldAndDoneBox() {
        Tfrm_ppal* w = openSample();
        w->selectNode(node(QStringLiteral("D")));
        QCOMPARE(controls(w).cb_cumplido->checkState(), Qt::PartiallyChecked);
        controls(w).lb_porc->selectAll();
        QTest::keyClicks(controls(w).lb_porc, QStringLiteral("250"));
        QCOMPARE(node(QStringLiteral("D"))->nota().cumplido, 100);
        QCOMPARE(controls(w).cb_cumplido->checkState(), Qt::Checked);
        QTest::mouseClick(controls(w).cb_cumplido, Qt::LeftButton);
        QCOMPARE(node(QStringLiteral("D"))->nota().cumplido, 0);
        QCOMPARE(controls(w).cb_cumplido->checkState(), Qt::Unchecked);
        QTest::mouseClick(controls(w).cb_cumplido, Qt::LeftButton);
        QCOMPARE(node(QStringLiteral("D"))->nota().cumplido, 100);
        QCOMPARE(controls(w).cb_cumplido->checkState(), Qt::Checked);
    }

    // Shift+Enter breaks a line as Enter does: CR LF in the record, and the
    // file stays in Windows-1252.
    void everyLineBreakOfTheEditorIsCrLf() {
        Tfrm_ppal* w = openDocument(newItems({"A"}));
        w->selectNode(node(QStringLiteral("A")));
        controls(w).re_texto->setFocus();
        QTest::keyClicks(controls(w).re_texto, QStringLiteral("one"));
        QTest::keyClick(controls(w).re_texto, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(controls(w).re_texto, QStringLiteral("two"));
        QTest::keyClick(controls(w).re_texto, Qt::Key_Return);
        QTest::keyClicks(controls(w).re_texto, QStringLiteral("three"));
        QCOMPARE(node(QStringLiteral("A"))->nota().texto(), QStringLiteral("one\r\ntwo\r\nthree"));
        QVERIFY(w->guardarExecute());
        const QByteArray saved = readBytes(m_dir->filePath(QStringLiteral("doc.qnf")));
        QVERIFY(saved.contains("one\r\ntwo\r\nthree\x01\x02\x03"));
    }

    // In the percent field and the date picker, paste puts the text into the
    // editor, and cut and copy leave the field alone.
    void clipboardKeysInTheFieldsReachTheEditor() {
        Tfrm_ppal* w = openDocument(newItems({"A=20"}));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->selectNode(node(QStringLiteral("A")));
        const QDate date = controls(w).me_fecha->date();
        for (QWidget* field :
             std::initializer_list<QWidget*>{controls(w).lb_porc, controls(w).me_fecha}) {
            QGuiApplication::clipboard()->setText(QStringLiteral("55"));
            field->setFocus();
            QTRY_VERIFY(field->hasFocus());
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
        }
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, 20);
        QCOMPARE(controls(w).me_fecha->date(), date);
        QCOMPARE(controls(w).lb_porc->text().remove(u'%').trimmed(), QStringLiteral("20"));
        QCOMPARE(controls(w).re_texto->toPlainText(), QStringLiteral("5555"));
    }

    // The window's command keys win over the editor's own: Ctrl+Insert adds an item.
    void commandKeysWinInTheEditor() {
        Tfrm_ppal* w = openDocument(newItems({"A"}));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        controls(w).re_texto->setFocus();
        QTRY_VERIFY(controls(w).re_texto->hasFocus());
        QTest::keyClick(controls(w).re_texto, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(currentOutline(), QStringList({"A", "NUEVO ITEM"}));
    }

    // A percentage counts once the entry is complete or the field is left.
    void percentFieldWaitsForTheWholeEntry() {
        Tfrm_ppal* w = openDocument(newItems({"A=20"}));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->selectNode(node(QStringLiteral("A")));
        controls(w).lb_porc->setFocus();
        QTRY_VERIFY(controls(w).lb_porc->hasFocus());
        controls(w).lb_porc->selectAll();
        QTest::keyClick(controls(w).lb_porc, Qt::Key_7);
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, 20);
        QTest::keyClick(controls(w).lb_porc, Qt::Key_5);
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, 20);
        QTest::keyClick(controls(w).lb_porc, Qt::Key_Return);
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, 75);
        controls(w).lb_porc->selectAll();
        QTest::keyClicks(controls(w).lb_porc, QStringLiteral("100"));
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, 100);
    }

    void layoutOfTheStatusBarAndTrackBar() {
        Tfrm_ppal* w = openDocument(newItems({"A"}));
        QCOMPARE(controls(w).sb_status1->width(), 50);
        QCOMPARE(controls(w).tb_cumplido->tickInterval(), 1);
    }

    void parentPercentCannotBeEdited() {
        Tfrm_ppal* w = openSample();
        w->selectNode(node(QStringLiteral("B")));
        QVERIFY(!controls(w).tb_cumplido->isEnabled());
        QVERIFY(!controls(w).cb_cumplido->isEnabled());
        QVERIFY(controls(w).lb_porc->isReadOnly());
        w->selectNode(node(QStringLiteral("B1")));
        QVERIFY(controls(w).tb_cumplido->isEnabled());
        QVERIFY(!controls(w).lb_porc->isReadOnly());
    }

    void priorityToggles() {
        Tfrm_ppal* w = openSample();
        w->selectNode(node(QStringLiteral("D")));
        QAction* alta = w->action(QStringLiteral("prioridadalta"));
        QAction* baja = w->action(QStringLiteral("prioridadbaja"));
        baja->trigger();
        QCOMPARE(node(QStringLiteral("D"))->nota().prioridad, quint8(2));
        QCOMPARE(node(QStringLiteral("D"))->stateIndex(), 3);
        alta->trigger();
        QCOMPARE(node(QStringLiteral("D"))->nota().prioridad, quint8(1));
        QVERIFY(alta->isChecked());
        QVERIFY(!baja->isChecked());
        alta->trigger();
        QCOMPARE(node(QStringLiteral("D"))->nota().prioridad, quint8(0));
        QCOMPARE(node(QStringLiteral("D"))->stateIndex(), -1);
        QVERIFY(!alta->isChecked());
        // Another item loads its own priority into the buttons.
        node(QStringLiteral("C"))->nota().prioridad = 2;
        w->selectNode(node(QStringLiteral("C")));
        QVERIFY(baja->isChecked());
    }

    // With no item to give a priority, a toggle only releases buttons: the low
    // one releases both, the high one itself alone.
    void priorityTogglesWithoutItem_data() {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("altaBefore");
        QTest::addColumn<bool>("bajaBefore");
        QTest::addColumn<bool>("altaAfter");
        QTest::addColumn<bool>("bajaAfter");
        QTest::newRow("high leaves low down") << "prioridadalta" << false << true << false << true;
        QTest::newRow("low releases high") << "prioridadbaja" << true << false << false << false;
    }

    void priorityTogglesWithoutItem() {
        QFETCH(QString, pressed);
        QFETCH(bool, altaBefore);
        QFETCH(bool, bajaBefore);
        QFETCH(bool, altaAfter);
        QFETCH(bool, bajaAfter);
        Tfrm_ppal* w = openSample();
        w->document()->load(std::make_unique<OutlineTree>(), true);
        QAction* alta = w->action(QStringLiteral("prioridadalta"));
        QAction* baja = w->action(QStringLiteral("prioridadbaja"));
        alta->setChecked(altaBefore);
        baja->setChecked(bajaBefore);
        w->action(pressed)->trigger();
        QCOMPARE(alta->isChecked(), altaAfter);
        QCOMPARE(baja->isChecked(), bajaAfter);
        QVERIFY(!w->docModificado());
    }

    void restructuring_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("result");
        QTest::addColumn<bool>("modified");
        QTest::newRow("up swaps with a sibling")
            << "C"
            << "arriba" << QStringList{"A", "  A1", "  C", "  B", "    B1", "D"} << true;
        QTest::newRow("up into an expanded sibling's subtree")
            << "D"
            << "arriba" << QStringList{"A", "  A1", "  B", "    B1", "  D", "  C"} << true;
        QTest::newRow("up on a first child leaves its parent")
            << "A1"
            << "arriba" << QStringList{"A1", "A", "  B", "    B1", "  C", "D"} << true;
        QTest::newRow("up on the first item") << "A"
                                              << "arriba" << kSampleOutline << false;
        QTest::newRow("down swaps with the next sibling")
            << "A1"
            << "abajo" << QStringList{"A", "  B", "    B1", "  A1", "  C", "D"} << true;
        QTest::newRow("down to the end of the list")
            << "B"
            << "abajo" << QStringList{"A", "  A1", "  C", "  B", "    B1", "D"} << true;
        QTest::newRow("down on the last sibling") << "C"
                                                  << "abajo" << kSampleOutline << false;
        QTest::newRow("outdent takes the following siblings along")
            << "B"
            << "izquierda" << QStringList{"A", "  A1", "D", "B", "  B1", "  C"} << true;
        QTest::newRow("outdent of a top-level item") << "D"
                                                     << "izquierda" << kSampleOutline << false;
        QTest::newRow("indent under the previous sibling")
            << "C"
            << "derecha" << QStringList{"A", "  A1", "  B", "    B1", "    C", "D"} << true;
        QTest::newRow("indent of a first child") << "A1"
                                                 << "derecha" << kSampleOutline << false;
    }
    void restructuring() {
        QFETCH(QString, selected);
        QFETCH(QString, command);
        QFETCH(QStringList, result);
        QFETCH(bool, modified);
        Tfrm_ppal* w = openSample();
        node(QStringLiteral("B"))->setExpanded(false);
        if (command == QStringLiteral("arriba") && selected == QStringLiteral("D"))
            w->document()->setExpanded(node(QStringLiteral("A")), true);
        w->selectNode(node(selected));
        controls(w).tv_lista->setFocus();
        w->action(command)->trigger();
        QCOMPARE(currentOutline(), result);
        QCOMPARE(w->docModificado(), modified);
        QCOMPARE(w->selectedNode(), node(selected));
    }

    void movedItemKeepsStateAndRollsUp() {
        Tfrm_ppal* w = openSample();
        OutlineNode* b = node(QStringLiteral("B"));
        w->document()->setPrioridad(b, 1);
        w->selectNode(b);
        w->action(QStringLiteral("izquierda"))->trigger();
        QVERIFY(b->expanded());
        QCOMPARE(b->stateIndex(), 2);
        QVERIFY(controls(w).tv_lista->isExpanded(w->model()->indexOf(b)));
        // B now holds B1 (30) and C (0); A holds only A1 (100).
        QCOMPARE(b->nota().cumplido, 15);
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, 100);
    }

    void addingItems() {
        Tfrm_ppal* w = openSample();
        w->selectNode(node(QStringLiteral("A1")));
        w->action(QStringLiteral("agregarnodo"))->trigger();
        QCOMPARE(currentOutline(),
                 QStringList({"A", "  A1", "  B", "    B1", "  C", "  NUEVO ITEM", "D"}));
        QCOMPARE(w->selectedNode()->caption(), QStringLiteral("NUEVO ITEM"));
        QVERIFY(controls(w).tv_lista->indexWidget(controls(w).tv_lista->currentIndex()) ||
                controls(w).tv_lista->findChild<QLineEdit*>()); // the caption editor is open
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, (100 + 30 + 0 + 0) / 4);
        QVERIFY(w->docModificado());
        // With an item that has children selected, the new item is its last child.
        w->selectNode(node(QStringLiteral("B")));
        w->action(QStringLiteral("agregarnodo"))->trigger();
        QCOMPARE(w->selectedNode()->parent(), node(QStringLiteral("B")));
        QCOMPARE(node(QStringLiteral("B"))->nota().cumplido, 15);
    }

    void deletingAsksFirst() {
        Tfrm_ppal* w = openSample();
        w->selectNode(node(QStringLiteral("B")));
        m_dialogs->okCancel = {false};
        w->action(QStringLiteral("borrarnodo"))->trigger();
        QCOMPARE(currentOutline(), kSampleOutline);
        QVERIFY(!w->docModificado());
        QCOMPARE(m_dialogs->asked.last(),
                 QStringLiteral("SEGURO BORRA EL ITEM Y TODOS LOS SUBITEMS?"));
        m_dialogs->okCancel = {true};
        w->action(QStringLiteral("borrarnodo"))->trigger();
        QCOMPARE(currentOutline(), QStringList({"A", "  A1", "  C", "D"}));
        QVERIFY(w->docModificado());
        QVERIFY(w->selectedNode());
    }

    // Delete in the tree deletes the selected item, asking first; in the body
    // it goes on deleting text.
    void deleteKeyDeletesItemsOnlyFromTheTree() {
        Tfrm_ppal* w = openSample();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->selectNode(node(QStringLiteral("B")));
        QPlainTextEdit* body = controls(w).re_texto;
        body->setFocus();
        QTRY_VERIFY(body->hasFocus());
        QTest::keyClick(body, Qt::Key_Delete);
        QVERIFY(m_dialogs->asked.isEmpty());
        QCOMPARE(currentOutline(), kSampleOutline);

        m_dialogs->okCancel = {true};
        controls(w).tv_lista->setFocus();
        QTRY_VERIFY(controls(w).tv_lista->hasFocus());
        QTest::keyClick(controls(w).tv_lista, Qt::Key_Delete);
        QCOMPARE(m_dialogs->asked.value(0),
                 QStringLiteral("SEGURO BORRA EL ITEM Y TODOS LOS SUBITEMS?"));
        QCOMPARE(currentOutline(), QStringList({"A", "  A1", "  C", "D"}));
    }

    // Keys people expect of any desktop program reach their commands, from
    // the tree and from the body alike, beside the designed keys.
    void commonKeysReachTheirCommands_data() {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("inBody");
        const std::pair<QKeySequence, const char*> keys[] = {
            {QKeySequence(Qt::CTRL | Qt::Key_N), "nuevodoc"},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "guardarcomo"},
            {QKeySequence(Qt::CTRL | Qt::Key_F), "buscar"},
            {QKeySequence(Qt::Key_F1), "help"},
        };
        for (const auto& [key, command] : keys)
            for (const bool inBody : {false, true})
                QTest::addRow("%s %s", command, inBody ? "in the body" : "in the tree")
                    << key << QString::fromLatin1(command) << inBody;
    }
    void commonKeysReachTheirCommands() {
        QFETCH(QKeySequence, key);
        QFETCH(QString, command);
        QFETCH(bool, inBody);
        Tfrm_ppal* w = openSample();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QSignalSpy triggered(w->action(command), &QAction::triggered);
        QWidget* control = inBody ? static_cast<QWidget*>(controls(w).re_texto)
                                  : static_cast<QWidget*>(controls(w).tv_lista);
        control->setFocus();
        QTRY_VERIFY(control->hasFocus());
        QTest::keySequence(control, key);
        QCOMPARE(triggered.count(), 1);
    }

    // The help command hands the page of the language to the desktop's opener;
    // a missing page, or an opener that cannot be started, is said and the
    // page named, never passed over in silence.
    void helpOpensItsPageOrSaysWhy_data() {
        QTest::addColumn<bool>("pageThere");
        QTest::addColumn<bool>("openerStarts");
        QTest::addColumn<QString>("said");
        QTest::newRow("opened") << true << true << QString();
        QTest::newRow("no opener") << true << false << "xdg-open";
        QTest::newRow("no page") << false << true << "No se encuentra el archivo de ayuda";
    }
    void helpOpensItsPageOrSaysWhy() {
        QFETCH(bool, pageThere);
        QFETCH(bool, openerStarts);
        QFETCH(QString, said);
        Tfrm_ppal* w = openSample();
        const QString page = helpFileName(m_services->folder(), HelpTopic::start);
        if (pageThere) {
            QVERIFY(QDir().mkpath(QFileInfo(page).path()));
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        m_startsSucceed = openerStarts;
        m_started.clear(); // the desktop's tools after the registration at start
        m_dialogs->asked.clear();
        w->action(QStringLiteral("help"))->trigger();
        QCOMPARE(m_started,
                 pageThere ? QList<DetachedCommand>{helpCommand(page)} : QList<DetachedCommand>{});
        if (said.isEmpty()) {
            QCOMPARE(m_dialogs->asked, QStringList());
        } else {
            QCOMPARE(m_dialogs->asked.size(), 1);
            QVERIFY2(m_dialogs->asked.first().contains(said), qPrintable(m_dialogs->asked.first()));
            QVERIFY(m_dialogs->asked.first().contains(QDir::toNativeSeparators(page)));
        }
    }

    // The parent of a deleted or cut item holds the mean of the children it has
    // left, and the saved file says so; a parent left without children keeps
    // its percentage.
    void deletingAndCuttingRollUp_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("delete") << "borrarnodo";
        QTest::newRow("cut") << "cortar";
    }
    void deletingAndCuttingRollUp() {
        QFETCH(QString, command);
        Tfrm_ppal* w = openDocument(newItems({"P+", "  done=100", "  open=0", "Q+", "  only=40"}));
        QCOMPARE(node(QStringLiteral("P"))->nota().cumplido, 50);
        m_dialogs->okCancel = {true, true};
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        for (const char* caption : {"open", "only"}) {
            w->selectNode(node(QString::fromLatin1(caption)));
            controls(w).tv_lista->setFocus();
            QTRY_VERIFY(controls(w).tv_lista->hasFocus());
            w->action(command)->trigger();
        }
        QCOMPARE(currentOutline(), QStringList({"P", "  done", "Q"}));
        QVERIFY(w->guardarExecute());
        QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("doc.qnf"))),
                 documentBytes(newItems({"P+=100", "  done=100", "Q+=40"})));
    }

    void editorKeepsCtrlArrowsWhileFocused() {
        Tfrm_ppal* w = openSample();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->document()->setExpanded(node(QStringLiteral("B")), false);
        w->selectNode(node(QStringLiteral("C")));
        controls(w).re_texto->setFocus();
        QTRY_VERIFY(controls(w).re_texto->hasFocus());
        QTest::keyClick(controls(w).re_texto, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(currentOutline(), kSampleOutline);
        QVERIFY(w->action(QStringLiteral("arriba"))->shortcuts().isEmpty());
        // Other item shortcuts stay in force.
        QVERIFY(!w->action(QStringLiteral("nombrarnodo"))->shortcuts().isEmpty());
        controls(w).tv_lista->setFocus();
        QTRY_VERIFY(controls(w).tv_lista->hasFocus());
        QCOMPARE(w->action(QStringLiteral("arriba"))->shortcut(),
                 QKeySequence(Qt::ControlModifier | Qt::Key_Up));
        QTest::keyClick(controls(w).tv_lista, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(currentOutline(), QStringList({"A", "  A1", "  C", "  B", "    B1", "D"}));
    }

    void dropZones() {
        Tfrm_ppal* w = openSample();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        OutlineView* view = controls(w).tv_lista;
        const QRect d = view->visualRect(w->model()->indexOf(node(QStringLiteral("D"))));
        // Dropping C on D's label makes it D's last child; the former parent
        // is recomputed.
        w->selectNode(node(QStringLiteral("C")));
        w->tv_listaEndDrag(d.topLeft() + QPoint(4, d.height() / 2));
        QCOMPARE(currentOutline(), QStringList({"A", "  A1", "  B", "    B1", "D", "  C"}));
        QCOMPARE(node(QStringLiteral("A"))->nota().cumplido, (100 + 30) / 2);
        // Dropping an item into its own subtree moves nothing but counts as a change.
        w = openSample();
        w->selectNode(node(QStringLiteral("A")));
        QVERIFY(!w->docModificado());
        const QRect b1 =
            controls(w).tv_lista->visualRect(w->model()->indexOf(node(QStringLiteral("B1"))));
        w->tv_listaEndDrag(b1.center());
        QCOMPARE(currentOutline(), kSampleOutline);
        QVERIFY(w->docModificado());
        // Dragging an only child away leaves its former parent at 0 %.
        w->selectNode(node(QStringLiteral("B1")));
        w->tv_listaEndDrag(
            QPoint(5, controls(w).tv_lista->viewport()->height() - 2)); // below the items
        QCOMPARE(currentOutline(), QStringList({"A", "  A1", "  B", "  C", "D", "B1"}));
        QCOMPARE(node(QStringLiteral("B"))->nota().cumplido, 0);
        QCOMPARE(node(QStringLiteral("B"))->imageIndex(), 0);
    }

    // Each row of the program's own tree shows its priority mark.
    void priorityMarksShowInTheTree() {
        OutlineTree tree = newItems({"high", "normal", "low"});
        tree.topLevel(0)->nota().prioridad = 1;
        tree.topLevel(2)->nota().prioridad = 2;
        Tfrm_ppal* w = openDocument(tree);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QImage shot = controls(w).tv_lista->viewport()->grab().toImage();
        const auto pixels = [&](const char* caption, auto isMarkColour) {
            const QRect row = controls(w).tv_lista->visualRect(w->model()->indexOf(node(caption)));
            int count = 0;
            for (int y = row.top(); y <= row.bottom(); ++y)
                for (int x = row.left(); x < row.left() + 16; ++x)
                    count += isMarkColour(shot.pixelColor(x, y));
            return count;
        };
        const auto red = [](const QColor& c) {
            return c.red() > 150 && c.green() < 100 && c.blue() < 100;
        };
        const auto blue = [](const QColor& c) { return c.blue() > 150 && c.red() < 100; };
        QVERIFY(pixels("high", red) > 10);
        QVERIFY(pixels("low", blue) > 10);
        QCOMPARE(pixels("normal", red) + pixels("normal", blue), 0);
    }

    // Thirty thousand levels, every item open: the window opens the document
    // and shows its deepest item; nothing on the way recurses.
    void aDeepOutlineOpens() {
        OutlineTree tree;
        OutlineNode* parent = nullptr;
        for (int level = 0; level < 30000; ++level) {
            parent = parent ? tree.addLastChild(parent, QStringLiteral("x"), newItemRecord())
                            : tree.addLastTopLevel(QStringLiteral("x"), newItemRecord());
            parent->setExpanded(true);
        }
        Tfrm_ppal* w = openDocument(tree);
        QCOMPARE(w->model()->tree().count(), 30000);
        OutlineNode* deepest = w->model()->tree().firstTopLevel();
        while (deepest->hasChildren())
            deepest = deepest->firstChild();
        w->selectNode(deepest);
        QCOMPARE(w->selectedNode(), deepest);
        controls(w).tv_lista->repaint();
    }

    void textsFollowTheLanguage() {
        m_settings->write(QStringLiteral("opciones"), QStringLiteral("idioma"),
                          QStringLiteral("english"));
        Tfrm_ppal* w = openDocument(newItems({"A"}));
        QCOMPARE(withoutMnemonic(w->action(QStringLiteral("buscar"))->text()),
                 QStringLiteral("Find"));
        QCOMPARE(controls(w).lb_fecha->text(), QStringLiteral("Date:"));
        // The move shortcuts are the designed ones whatever the language.
        QCOMPARE(w->action(QStringLiteral("derecha"))->shortcut(),
                 QKeySequence(Qt::ControlModifier | Qt::Key_Right));
    }

    void everyCommandHasItsOwnMnemonic_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("espanol") << QStringLiteral("espanol");
        QTest::newRow("english") << QStringLiteral("english");
    }

    // Every command of the menus and popups is reachable with Alt: each menu
    // title and each visible command has a mnemonic unlike the others of its
    // menu, also once undo names a change and recent documents are listed.
    void everyCommandHasItsOwnMnemonic() {
        QFETCH(QString, language);
        m_settings->write(QStringLiteral("opciones"), QStringLiteral("idioma"), language);
        Tfrm_ppal* w = openSample();
        w->selectNode(findNode(w->model()->tree(), QStringLiteral("B")));
        w->action(QStringLiteral("arriba"))->trigger();
        for (const char* name : {"Salir & co.qnf", "ayuda.qnf", "a/b.qnf"})
            w->recentFiles().f_agregarUltimo(m_dir->filePath(QString::fromUtf8(name)));
        QList<QWidget*> containers{w->menuBar()};
        for (QAction* title : w->menuBar()->actions())
            containers << title->menu();
        containers << findControl<QMenu>(*w, "pm_tv_lista")
                   << findControl<QMenu>(*w, "pm_re_texto");
        QSet<QAction*> inMenus;
        for (const QWidget* container : containers) {
            QSet<QChar> seen;
            for (QAction* entry : container->actions()) {
                if (entry->isSeparator() || !entry->isVisible())
                    continue;
                inMenus << entry;
                const QChar key = mnemonicOf(entry->text());
                QVERIFY2(!key.isNull(), qPrintable(entry->text()));
                QVERIFY2(!seen.contains(key),
                         qPrintable(container->objectName() + u' ' + entry->text()));
                seen << key;
            }
        }
        for (QAction* command : w->actions())
            QVERIFY2(!command->isVisible() || inMenus.contains(command),
                     qPrintable(command->objectName()));
        // The recent documents are listed as they are named, ampersand and all.
        QCOMPARE(withoutMnemonic(w->action(QStringLiteral("Ultimo1"))->text()),
                 m_dir->filePath(QStringLiteral("a/b.qnf")));
        QCOMPARE(withoutMnemonic(w->action(QStringLiteral("Ultimo3"))->text()),
                 m_dir->filePath(QStringLiteral("Salir & co.qnf")));
    }

    void damagedSettingsFallBackToDefaults() {
        m_settings->write(QStringLiteral("posicion"), QStringLiteral("width"),
                          QStringLiteral("wide"));
        m_settings->write(QStringLiteral("fuentes"), QStringLiteral("nombre"),
                          QStringLiteral("DejaVu Sans"));
        m_settings->write(QStringLiteral("fuentes"), QStringLiteral("size"), QStringLiteral("big"));
        Tfrm_ppal* w = openDocument(newItems({"A"}));
        // The default width, or the screen's where that is narrower.
        const int frame = w->frameGeometry().width() - w->width();
        const int screen = QGuiApplication::primaryScreen()->availableGeometry().width();
        QCOMPARE(w->width(), std::min(904, screen - frame));
        QCOMPARE(controls(w).re_texto->font().pointSize(), 10);
        QVERIFY(w->ventanaIniciada());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
