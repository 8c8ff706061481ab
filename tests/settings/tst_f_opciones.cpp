#include "../support/window_controls.h"
#include "../support/window_fixture.h"
#include "base/detached_command.h"
#include "base/program_folder.h"
#include "document/unt_funciones.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/main_actions.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "settings/settings_store.h"
#include "settings/unt_extensiones.h"
#include "settings/unt_help.h"
#include "settings/widgets/unt_f_opciones.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kSpanish = "[opciones]\r\nidioma=espanol\r\n";

// A change of state that writes the settings.
enum Change { Close, RecentList, Font, OptionsAccepted, OptionsCancelled };

} // namespace

class TestOpciones : public MainWindowTest {
    Q_OBJECT

    QString dataHome() const { return m_dir->filePath(QStringLiteral("data")); }

    // The main window started on these settings; no settings file when null.
    Tfrm_ppal* start(const QByteArray& settings) {
        if (!settings.isNull())
            writeBytes(f_nombreIni(m_services->folder()), settings);
        m_window = std::make_unique<Tfrm_ppal>(*m_services);
        return m_window.get();
    }
    std::unique_ptr<Tf_opciones> openOptions() {
        return std::make_unique<Tf_opciones>(m_window.get(), *m_services, *m_window);
    }
    // Keeps the first-run question out of tests about other things.
    Tfrm_ppal* startWithoutFirstRun(const QByteArray& settings) {
        Tfrm_ppal* w = start(settings);
        controls(w).tm_init->stop();
        return w;
    }
    // A page of the manual in place, in its language's folder.
    static void writeHelpPage(const QString& page) {
        QVERIFY(QDir().mkpath(QFileInfo(page).absolutePath()));
        writeBytes(page, "<html></html>");
    }

private slots:
    void init() {
        setUpWindowTest();
        QVERIFY(m_dir->isValid());
        qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
    }
    void cleanup() {
        tearDownWindowTest();
        qunsetenv("XDG_DATA_HOME");
    }

    void firstRunAsksForALanguageThenEnds_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("storedLanguage");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("none chosen") << -1 << "XXX" << QStringList();
        QTest::newRow("English")
            << 1 << "english"
            << QStringList{"Debe cerrar la aplicacion para que los cambios surtan efecto"};
    }
    void firstRunAsksForALanguageThenEnds() {
        QFETCH(int, chosen);
        QFETCH(QString, storedLanguage);
        QFETCH(QStringList, messages);
        bool noneSelected = false;
        m_dialogs->modalDialogs.push_back([&](QDialog& dialog) {
            auto* options = qobject_cast<Tf_opciones*>(&dialog);
            noneSelected = options && controls(options).lb_idiomas->selectedItems().isEmpty();
            if (chosen >= 0)
                controls(options).lb_idiomas->setCurrentRow(chosen);
            controls(options).sb_aceptar->click();
        });
        Tfrm_ppal* w = start(QByteArray());
        // The question comes by itself once start-up is over.
        QCOMPARE(m_dialogs->modalRuns, 0);
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(m_dialogs->modalRuns, 1);
        QVERIFY(noneSelected);
        // The program ends without asking about the new document.
        QCOMPARE(m_dialogs->asked, messages);
        QCOMPARE(m_settings->text(Settings::opciones::idioma), storedLanguage);
        QCOMPARE(f_getIdioma(), storedLanguage);
    }

    void leavingChangesNothing_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Cancelar") << false;
        QTest::newRow("Esc") << true;
    }
    void leavingChangesNothing() {
        QFETCH(bool, byEscape);
        Tfrm_ppal* w = startWithoutFirstRun("[OPCIONES]\r\nidioma=espanol\r\nAutoGuardado=2\r\n\r\n"
                                            "[archivos]\r\nultimo1=/docs/a.qnf\r\n\r\n");
        const QByteArray before = readBytes(f_nombreIni(m_services->folder()));
        auto options = openOptions();
        controls(options).rg_archivosItems->button(1)->click();
        controls(options).ud_autoguardado->stepBy(3);
        controls(options).lb_idiomas->setCurrentRow(1);
        controls(options).cb_extension->setChecked(false);
        controls(options).cb_borrarhistorial->setChecked(true);
        if (byEscape)
            QTest::keyClick(options.get(), Qt::Key_Escape);
        else
            controls(options).sb_cancelar->click();
        QVERIFY(!options->isVisible());
        QCOMPARE(readBytes(f_nombreIni(m_services->folder())), before);
        QCOMPARE(controls(w).tm_autoguardado->interval(), 2 * 60000);
        QCOMPARE(f_getIdioma(), QStringLiteral("espanol"));
        QCOMPARE(w->recentFiles().paths(), QStringList{"/docs/a.qnf"});
        QVERIFY(m_dialogs->asked.isEmpty());
        // Single calls after the dialog reach the file again.
        m_settings->write(Settings::opciones::docinicio, QStringLiteral("1"));
        QVERIFY(readBytes(f_nombreIni(m_services->folder())).contains("docinicio=1"));
    }

    void acceptWritesTheDefaultsItRead() {
        startWithoutFirstRun(kSpanish);
        controls(openOptions()).sb_aceptar->click();
        QCOMPARE(readBytes(f_nombreIni(m_services->folder())),
                 kSpanish +
                     "docinicio=0\r\nautoguardado=0\r\nregexts=1\r\ncopiaseguridad=1\r\n\r\n");
    }

    // Each change of state reaches the settings file in one write of it, and
    // a dialog that is cancelled in none.
    void settingsFileWrites_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("writes");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("window closes")
            << int(Close) << 1 << QByteArray("[archivos]\r\nultimo=\r\n");
        QTest::newRow("recent list") << int(RecentList) << 1 << QByteArray("ultimo2=\r\n");
        QTest::newRow("font") << int(Font) << 1
                              << QByteArray("[fuentes]\r\nnombre=Sans\r\nsize=13\r\nbold=1\r\n"
                                            "italic=0\r\n\r\n");
        QTest::newRow("options accepted")
            << int(OptionsAccepted) << 1
            << kSpanish + "docinicio=1\r\nautoguardado=4\r\nregexts=1\r\ncopiaseguridad=1\r\n"
                          "\r\n[fuentes]\r\nnombre=Sans\r\nsize=13\r\nbold=0\r\nitalic=0\r\n"
                          "\r\n[archivos]\r\nultimo1=\r\n";
        QTest::newRow("options cancelled") << int(OptionsCancelled) << 0 << kSpanish;
    }
    void settingsFileWrites() {
        QFETCH(int, change);
        QFETCH(int, writes);
        QFETCH(QByteArray, written);
        Tfrm_ppal* w = startWithoutFirstRun(kSpanish);
        w->document()->markSaved(); // no question about the new document
        QSignalSpy spy(m_settings, &SettingsStore::fileWritten);
        switch (change) {
        case Close:
            QVERIFY(w->close());
            break;
        case RecentList: {
            const QString doc = m_dir->filePath(QStringLiteral("doc.qnf"));
            OutlineTree tree;
            tree.addLastTopLevel(QStringLiteral("A"), newItemRecord());
            f_guardarNodos(tree, doc);
            w->f_abrirarchivoultimo(doc);
            written.prepend("ultimo1=" + doc.toLocal8Bit() + "\r\n");
            break;
        }
        case Font: {
            QFont font(QStringLiteral("Sans"), 13);
            font.setBold(true);
            w->f_applyFont(font, true);
            break;
        }
        case OptionsAccepted:
        case OptionsCancelled: {
            auto options = openOptions();
            controls(options).rg_archivosItems->button(1)->click();
            controls(options).ud_autoguardado->stepBy(4);
            controls(options).cb_borrarhistorial->setChecked(true);
            // The rest of the program keeps writing at once meanwhile.
            w->f_applyFont(QFont(QStringLiteral("Sans"), 13), true);
            QCOMPARE(spy.count(), 1);
            spy.clear();
            (change == OptionsAccepted ? controls(options).sb_aceptar
                                       : controls(options).sb_cancelar)
                ->click();
            break;
        }
        }
        QVERIFY2(m_dialogs->asked.isEmpty(), qPrintable(m_dialogs->asked.join(u'\n')));
        QCOMPARE(spy.count(), writes);
        QVERIFY2(readBytes(f_nombreIni(m_services->folder())).contains(written),
                 readBytes(f_nombreIni(m_services->folder())).constData());
    }

    void startupChoice_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("blank document") << QByteArray("1") << 1 << 0 << QByteArray("0");
        QTest::newRow("last used") << QByteArray("0") << 0 << 1 << QByteArray("1");
        QTest::newRow("other number") << QByteArray("7") << 0 << 1 << QByteArray("1");
        QTest::newRow("no number") << QByteArray("x") << 0 << 0 << QByteArray("0");
    }
    void startupChoice() {
        QFETCH(QByteArray, stored);
        QFETCH(int, shown);
        QFETCH(int, clicked);
        QFETCH(QByteArray, written);
        startWithoutFirstRun(kSpanish + "docinicio=" + stored + "\r\n");
        auto options = openOptions();
        QCOMPARE(controls(options).rg_archivosItems->checkedId(), shown);
        controls(options).rg_archivosItems->button(clicked)->click();
        controls(options).sb_aceptar->click();
        QVERIFY(
            readBytes(f_nombreIni(m_services->folder())).contains("docinicio=" + written + "\r\n"));
    }

    void autosaveInterval_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("interval");
        QTest::newRow("five minutes") << QByteArray("5") << 0 << "5" << true << 300000;
        QTest::newRow("off") << QByteArray("0") << 0 << "0" << false << 0;
        QTest::newRow("switched off") << QByteArray("1") << -1 << "0" << false << 0;
        QTest::newRow("stepped up") << QByteArray("4") << 1 << "5" << true << 300000;
        QTest::newRow("no step below zero") << QByteArray("0") << -1 << "0" << false << 0;
        QTest::newRow("no step above 1000")
            << QByteArray("1000") << 1 << "1000" << true << 60000000;
        QTest::newRow("no number") << QByteArray("abc") << 0 << "0" << false << 0;
        QTest::newRow("too large") << QByteArray("5000") << 0 << "1000" << true << 60000000;
        QTest::newRow("negative") << QByteArray("-3") << 0 << "0" << false << 0;
    }
    void autosaveInterval() {
        QFETCH(QByteArray, stored);
        QFETCH(int, steps);
        QFETCH(QString, shown);
        QFETCH(bool, running);
        QFETCH(int, interval);
        // The locale must not bring separators or other digits into the field.
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const auto restoreLocale = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        Tfrm_ppal* w = startWithoutFirstRun(kSpanish + "autoguardado=" + stored + "\r\n");
        auto options = openOptions();
        controls(options).ud_autoguardado->stepBy(steps);
        QCOMPARE(controls(options).ed_autoguardado->text(), shown);
        controls(options).sb_aceptar->click();
        QCOMPARE(controls(w).tm_autoguardado->isActive(), running);
        if (running)
            QCOMPARE(controls(w).tm_autoguardado->interval(), interval);
        QVERIFY(readBytes(f_nombreIni(m_services->folder()))
                    .contains("autoguardado=" + shown.toLatin1() + "\r\n"));
    }

    void languageChoice_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("choice"); // -2 leaves the list alone, -1 clears it
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("messages");
        const QStringList spanishMessage{
            "Debe cerrar la aplicaci\u00f3n para que el cambios de idioma surta efecto"};
        QTest::newRow("Spanish kept") << "espanol" << 0 << -2 << "espanol" << QStringList();
        QTest::newRow("Spanish to English") << "espanol" << 0 << 1 << "english" << spanishMessage;
        QTest::newRow("English to Spanish")
            << "english" << 1 << 0 << "espanol"
            << QStringList{"You must restart application to see your changes"};
        QTest::newRow("English chosen again") << "english" << 1 << 1 << "english" << QStringList();
        QTest::newRow("user's own language") << "mine" << 1 << -2 << "mine" << QStringList();
        QTest::newRow("selection cleared") << "espanol" << 0 << -1 << "espanol" << QStringList();
    }
    void languageChoice() {
        QFETCH(QString, language);
        QFETCH(int, selected);
        QFETCH(int, choice);
        QFETCH(QString, result);
        QFETCH(QStringList, messages);
        startWithoutFirstRun("[opciones]\r\nidioma=" + language.toLatin1() + "\r\n");
        auto options = openOptions();
        QCOMPARE(controls(options).lb_idiomas->currentRow(), selected);
        if (choice == -1)
            controls(options).lb_idiomas->clearSelection();
        else if (choice >= 0)
            controls(options).lb_idiomas->setCurrentRow(choice);
        controls(options).sb_aceptar->click();
        QCOMPARE(m_dialogs->asked, messages);
        QCOMPARE(m_settings->text(Settings::opciones::idioma), result);
        QCOMPARE(f_getIdioma(), result);
        // Help follows the new language at once.
        QVERIFY(helpFileName(m_services->folder(), HelpTopic::options)
                    .endsWith("/help/" + result + "/opciones.htm"));
        // The dialog opened again in the same run shows the choice.
        if (result != language)
            QCOMPARE(controls(openOptions()).lb_idiomas->currentRow(), choice);
    }

    void registrationOnAccept_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("ticked registers again") << true << QByteArray("1");
        QTest::newRow("unticked keeps the registration") << false << QByteArray("0");
    }
    void registrationOnAccept() {
        QFETCH(bool, ticked);
        QFETCH(QByteArray, stored);
        startWithoutFirstRun(kSpanish);
        QVERIFY(f_extensionRegistrada(m_services->folder().executablePath()));
        QFile::remove(desktopEntryPath());
        auto options = openOptions();
        QVERIFY(controls(options).cb_extension->isChecked());
        controls(options).cb_extension->setChecked(ticked);
        controls(options).sb_aceptar->click();
        QVERIFY(
            readBytes(f_nombreIni(m_services->folder())).contains("regexts=" + stored + "\r\n"));
        QCOMPARE(f_extensionRegistrada(m_services->folder().executablePath()), ticked);
        QVERIFY(QFile::exists(mimePackagePath()));
    }

    void failedRegistrationKeepsTheOtherChoices() {
        startWithoutFirstRun(kSpanish + "regexts=0\r\n");
        writeBytes(dataHome(), "a file where a folder should be");
        auto options = openOptions();
        controls(options).cb_extension->setChecked(true);
        controls(options).ud_autoguardado->setValue(3);
        controls(options).sb_aceptar->click();
        QCOMPARE(m_dialogs->asked.size(), 1);
        QVERIFY(!options->isVisible());
        QVERIFY(readBytes(f_nombreIni(m_services->folder())).contains("autoguardado=3\r\n"));
        QCOMPARE(controls(m_window).tm_autoguardado->interval(), 3 * 60000);
    }

    void clearingTheRecentDocuments() {
        Tfrm_ppal* w = startWithoutFirstRun(
            kSpanish + "\r\n[archivos]\r\nultimo1=/docs/a.qnf\r\nultimo2=/docs/b.qnf\r\n");
        QCOMPARE(w->recentFiles().paths().size(), 2);
        auto options = openOptions();
        QVERIFY(!controls(options).cb_borrarhistorial->isChecked());
        controls(options).cb_borrarhistorial->setChecked(true);
        controls(options).sb_aceptar->click();
        QVERIFY(w->recentFiles().paths().isEmpty());
        for (const QString& name : recentActionNames())
            QVERIFY(!w->action(name)->isVisible());
        QVERIFY(readBytes(f_nombreIni(m_services->folder())).contains("ultimo1=\r\n"));
    }

    void optionsActionOpensAFreshDialog() {
        Tfrm_ppal* w = startWithoutFirstRun(kSpanish);
        QStringList shown;
        const auto setInterval = [&](int minutes) {
            return [&shown, minutes](QDialog& dialog) {
                auto* options = qobject_cast<Tf_opciones*>(&dialog);
                shown << controls(options).ed_autoguardado->text();
                QVERIFY(options->isModal());
                controls(options).ud_autoguardado->setValue(minutes);
                controls(options).sb_aceptar->click();
            };
        };
        m_dialogs->modalDialogs = {setInterval(7), setInterval(8)};
        w->action(QStringLiteral("opciones"))->trigger();
        w->action(QStringLiteral("opciones"))->trigger();
        QCOMPARE(shown, QStringList({"0", "7"}));
        QVERIFY(w->findChildren<Tf_opciones*>().isEmpty());
    }

    void helpKey_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("helpFileExists");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("started");
        QTest::newRow("no language chosen yet")
            << QByteArray() << false << int(Qt::NoModifier)
            << "No se encuentra el archivo de ayuda %1/help/XXX/opciones.htm" << false;
        QTest::newRow("Spanish help missing")
            << kSpanish << false << int(Qt::NoModifier)
            << QString::fromUtf8(
                   "No se encuentra el archivo de ayuda %1/help/espanol/opciones.htm. "
                   "Revise su instalación")
            << false;
        QTest::newRow("help file present") << kSpanish << true << int(Qt::NoModifier) << "" << true;
        QTest::newRow("with Shift") << kSpanish << true << int(Qt::ShiftModifier) << "" << false;
    }
    void helpKey() {
        QFETCH(QByteArray, settings);
        QFETCH(bool, helpFileExists);
        QFETCH(int, modifiers);
        QFETCH(QString, message);
        QFETCH(bool, started);
        startWithoutFirstRun(settings);
        m_started.clear(); // the desktop's tools after the registration at start
        const QString page = helpFileName(m_services->folder(), HelpTopic::options);
        if (helpFileExists)
            writeHelpPage(page);
        auto options = openOptions();
        options->show();
        QVERIFY(QTest::qWaitForWindowActive(options.get()));
        QTest::keyClick(controls(options).ud_autoguardado, Qt::Key_F1,
                        Qt::KeyboardModifiers(modifiers));
        QCOMPARE(m_dialogs->asked,
                 message.isEmpty() ? QStringList() : QStringList{message.arg(m_dir->path())});
        QCOMPARE(m_started.size(), started ? 1 : 0);
        if (started)
            QCOMPARE(m_started.first(), helpCommand(page));
    }

    // The help command and F1 in the main window open the manual's start page.
    void helpActionOpensTheStartPage() {
        Tfrm_ppal* w = startWithoutFirstRun(kSpanish);
        m_started.clear();
        const QString page = helpFileName(m_services->folder(), HelpTopic::start);
        QVERIFY(page.endsWith(QStringLiteral("/help/espanol/index.htm")));
        writeHelpPage(page);
        w->action(QStringLiteral("help"))->trigger();
        QCOMPARE(m_started, QList<DetachedCommand>{helpCommand(page)});
    }

    void registrationAtStart_data() {
        QTest::addColumn<QByteArray>("regexts");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<int>("messages");
        QTest::newRow("asked for") << QByteArray("1") << false << true << 0;
        QTest::newRow("not asked for") << QByteArray("0") << false << false << 0;
        QTest::newRow("failing") << QByteArray("1") << true << false << 1;
    }
    void registrationAtStart() {
        QFETCH(QByteArray, regexts);
        QFETCH(bool, blocked);
        QFETCH(bool, registered);
        QFETCH(int, messages);
        if (blocked)
            writeBytes(dataHome(), "a file where a folder should be");
        Tfrm_ppal* w = startWithoutFirstRun(kSpanish + "regexts=" + regexts + "\r\n");
        QCOMPARE(f_extensionRegistrada(m_services->folder().executablePath()), registered);
        QCOMPARE(m_dialogs->asked.size(), messages);
        // Start-up carried on to the end.
        QVERIFY(w->ventanaIniciada());
        QVERIFY(!w->archivoActual().isEmpty());
    }
};

QTEST_MAIN(TestOpciones)
#include "tst_f_opciones.moc"
