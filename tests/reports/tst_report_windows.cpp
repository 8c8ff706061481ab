#include "../support/window_controls.h"
#include "../support/window_fixture.h"
#include "base/mnemonics.h"
#include "base/program_folder.h"
#include "document/document_file.h"
#include "document/unt_funciones.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "reports/widgets/Unt_f_today.h"
#include "reports/widgets/optional_date_edit.h"
#include "reports/widgets/report_browser.h"
#include "reports/widgets/unt_f_defreportexdia.h"
#include "reports/widgets/unt_f_reportexdia.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Command = ReportBrowser::Command;

// What the report windows asked of their browsers.
struct BrowserLog {
    int created = 0;
    QStringList pages;
    QList<Command> commands;
    bool supported = true;
};

class RecordingBrowser final : public ReportBrowser {
public:
    RecordingBrowser(QWidget* parent, BrowserLog& log) : m_widget(new QWidget(parent)), m_log(log) {
        ++m_log.created;
    }
    QWidget* widget() const override { return m_widget; }
    void navigate(const QString& path) override { m_log.pages << path; }
    bool isSupported(Command) const override { return m_log.supported; }
    void exec(Command command, QWidget*) override { m_log.commands << command; }

private:
    QWidget* m_widget;
    BrowserLog& m_log;
};

const QString kNoStart = QStringLiteral("2162688");  // 1 January 1980
const QString kNoEnd = QStringLiteral("2015428608"); // 1 January 2040

QString fechaForm(const QDate& day) {
    return f_fechaHoraAEntero(QDateTime(day, QTime(0, 0)));
}

QString stored(SettingsStore& settings, const SettingKey& key) {
    return settings.text(QString(key.section), QString(key.key), QStringLiteral("<missing>"));
}

// Deletes what deleteLater() scheduled, as the event loop would.
void runDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// File dialogs that start in their own folder.
struct NoFolders final : DialogFolders {
    QString startFolder() override { return {}; }
    void rememberFolder(const QString&) override {}
};

class TestReportWindows : public MainWindowTest {
    Q_OBJECT
    BrowserLog m_browsers;
    NoFolders m_noFolders;
    const QDate m_today = QDate::currentDate();

    QString webFile(const char* name) const {
        return m_dir->filePath(QStringLiteral("web/") + QLatin1StringView(name));
    }

    // The main window with a document of new items as outlineOf reads them
    // ("caption", "caption=percent", "  child"), dated `dates` in order.
    Tfrm_ppal* open(const QStringList& items, const QList<QDate>& dates) {
        OutlineTree tree = outlineOf(items, newItemRecord());
        qsizetype i = 0;
        tree.forEach([&](OutlineNode* n) {
            n->nota().setFechaValue(packFecha(QDateTime(dates.value(i++, m_today), QTime(9, 30))));
        });
        m_newBrowser = [this](QWidget* parent, UserDialogs&, DialogFolders&) {
            return std::make_unique<RecordingBrowser>(parent, m_browsers);
        };
        return openDocument(tree);
    }

    // The main window's report window of that kind, while it exists.
    template <class Window> Window* windowOf() const {
        return m_window ? m_window->findChild<Window*>() : nullptr;
    }

    Tf_defreportexdia* openDialog() {
        m_window->action(QStringLiteral("definicionreportes"))->trigger();
        return windowOf<Tf_defreportexdia>();
    }

    void closeDialog() {
        controls(windowOf<Tf_defreportexdia>()).bt_cerrar->click();
        runDeferredDeletes();
    }

    static void clickCheckBox(OptionalDateEdit* picker) {
        QTest::mouseClick(picker->checkBox(), Qt::LeftButton);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() {
        setUpWindowTest();
        m_browsers = {};
        // A chosen language, and no file-type registration at start.
        m_settings->write(Settings::opciones::idioma, QStringLiteral("espanol"));
        m_settings->write(Settings::opciones::regexts, QStringLiteral("0"));
    }
    void cleanup() {
        // The report windows go with the main window.
        const QPointer<Tf_today> today = windowOf<Tf_today>();
        const QPointer<Tf_reportexdia> perDay = windowOf<Tf_reportexdia>();
        const QPointer<Tf_defreportexdia> dialog = windowOf<Tf_defreportexdia>();
        m_window.reset();
        QVERIFY(!today && !perDay && !dialog);
        tearDownWindowTest();
    }

    void todayWindowRendersOnlyWhenCreated() {
        open({"open", "done=100", "parent", "  tomorrow"},
             {m_today, m_today, m_today, m_today.addDays(1)});
        // The browser engine does not start with the program.
        QCOMPARE(m_browsers.created, 0);

        m_window->action(QStringLiteral("verhoy"))->trigger();
        QVERIFY(windowOf<Tf_today>() && windowOf<Tf_today>()->isVisible());
        QCOMPARE(windowOf<Tf_today>()->windowTitle(), QStringLiteral("Tareas para hoy"));
        QCOMPARE(withoutMnemonic(controls(windowOf<Tf_today>()).bt_preview->text()),
                 QStringLiteral("Vista previa"));
        QCOMPARE(m_browsers.pages, QStringList{webFile("today.htm")});
        const QByteArray page = readBytes(webFile("today.htm"));
        QVERIFY(page.contains("<span class=\"titulo\">Tareas del d\xed"
                              "a</span>"));
        QVERIFY(page.contains("<b>open</b>"));
        QVERIFY(page.contains("<b>parent</b> - 0%"));
        QVERIFY(!page.contains("done"));
        QVERIFY(!page.contains("tomorrow"));

        // Shown again, hidden by its close box or not, it keeps its page.
        m_window->document()->rename(node(QStringLiteral("open")), QStringLiteral("renamed"));
        Tf_today* first = windowOf<Tf_today>();
        // Marked, since a new window may be made at the address of a destroyed one.
        first->setProperty("first", true);
        first->close();
        QVERIFY(windowOf<Tf_today>() && !windowOf<Tf_today>()->isVisible());
        m_window->action(QStringLiteral("verhoy"))->trigger();
        QCOMPARE(windowOf<Tf_today>(), first);
        QVERIFY(windowOf<Tf_today>()->isVisible());
        QCOMPARE(m_browsers.pages.size(), 1);
        QCOMPARE(readBytes(webFile("today.htm")), page);

        // "Cerrar" destroys it; the next one renders afresh.
        controls(windowOf<Tf_today>()).bt_cerrar->click();
        runDeferredDeletes();
        QVERIFY(!windowOf<Tf_today>());
        m_window->action(QStringLiteral("verhoy"))->trigger();
        QVERIFY(windowOf<Tf_today>() && !windowOf<Tf_today>()->property("first").isValid());
        QCOMPARE(m_browsers.pages.size(), 2);
        QVERIFY(readBytes(webFile("today.htm")).contains("<b>renamed</b>"));
        QCOMPARE(m_browsers.created, 2);
    }

    // The today window opens centred on the main window the first time, then
    // where the user left it, also in a later run.
    void todayWindowOpensWhereTheUserLeftIt() {
        Tfrm_ppal* w = open({"A"}, {m_today});
        // Wholly on the screen, so that the report window centred on it is too.
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        w->setGeometry(available.adjusted(30, 40, -20, -10));
        w->action(QStringLiteral("verhoy"))->trigger();
        const QPoint offCentre =
            windowOf<Tf_today>()->frameGeometry().center() - w->frameGeometry().center();
        // The window's frame is known only once it is shown: a few pixels off.
        QVERIFY2(qAbs(offCentre.x()) <= 8 && qAbs(offCentre.y()) <= 8,
                 qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));

        windowOf<Tf_today>()->move(200, 150);
        windowOf<Tf_today>()->resize(500, 400);
        const QRect left = windowOf<Tf_today>()->frameGeometry();
        QCOMPARE(left.topLeft(), QPoint(200, 150));
        controls(windowOf<Tf_today>()).bt_cerrar->click();
        runDeferredDeletes();
        QCOMPARE(stored(*m_settings, Settings::ventanas::hoy), QStringLiteral("200,150,500,400"));
        w->action(QStringLiteral("verhoy"))->trigger();
        QCOMPARE(windowOf<Tf_today>()->frameGeometry(), left);
    }

    // A stored place that no screen shows, or a damaged one, does not lose the window.
    void todayWindowStaysOnAScreen_data() {
        QTest::addColumn<QString>("storedPlace");
        QTest::newRow("off every screen") << "-9000,-9000,500,400";
        QTest::newRow("damaged") << "300,x,500,400";
        QTest::newRow("no size") << "300,250,0,0";
        QTest::newRow("larger than the screen") << "40,30,4000,3000";
    }
    void todayWindowStaysOnAScreen() {
        QFETCH(QString, storedPlace);
        m_settings->write(Settings::ventanas::hoy, storedPlace);
        open({"A"}, {m_today});
        m_window->action(QStringLiteral("verhoy"))->trigger();
        const QRect frame = windowOf<Tf_today>()->frameGeometry();
        QVERIFY(frame.width() > 0 && frame.height() > 0);
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(frame));
    }

    void todayWindowOpensEvenWhenItsPageFails() {
        open({"A"}, {m_today});
        QFile blocker(m_dir->filePath(QStringLiteral("web")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should go
        blocker.close();
        m_window->action(QStringLiteral("verhoy"))->trigger();
        QVERIFY(windowOf<Tf_today>() && windowOf<Tf_today>()->isVisible());
        QVERIFY(m_browsers.pages.isEmpty());
        QCOMPARE(m_dialogs->asked.size(), 1);
        QVERIFY2(
            m_dialogs->asked.first().startsWith(QStringLiteral("No se pudo escribir el reporte")),
            qPrintable(m_dialogs->asked.first()));
    }

    // The editor's text reaches the page without first leaving the item.
    void pageShowsTheTextBeingEdited() {
        open({"A"}, {m_today});
        m_window->selectNode(node(QStringLiteral("A")));
        controls(m_window).re_texto->setFocus();
        QTest::keyClicks(controls(m_window).re_texto, QStringLiteral("typed"));
        m_window->action(QStringLiteral("verhoy"))->trigger();
        QVERIFY(readBytes(webFile("today.htm")).contains("<p class=\"texto\">typed</p>"));
    }

    void commands_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("supported");
        for (bool supported : {true, false}) {
            const char* tag = supported ? "supported" : "unsupported";
            QTest::addRow("print, %s", tag) << "bt_print" << int(Command::Print) << supported;
            QTest::addRow("preview, %s", tag) << "bt_preview" << int(Command::Preview) << supported;
            QTest::addRow("save, %s", tag) << "bt_guardar" << int(Command::SaveAs) << supported;
        }
    }
    // An unsupported command disables its button for good and is still issued,
    // so the browser's refusal reaches the user.
    void commands() {
        QFETCH(QString, button);
        QFETCH(int, command);
        QFETCH(bool, supported);
        open({"A"}, {m_today});
        m_window->action(QStringLiteral("verhoy"))->trigger();
        m_browsers.supported = supported;
        auto* pressed = windowOf<Tf_today>()->findChild<QPushButton*>(button);
        pressed->click();
        QCOMPARE(m_browsers.commands, QList<Command>{Command(command)});
        QCOMPARE(pressed->isEnabled(), supported);
        m_browsers.supported = true;
        pressed->click();
        QCOMPARE(pressed->isEnabled(), supported);
    }

    void saveCopiesThePage() {
        const QString page = m_dir->filePath(QStringLiteral("page.htm"));
        const QString copy = m_dir->filePath(QStringLiteral("copy.htm"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("caf\xe9\r\n");
        file.close();

        m_dialogs->fileNames = {copy};
        saveCopyOfPage(*m_dialogs, m_noFolders, nullptr, page);
        QCOMPARE(readBytes(copy), QByteArray("caf\xe9\r\n"));
        QVERIFY(m_dialogs->asked.isEmpty());

        // An existing file is replaced only on Yes.
        QFile::remove(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("new");
        file.close();
        m_dialogs->fileNames = {copy, copy};
        m_dialogs->yesNoCancel = {UserDialogs::Answer::No, UserDialogs::Answer::Yes};
        saveCopyOfPage(*m_dialogs, m_noFolders, nullptr, page);
        QCOMPARE(readBytes(copy), QByteArray("caf\xe9\r\n"));
        saveCopyOfPage(*m_dialogs, m_noFolders, nullptr, page);
        QCOMPARE(readBytes(copy), QByteArray("new"));
        QCOMPARE(m_dialogs->asked.size(), 2);

        // Saving the page onto itself leaves it whole.
        m_dialogs->fileNames = {page};
        m_dialogs->yesNoCancel = {UserDialogs::Answer::Yes};
        saveCopyOfPage(*m_dialogs, m_noFolders, nullptr, page);
        QCOMPARE(readBytes(page), QByteArray("new"));
    }

    // A saved page opens with its style wherever it is put: the style sheet
    // goes beside it, unless one is there already or the page has none.
    void saveKeepsThePageStyled_data() {
        QTest::addColumn<bool>("pageStyled");
        QTest::addColumn<QByteArray>("besideBefore"); // null: none there
        QTest::addColumn<QByteArray>("besideAfter");  // null: none there
        QTest::newRow("copied beside") << true << QByteArray() << QByteArray("p { }\r\n");
        QTest::newRow("user's own kept") << true << QByteArray("mine") << QByteArray("mine");
        QTest::newRow("page without one") << false << QByteArray() << QByteArray();
    }
    void saveKeepsThePageStyled() {
        QFETCH(bool, pageStyled);
        QFETCH(QByteArray, besideBefore);
        QFETCH(QByteArray, besideAfter);
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("web")));
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("elsewhere")));
        const QString page = m_dir->filePath(QStringLiteral("web/today.htm"));
        const QString beside = m_dir->filePath(QStringLiteral("elsewhere/reports.css"));
        writeBytes(page, "<html>");
        if (pageStyled)
            writeBytes(m_dir->filePath(QStringLiteral("web/reports.css")), "p { }\r\n");
        if (!besideBefore.isNull())
            writeBytes(beside, besideBefore);
        m_dialogs->fileNames = {m_dir->filePath(QStringLiteral("elsewhere/saved.htm"))};
        saveCopyOfPage(*m_dialogs, m_noFolders, nullptr, page);
        QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("elsewhere/saved.htm"))),
                 QByteArray("<html>"));
        QCOMPARE(QFileInfo::exists(beside), !besideAfter.isNull());
        if (!besideAfter.isNull())
            QCOMPARE(readBytes(beside), besideAfter);
    }

    // Save starts where the user works, as the document's dialogs do, and the
    // folder chosen is the one a new document's dialogs start in next.
    void saveStartsInTheDocumentFolder() {
        open({"A"}, {m_today});
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("elsewhere")));
        const QString page = m_dir->filePath(QStringLiteral("page.htm"));
        writeBytes(page, "<html>");
        m_dialogs->fileNames = {m_dir->filePath(QStringLiteral("elsewhere/saved.htm"))};
        saveCopyOfPage(*m_dialogs, *m_window, nullptr, page);
        QCOMPARE(m_dialogs->folders, QStringList{m_dir->path()});
        QCOMPARE(m_settings->text(Settings::carpetas::ultima),
                 m_dir->filePath(QStringLiteral("elsewhere")));
    }

    void dialogFirstOpening() {
        Tfrm_ppal* w = open({"A"}, {m_today});
        // Wholly on the screen, so that the report window centred on it is too.
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        w->setGeometry(available.adjusted(30, 40, -20, -10));
        Tf_defreportexdia* d = openDialog();
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->frameGeometry().left(), w->frameGeometry().left());
        QCOMPARE(d->frameGeometry().bottom(), w->frameGeometry().bottom());
        QVERIFY(!controls(d).dt_fechaini->isChecked());
        QCOMPARE(controls(d).dt_fechaini->date(), QDate(1980, 1, 1));
        QVERIFY(controls(d).dt_fechafin->isChecked());
        QCOMPARE(controls(d).dt_fechafin->date(), m_today);
        QVERIFY(controls(d).rb_fecha->isChecked());
        QVERIFY(controls(d).rb_Completo->isChecked());
        QVERIFY(!controls(d).cb_completados->isChecked());
        QVERIFY(controls(d).cb_texto->isChecked());
        QVERIFY(!controls(d).cb_terminales->isChecked());
        // Ticking "Texto" from its default stored it; the rest stays unwritten.
        QCOMPARE(stored(*m_settings, Settings::reportes::mostrartexto), QStringLiteral("1"));
        for (const SettingKey& key :
             {SettingKey(Settings::reportes::fechadesde), Settings::reportes::fechahasta,
              SettingKey(Settings::reportes::orden), SettingKey(Settings::reportes::completo),
              SettingKey(Settings::reportes::mostrarcompletados)})
            QCOMPARE(stored(*m_settings, key), QStringLiteral("<missing>"));
        // Texts come from the language file ("Cerrar " there loses its blank).
        QCOMPARE(withoutMnemonic(controls(d).bt_cerrar->text()), QStringLiteral("Cerrar"));
        QCOMPARE(withoutMnemonic(controls(d).rb_Completo->text()), QStringLiteral("Todo el arbol"));
        QCOMPARE(controls(d).rb_Completo->toolTip(),
                 QStringLiteral("Si esta tildado se mostrara todo el arbol"));
    }

    void choicesAreStoredAsMade_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("reopened");
        QTest::newRow("keep tree order") << "rb_noorden"
                                         << "orden"
                                         << "1" << true << true;
        QTest::newRow("completed items") << "cb_completados"
                                         << "mostrarcompletados"
                                         << "1" << true << true;
        QTest::newRow("no texts") << "cb_texto"
                                  << "mostrartexto"
                                  << "0" << false << false;
        QTest::newRow("from the selected item") << "rb_seleccion"
                                                << "completo"
                                                << "0" << true << true;
        // "Solo terminales" stores "Texto" again, and is forgotten.
        QTest::newRow("only leaves") << "cb_terminales"
                                     << "mostrartexto"
                                     << "1" << true << false;
    }
    void choicesAreStoredAsMade() {
        QFETCH(QString, control);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, checked);
        QFETCH(bool, reopened);
        open({"A"}, {m_today});
        auto* button = openDialog()->findChild<QAbstractButton*>(control);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
        QCOMPARE(button->isChecked(), checked);
        QCOMPARE(m_settings->text(QStringLiteral("reportes"), key, QString()), value);
        closeDialog();
        QCOMPARE(openDialog()->findChild<QAbstractButton*>(control)->isChecked(), reopened);
    }

    void otherStoredValuesAreReplaced() {
        m_settings->write(Settings::reportes::orden, QStringLiteral("7"));
        m_settings->write(Settings::reportes::completo, QStringLiteral("yes"));
        m_settings->write(Settings::reportes::mostrarcompletados, QStringLiteral("x"));
        open({"A"}, {m_today});
        Tf_defreportexdia* d = openDialog();
        QVERIFY(controls(d).rb_noorden->isChecked());
        QVERIFY(controls(d).rb_seleccion->isChecked());
        QVERIFY(controls(d).cb_completados->isChecked());
        QCOMPARE(stored(*m_settings, Settings::reportes::orden), QStringLiteral("1"));
        QCOMPARE(stored(*m_settings, Settings::reportes::completo), QStringLiteral("0"));
        QCOMPARE(stored(*m_settings, Settings::reportes::mostrarcompletados), QStringLiteral("1"));
    }

    // Damaged stored dates, a word and numbers that are no dates, are reported
    // and the dialog opens on the defaults.
    void damagedDatesStillOpenTheDialog() {
        m_settings->write(Settings::reportes::fechadesde, QStringLiteral("yesterday"));
        m_settings->write(Settings::reportes::fechahasta, QStringLiteral("5"));
        open({"A"}, {m_today});
        Tf_defreportexdia* d = openDialog();
        QVERIFY(!controls(d).dt_fechaini->isChecked());
        QVERIFY(controls(d).dt_fechafin->isChecked());
        QCOMPARE(controls(d).dt_fechafin->date(), m_today);
        QCOMPARE(m_dialogs->asked, QStringList({"'yesterday' no es un número entero válido.",
                                                "'5' no es una fecha válida."}));
    }

    void startPickerRemembersItsDate() {
        const QDate chosen(2024, 3, 5);
        m_settings->write(Settings::reportes::fechadesde, fechaForm(chosen));
        open({"A"}, {m_today});
        Tf_defreportexdia* d = openDialog();
        QVERIFY(controls(d).dt_fechaini->isChecked());
        QCOMPARE(controls(d).dt_fechaini->date(), chosen);

        clickCheckBox(controls(d).dt_fechaini); // cleared: 1 January 1980 stands for "no start"
        QCOMPARE(controls(d).dt_fechaini->date(), QDate(1980, 1, 1));
        QCOMPARE(stored(*m_settings, Settings::reportes::fechadesde), kNoStart);
        clickCheckBox(controls(d).dt_fechaini); // ticked: the date comes back, and is stored
        QCOMPARE(controls(d).dt_fechaini->date(), chosen);
        QCOMPARE(stored(*m_settings, Settings::reportes::fechadesde), fechaForm(chosen));

        controls(d).dt_fechaini->dateEdit()->setFocus();
        QTest::keyClick(controls(d).dt_fechaini->dateEdit(), Qt::Key_Up); // the day goes up by one
        QCOMPARE(stored(*m_settings, Settings::reportes::fechadesde), fechaForm(chosen.addDays(1)));

        clickCheckBox(controls(d).dt_fechaini);
        closeDialog();
        d = openDialog();
        QVERIFY(!controls(d).dt_fechaini->isChecked());
        QCOMPARE(d->fechaIniRecordada, m_today);
        clickCheckBox(controls(d).dt_fechaini);
        QCOMPARE(controls(d).dt_fechaini->date(), m_today);
    }

    void endPickerUntickedStoresItsSentinel() {
        open({"A"}, {m_today});
        Tf_defreportexdia* d = openDialog();
        clickCheckBox(controls(d).dt_fechafin);
        QCOMPARE(controls(d).dt_fechafin->date(), QDate(2040, 1, 1));
        QCOMPARE(stored(*m_settings, Settings::reportes::fechahasta), kNoEnd);
        closeDialog();
        QVERIFY(!controls(openDialog()).dt_fechafin->isChecked());
    }

    void showingThePerDayReport() {
        Tfrm_ppal* w =
            open({"old", "now", "  child", "future", "far=100"},
                 {QDate(1999, 5, 1), m_today, m_today, QDate(2039, 12, 31), QDate(2041, 1, 1)});
        w->setGeometry(200, 173, 904, 643);
        Tf_defreportexdia* d = openDialog();
        controls(d).bt_mostrar->click();
        QVERIFY(windowOf<Tf_reportexdia>() && windowOf<Tf_reportexdia>()->isVisible());
        QCOMPARE(windowOf<Tf_reportexdia>()->windowTitle(), QStringLiteral("Reportes"));
        // Beside the dialog, over the editor down to the main window's bottom.
        const QRect placed = windowOf<Tf_reportexdia>()->frameGeometry();
        const int editorTop = controls(w).pn_texto->mapToGlobal(QPoint(0, 0)).y();
        QCOMPARE(placed.topLeft(), QPoint(d->frameGeometry().right() + 1, editorTop));
        QCOMPARE(placed.width(), w->frameGeometry().width() - d->frameGeometry().width());
        QCOMPARE(placed.bottom(), w->frameGeometry().bottom());
        QCOMPARE(m_browsers.pages, QStringList{webFile("reporte.htm")});
        QByteArray page = readBytes(webFile("reporte.htm"));
        QVERIFY(page.contains("<b>old</b>"));
        QVERIFY(page.contains("now - <b>child</b>"));
        QVERIFY(!page.contains("future"));

        // Moved by the user, rendered again with other choices, in the same window.
        Tf_reportexdia* window = windowOf<Tf_reportexdia>();
        window->move(10, 20);
        clickCheckBox(controls(d).dt_fechafin);
        controls(d).cb_completados->click();
        controls(d).cb_terminales->click();
        controls(d).bt_mostrar->click();
        QCOMPARE(windowOf<Tf_reportexdia>(), window);
        QCOMPARE(window->pos(), QPoint(10, 20));
        QCOMPARE(m_browsers.pages.size(), 2);
        page = readBytes(webFile("reporte.htm"));
        QVERIFY(page.contains("<b>future</b>"));
        QVERIFY(!page.contains("far")); // after 1 January 2040
        QVERIFY(!page.contains("<b>now</b>"));
        QVERIFY(page.contains("hasta</b> 01/01/2040<br>"));

        // "Cerrar" of the window: the next one is placed beside the dialog again.
        controls(window).bt_cerrar->click();
        runDeferredDeletes();
        QVERIFY(!windowOf<Tf_reportexdia>());
        controls(d).bt_mostrar->click();
        QCOMPARE(windowOf<Tf_reportexdia>()->frameGeometry().topLeft(),
                 QPoint(d->frameGeometry().right() + 1, editorTop));
    }

    void subtreeReportWithAndWithoutSelection() {
        Tfrm_ppal* w = open({"top", "  sel", "other"}, {m_today, m_today, m_today});
        Tf_defreportexdia* d = openDialog();
        controls(d).rb_seleccion->click();
        w->selectNode(nullptr);
        controls(d).bt_mostrar->click();
        QVERIFY(readBytes(webFile("reporte.htm")).contains("<b>other</b>"));
        w->selectNode(node(QStringLiteral("sel")));
        controls(d).bt_mostrar->click();
        const QByteArray page = readBytes(webFile("reporte.htm"));
        QVERIFY(page.contains("<span class=\"titulo_item\"><b>sel</b>"));
        QVERIFY(!page.contains("other"));
    }

    // The action brings back both windows as they were, without rendering.
    void reportsActionBringsBothForward() {
        open({"A"}, {m_today});
        Tf_defreportexdia* d = openDialog();
        controls(d).bt_mostrar->click();
        windowOf<Tf_reportexdia>()->close();
        d->hide();
        openDialog();
        QCOMPARE(windowOf<Tf_defreportexdia>(), d);
        QVERIFY(d->isVisible() && windowOf<Tf_reportexdia>()->isVisible());
        QCOMPARE(m_browsers.pages.size(), 1);
    }

    void closingTheDialogLeavesTheReport() {
        open({"A"}, {m_today});
        Tf_defreportexdia* d = openDialog();
        controls(d).bt_mostrar->click();
        QTest::keyClick(d, Qt::Key_Escape);
        runDeferredDeletes();
        QVERIFY(!windowOf<Tf_defreportexdia>());
        QVERIFY(windowOf<Tf_reportexdia>() && windowOf<Tf_reportexdia>()->isVisible());
    }
};

QTEST_MAIN(TestReportWindows)
#include "tst_report_windows.moc"
