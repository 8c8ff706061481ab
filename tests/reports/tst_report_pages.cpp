#include "../support/outline_text.h"
#include "base/errors.h"
#include "base/program_folder.h"
#include "document/outline_tree.h"
#include "document/unt_funciones.h"
#include "language/unt_idioma.h"
#include "reports/report_heads.h"
#include "reports/report_items.h"
#include "reports/unthtml_constantes.h"
#include "reports/unthtml_stylereports.h"
#include "reports/unthtml_utils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

const QDate kDay(2026, 12, 8);

// Items dated kDay at midnight unless their line gives a date, as outlineOf
// reads them: "caption @ yyyy-MM-dd hh:mm:ss = percent | text".
OutlineTree outlineOnDay(const QStringList& lines) {
    Tnota record;
    record.setFechaValue(packFecha(QDateTime(kDay, QTime(0, 0))));
    return outlineOf(lines, record);
}

// The markup of one item dated kDay as the page carries it; no text means the
// page shows no item texts.
QString markupOf(const QString& path, const QString& caption, int percent, bool completed,
                 const std::optional<QString>& text) {
    QString html = QStringLiteral("<span class=\"titulo_item\">");
    if (completed)
        html += QStringLiteral("<span class=\"completado\">");
    html += path + QStringLiteral("<b>") + caption + QStringLiteral("</b> - ") +
            QString::number(percent) + QStringLiteral("% (08/12/2026)</span><br>\r\n");
    if (completed)
        html += QStringLiteral("</span>");
    html += text ? QStringLiteral("<p class=\"texto\">") + *text + QStringLiteral("</p>\r\n")
                 : QStringLiteral("<br>");
    return html;
}

const QByteArray kCommonHead =
    "<html>\r\n"
    "<head>\r\n"
    "<meta http-equiv=\"Content-Language\" content=\"es-ar\">\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\">\r\n"
    "<title>QUILLNEST</title>\r\n"
    "<link rel=\"stylesheet\" type=\"text/css\" href=\"reports.css\">\r\n"
    "</head>\r\n"
    "<body>\r\n";

} // namespace

class TestReportPages : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LanguageTable> m_language;
    OutlineTree m_aux;

    // The web folder of the program under test, in its folder "app".
    QString webFolder() const {
        return f_carpetaWeb(ProgramFolder(m_dir->filePath(QStringLiteral("app/quillnest"))));
    }
    QString webFile(QLatin1StringView name) const { return webFolder() + name; }

    // The captions f_itemsEntreFechas chooses, in order.
    QStringList chosen(const OutlineTree& tree, OutlineNode* selected, bool sort, bool wholeTree,
                       QDate first, QDate last) {
        std::vector<OutlineNode*> items{nullptr}; // emptied first
        f_itemsEntreFechas(items, sort, wholeTree, first, last, {tree, selected, m_aux});
        QStringList captions;
        for (const OutlineNode* node : items)
            captions << node->caption();
        return captions;
    }

    QString html(const OutlineTree& tree, const ReportOptions& options,
                 OutlineNode* selected = nullptr) {
        QByteArray markup;
        f_htmlItems(options, {tree, selected, m_aux}, [&](QByteArrayView part) { markup += part; });
        return QString::fromUtf8(markup);
    }

    static ReportOptions dayOptions() {
        ReportOptions options;
        options.porFecha = false;
        options.conTexto = false;
        options.fechaDesde = kDay;
        options.fechaHasta = kDay;
        return options;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("app")));
        m_language = std::make_unique<LanguageTable>(m_dir->filePath(QStringLiteral("app/")));
        m_language->use();
    }
    void cleanup() {
        m_aux.clear();
        m_language.reset();
    }

    void webFolderIsBesideTheExecutable() {
        QCOMPARE(webFolder(), m_dir->filePath(QStringLiteral("app/web/")));
        QVERIFY(f_crearCarpetaWeb(webFolder()));
        QVERIFY(QFileInfo(webFolder()).isDir());
    }

    // Pages are Windows-1252; what that code page lacks becomes a character reference.
    void pageFileIsWindows1252WithReferences() {
        f_guardarArchivoWeb(webFolder(), QStringLiteral("p.htm"),
                            QStringLiteral("d\u00eda \u20ac \u03a9 \U0001F600").toUtf8());
        QCOMPARE(readBytes(webFile(QLatin1StringView("p.htm"))),
                 QByteArray("d\xed"
                            "a \x80 &#937; &#128512;"));
        f_guardarArchivoWeb(webFolder(), QStringLiteral("p.htm"), "short");
        QCOMPARE(readBytes(webFile(QLatin1StringView("p.htm"))), QByteArray("short"));
    }

    // A large page is converted in pieces; none may split a character.
    void largePageKeepsEveryCharacter() {
        QByteArray utf8, expected;
        for (int line = 0; line < 9000; ++line) {
            utf8 += "l\xc3\xadnea \xe2\x82\xac \xce\xa9\r\n"; // "línea € Ω"
            expected += "l\xed"
                        "nea \x80 &#937;\r\n";
        }
        const QByteArray longLine = QByteArray(100'000, 'x') + "\xce\xa9";
        f_guardarArchivoWeb(webFolder(), QStringLiteral("big.htm"), utf8 + longLine + utf8);
        QCOMPARE(readBytes(webFile(QLatin1StringView("big.htm"))),
                 expected + QByteArray(100'000, 'x') + "&#937;" + expected);
    }

    void unwritablePageRaisesInOutError() {
        QFile blocker(m_dir->filePath(QStringLiteral("app/web")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should go
        blocker.close();
        QVERIFY_THROWS_EXCEPTION(EInOutError,
                                 f_guardarArchivoWeb(webFolder(), QStringLiteral("p.htm"), "x"));
    }

    void styleSheetWrittenOnlyWhenMissing() {
        const QString css = webFile(Unthtml_constantes::hojaEstilos);
        QVERIFY(!QFile::exists(css));
        QCOMPARE(commonPageHead(webFolder()).toLatin1(), kCommonHead);
        const QByteArray written = readBytes(css);
        QCOMPARE(written,
                 QByteArray("body {\tfont-family: tahoma, Arial, Helvetica;\tmargin-top:-4; "
                            "margin-bottom:-4}\r\n"
                            ".texto       { text-align: justify; font-family: tahoma, arial, "
                            "helvetica; font-size: 8pt; margin-left: 10; }\r\n"
                            ".completado  {  font-style: italic; color: #999999; }\r\n"
                            ".titulo      { font-family: tahoma, arial, helvetica; font-size: "
                            "18pt; color: #000080; font-weight: bold }\r\n"
                            ".titulo_item { font-weight: 400; font-family: tahoma, arial, "
                            "helvetica; font-size: 11pt; border-left-width:1; "
                            "border-right-width:1; border-top-style:solid; border-top-width:1; "
                            "border-bottom-width:1 }\r\n"
                            ".cabecera    { font-weight: 400; font-family: tahoma, arial, "
                            "helvetica; font-size: 9pt; }\r\n"));

        QFile edited(css);
        QVERIFY(edited.open(QIODevice::WriteOnly));
        edited.write("body { color: red }");
        edited.close();
        todayPageHead(webFolder());
        perDayPageHead(dayOptions(), webFolder());
        QCOMPARE(readBytes(css), QByteArray("body { color: red }"));

        QVERIFY(QFile::remove(css));
        commonPageHead(webFolder());
        QCOMPARE(readBytes(css), written);
    }

    void heads_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("today");
        QTest::addColumn<QByteArray>("title");
        QTest::newRow("today, built-in texts")
            << "" << true
            << QByteArray("<span class=\"titulo\">Tareas del d\xed"
                          "a</span>\r\n");
        QTest::newRow("today, english")
            << "english" << true << QByteArray("<span class=\"titulo\">Today tasks</span>\r\n");
        QTest::newRow("per day, built-in texts")
            << "" << false
            << QByteArray(
                   "<span class=\"titulo\">Tareas</span>\r\n"
                   "<p><span class=\"cabecera\"><b>Periodo desde</b> 01/01/1980 "
                   "<b>hasta</b> 08/12/2026<br>\r\n"
                   "<b>Opciones - Ordenado por fecha: </b> s\xed<b> - Ver completados: "
                   "</b> no<b> - \r\n"
                   "Mostrar Texto: </b> no<b> - Solo Terminales:  - </b> s\xed</p></h4>\r\n");
        QTest::newRow("per day, spanish file")
            << "espanol" << false
            << QByteArray("<span class=\"titulo\">Tareas</span>\r\n"
                          "<p><span class=\"cabecera\"><b>Per\xedodo desde</b> 01/01/1980 "
                          "<b>hasta</b> 08/12/2026<br>\r\n"
                          "<b>Opciones - Ordenado por fecha</b> s\xed<b> - Ver completados</b> "
                          "no<b> - \r\n"
                          "Mostrar texto</b> no<b> - Solo terminales - </b> s\xed</p></h4>\r\n");
        QTest::newRow("per day, english")
            << "english" << false
            << QByteArray("<span class=\"titulo\">Tasks</span>\r\n"
                          "<p><span class=\"cabecera\"><b>From</b> 01/01/1980 <b>to</b> "
                          "08/12/2026<br>\r\n"
                          "<b>Options - Sort by date</b> yes<b> - View completed</b> no<b> - \r\n"
                          "View text</b> no<b> - Only terminals - </b> yes</p></h4>\r\n");
    }
    // The heads as the page file carries them, in Windows-1252.
    void heads() {
        QFETCH(QString, language);
        QFETCH(bool, today);
        QFETCH(QByteArray, title);
        f_setIdioma(language);
        ReportOptions options;
        options.porFecha = true;
        options.conCompletados = false;
        options.conTexto = false;
        options.fechaDesde = QDate(1980, 1, 1);
        options.fechaHasta = kDay;
        options.soloTerminales = true;
        const QString head =
            today ? todayPageHead(webFolder()) : perDayPageHead(options, webFolder());
        f_guardarArchivoWeb(webFolder(), QString(Unthtml_constantes::reporteXDia), head.toUtf8());
        QCOMPARE(readBytes(webFile(Unthtml_constantes::reporteXDia)), kCommonHead + title);
    }

    void textConversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("CR LF") << "uno\r\ndos\r\n"
                               << "uno<BR>dos<BR>";
        QTest::newRow("lone CR and LF") << "a\rb\nc"
                                        << "a<BR>b<BR>c";
        QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                             << "a<BR><BR>b";
        QTest::newRow("markup passes") << "<i>&amp;</i>"
                                       << "<i>&amp;</i>";
        QTest::newRow("beyond Latin-1") << "\u20ac\r\n\u03a9"
                                        << "\u20ac<BR>\u03a9";
    }
    void textConversion() {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QByteArray page("<p>");
        f_textoHtml(page, text.toUtf8());
        QCOMPARE(page, "<p>" + html.toUtf8());
    }

    void itemMarkup_data() {
        QTest::addColumn<QStringList>("outline");
        QTest::addColumn<bool>("conTexto");
        QTest::addColumn<QString>("expected");
        const QString texto = QStringLiteral("uno<BR>dos");
        QTest::newRow("child with text")
            << QStringList{"Trabajo", "  Informe = 40 | uno\\r\\ndos"} << true
            << markupOf("", "Trabajo", 0, false, QString()) +
                   markupOf("Trabajo - ", "Informe", 40, false, texto);
        QTest::newRow("without text") << QStringList{"A", "  B", "    C | hidden"} << false
                                      << markupOf("", "A", 0, false, std::nullopt) +
                                             markupOf("A - ", "B", 0, false, std::nullopt) +
                                             markupOf("A - B - ", "C", 0, false, std::nullopt);
        QTest::newRow("caption unescaped")
            << QStringList{"a<b & c"} << false << markupOf("", "a<b & c", 0, false, std::nullopt);
    }
    void itemMarkup() {
        QFETCH(QStringList, outline);
        QFETCH(bool, conTexto);
        QFETCH(QString, expected);
        const OutlineTree tree = outlineOnDay(outline);
        ReportOptions options = dayOptions();
        options.conTexto = conTexto;
        QCOMPARE(html(tree, options), expected);
    }

    void completedItems_data() {
        QTest::addColumn<bool>("conCompletados");
        QTest::addColumn<QString>("expected");
        QTest::newRow("left out") << false << markupOf("", "almost", 99, false, std::nullopt);
        QTest::newRow("shown in grey") << true
                                       << markupOf("", "done", 100, true, std::nullopt) +
                                              markupOf("", "almost", 99, false, std::nullopt);
    }
    void completedItems() {
        QFETCH(bool, conCompletados);
        QFETCH(QString, expected);
        const OutlineTree tree = outlineOnDay({"done = 100", "almost = 99"});
        ReportOptions options = dayOptions();
        options.conCompletados = conCompletados;
        QCOMPARE(html(tree, options), expected);
    }

    // A parent is left out, but its children are judged on their own.
    void onlyLeavesKeepTheirPaths() {
        const OutlineTree tree = outlineOnDay({"P", "  C1", "  Q", "    C2", "L"});
        ReportOptions options = dayOptions();
        options.soloTerminales = true;
        QCOMPARE(html(tree, options), markupOf("P - ", "C1", 0, false, std::nullopt) +
                                          markupOf("P - Q - ", "C2", 0, false, std::nullopt) +
                                          markupOf("", "L", 0, false, std::nullopt));
    }

    void subtreeMode_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no selection: whole tree")
            << ""
            << markupOf("", "Root", 0, false, std::nullopt) +
                   markupOf("Root - ", "Sel", 0, false, std::nullopt) +
                   markupOf("Root - Sel - ", "Kid", 0, false, std::nullopt) +
                   markupOf("", "Other", 0, false, std::nullopt);
        QTest::newRow("selected item and below, paths start there")
            << "Sel"
            << markupOf("", "Sel", 0, false, std::nullopt) +
                   markupOf("Sel - ", "Kid", 0, false, std::nullopt);
    }
    void subtreeMode() {
        QFETCH(QString, selected);
        QFETCH(QString, expected);
        const OutlineTree tree = outlineOnDay({"Root", "  Sel", "    Kid", "Other"});
        ReportOptions options = dayOptions();
        options.todoElArbol = false;
        QCOMPARE(html(tree, options, findNode(tree, selected)), expected);
    }

    // The scratch copy shares the records: rendering reads the document's items.
    void subtreeCopySharesRecords() {
        const OutlineTree tree = outlineOnDay({"Root", "  Sel"});
        OutlineNode* sel = findNode(tree, QStringLiteral("Sel"));
        std::vector<OutlineNode*> items;
        f_itemsEntreFechas(items, false, false, kDay, kDay, {tree, sel, m_aux});
        QCOMPARE(items.size(), size_t(1));
        QCOMPARE(&items[0]->nota(), &sel->nota());
        QCOMPARE(m_aux.count(), 1);
    }

    void dayRange_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("both end days included")
            << QDate(2026, 12, 7) << QDate(2026, 12, 9) << QStringList{"late 7th", "8th", "9th"};
        QTest::newRow("one day") << kDay << kDay << QStringList{"8th"};
        QTest::newRow("first after last") << QDate(2026, 12, 9) << kDay << QStringList{};
        QTest::newRow("nothing in range")
            << QDate(2020, 1, 1) << QDate(2020, 1, 2) << QStringList{};
        QTest::newRow("no end date stops at 2040")
            << QDate(1980, 1, 1) << QDate(2040, 1, 1)
            << QStringList{"1980", "late 7th", "8th", "9th", "2040"};
    }
    // Whole days: the items' times of day do not matter; unreadable dates lie in no range.
    void dayRange() {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QStringList, captions);
        const OutlineTree tree = outlineOnDay({
            "1980 @ 1980-01-01",
            "late 7th @ 2026-12-07 23:59:58",
            "  8th @ 2026-12-08 12:00:00",
            "9th @ 2026-12-09",
            "2040 @ 2040-01-01 18:30:00",
            "2041 @ 2041-01-01",
            "garbage @ tomorrow",
            "zero @ 0",
        });
        QCOMPARE(chosen(tree, nullptr, false, true, first, last), captions);
    }

    // By stored date-time, tree order among equal values, dates past 2043 last.
    void sortByDateIsStable() {
        const OutlineTree tree = outlineOnDay({
            "evening @ 2026-12-08 20:00:00",
            "  first midnight @ 2026-12-08",
            "2050 @ 2050-06-01",
            "morning @ 2026-12-08 08:00:02",
            "second midnight @ 2026-12-08",
            "morning too @ 2026-12-08 08:00:02",
            "earlier day @ 2026-12-07 23:00:00",
        });
        QCOMPARE(chosen(tree, nullptr, true, true, QDate(1980, 1, 1), QDate(2107, 12, 31)),
                 (QStringList{"earlier day", "first midnight", "second midnight", "morning",
                              "morning too", "evening", "2050"}));
        QCOMPARE(chosen(tree, nullptr, false, true, kDay, kDay),
                 (QStringList{"evening", "first midnight", "morning", "second midnight",
                              "morning too"}));
    }

    // Today's page: tree order, open items with their texts, parents included.
    void todayItems() {
        const OutlineTree tree = outlineOnDay({"later @ 2026-12-08 10:00:00 | b", "P = 50 | a",
                                               "  done = 100", "  other day @ 2026-12-09"});
        const QString a = QStringLiteral("a");
        const QString b = QStringLiteral("b");
        QByteArray markup;
        f_htmlItemsHoy(kDay, kDay, {tree, nullptr, m_aux},
                       [&](QByteArrayView part) { markup += part; });
        QCOMPARE(QString::fromUtf8(markup),
                 markupOf("", "later", 0, false, b) + markupOf("", "P", 50, false, a));
    }
};

QTEST_GUILESS_MAIN(TestReportPages)
#include "tst_report_pages.moc"
