// Printing a report page through the real browser engine: the PDF it makes
// and how it reaches a file or a printer.
#include "../support/outline_text.h"
#include "../support/window_controls.h"
#include "../support/window_fixture.h"
#include "base/errors.h"
#include "document/unt_funciones.h"
#include "language/messages.h"
#include "reports/widgets/Unt_f_today.h"
#include "reports/widgets/printed_pdf.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kItems = 2000;
constexpr int kEngineTimeoutMs = 120000;

QString itemCaption(int i) {
    return QStringLiteral("Tarea %1 del informe trimestral").arg(i, 4, 10, QLatin1Char('0'));
}

// A tool of poppler-utils' output, or the test fails.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning() << tool << "failed:" << process.errorString() << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestReportPrinting : public MainWindowTest {
    Q_OBJECT

    // The window with `kItems` open items of today, a third of them with a body.
    void openTodayReport() {
        OutlineTree tree;
        const auto day = packFecha(QDateTime(QDate::currentDate(), QTime(9, 30)));
        OutlineNode* parent = nullptr;
        for (int i = 1; i <= kItems; ++i) {
            Tnota record = newItemRecord();
            record.setFechaValue(day);
            if (i % 3 == 0)
                record.setTexto(
                    QStringLiteral("Revisar las cifras con el equipo antes del viernes."));
            // Every tenth item starts a group; the others are its children.
            if (i % 10 == 1)
                parent = tree.addLastTopLevel(itemCaption(i), record);
            else
                tree.addLastChild(parent, itemCaption(i), record);
        }
        openDocument(tree);
        m_window->action(QStringLiteral("verhoy"))->trigger();
        QVERIFY(m_window->findChild<Tf_today*>());
    }
    ReportWindowControls today() const {
        return ReportWindowControls(*m_window->findChild<Tf_today*>());
    }
    QString pdfPath(const char* name) const { return m_dir->filePath(QLatin1StringView(name)); }

private slots:
    void init() {
        setUpWindowTest();
        m_settings->write(Settings::opciones::idioma, QStringLiteral("espanol"));
        m_settings->write(Settings::opciones::regexts, QStringLiteral("0"));
    }
    void cleanup() { tearDownWindowTest(); }

    // The print dialog's "print to file" gets the engine's own PDF: text to
    // search, embedded sans-serif fonts, no page pictures and no line cut
    // across pages; the preview shows as many pages.
    void printsTheTodayPageAsVectorPdf() {
        openTodayReport();
        const QString pdf = pdfPath("today.pdf");
        m_dialogs->printFiles = {pdf};
        today().bt_print->click();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(pdf), kEngineTimeoutMs);
        QVERIFY(m_dialogs->asked.isEmpty());

        const QStringList pages =
            popplerOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() > 10, qPrintable(QString::number(pages.size())));
        // Each item's line ("parent - caption - 0% (date)") lies whole on one
        // page: a line cut at the bottom of a page would be on neither.
        for (int i = 1; i <= kItems; ++i) {
            const QString caption = itemCaption(i) + QStringLiteral(" - 0% (");
            const auto holding =
                std::count_if(pages.begin(), pages.end(),
                              [&](const QString& page) { return page.contains(caption); });
            QVERIFY2(holding == 1, qPrintable(caption));
        }
        QVERIFY(pages.first().contains(itemCaption(1)));
        QVERIFY(pages.last().contains(itemCaption(kItems)));

        const QStringList images =
            popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(images.size(), 2); // the two heading lines of an empty list

        const QStringList fonts = popplerOutput(QStringLiteral("pdffonts"), {pdf})
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                      .mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts) {
            QVERIFY2(font.contains(QStringLiteral(" yes ")), qPrintable(font)); // embedded
            QVERIFY2(!font.contains(QStringLiteral("Serif")), qPrintable(font));
        }

        today().bt_preview->click();
        QCOMPARE(m_dialogs->previewPages, QList<int>{int(pages.size())});
        QVERIFY(m_dialogs->asked.isEmpty());
    }

    // A print cancelled in its progress box writes nothing, even once the engine is done with it;
    // the next print works.
    void cancelledPrintWritesNothing() {
        openTodayReport();
        m_dialogs->printFiles = {pdfPath("cancelled.pdf")};
        today().bt_print->click();
        QProgressDialog* progress = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (progress = m_window->findChild<Tf_today*>()->findChild<QProgressDialog*>()),
            kEngineTimeoutMs);
        progress->findChild<QPushButton*>()->click(); // its Cancel button

        // Printing again is refused while the engine is still at the first;
        // the program's error report shows the refusal.
        const QString busy = f_getTexto(Messages::imprimiendo);
        const auto printAgain = [&] {
            m_dialogs->printFiles = {pdfPath("second.pdf")};
            try {
                today().bt_print->click();
                return true;
            } catch (const QuillnestError& error) {
                if (error.message() != busy)
                    throw;
                return false;
            }
        };
        bool printed = false; // the macro evaluates its condition once more at the end
        QTRY_VERIFY_WITH_TIMEOUT(printed || (printed = printAgain()), kEngineTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(pdfPath("second.pdf")), kEngineTimeoutMs);
        QVERIFY(!QFileInfo::exists(pdfPath("cancelled.pdf")));
    }

    // A print done before its progress box was due leaves the box hidden,
    // also once the box's delay has passed.
    void quickPrintShowsNoProgressBox() {
        openDocument(outlineOf({QStringLiteral("A")}));
        m_window->action(QStringLiteral("verhoy"))->trigger();
        m_dialogs->printFiles = {pdfPath("quick.pdf")};
        today().bt_print->click();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(pdfPath("quick.pdf")), kEngineTimeoutMs);
        auto* progress = m_window->findChild<Tf_today*>()->findChild<QProgressDialog*>();
        QVERIFY(progress);
        // Past the box's own delay, and Qt's default one (4 s) as well.
        QTest::qWait(std::max(progress->minimumDuration(), 4000) + 500);
        QVERIFY(!progress->isVisible());
    }

    // Where the pages cannot go, the message says why and no file is left.
    void deliveryFailuresSayWhy_data() {
        QTest::addColumn<bool>("toFile");
        QTest::addColumn<QString>("target"); // a PDF file, or a printer's name
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder missing")
            << true << QStringLiteral("missing/out.pdf")
            << f_getTexto(Messages::pdfNoEscrito).section(QLatin1Char('%'), 0, 0);
        QTest::newRow("no printer") << false << QString() << f_getTexto(Messages::sinImpresora);
        QTest::newRow("printer unknown")
            << false << QStringLiteral("quillnest-no-such-printer")
            << f_getTexto(Messages::impresoraRechaza)
                   .arg(QStringLiteral("quillnest-no-such-printer"), QString())
                   .section(QLatin1Char(':'), 0, 0);
    }
    void deliveryFailuresSayWhy() {
        QFETCH(bool, toFile);
        QFETCH(QString, target);
        QFETCH(QString, expected);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir->filePath(target));
        const QByteArray pdf("%PDF-1.4\n");
        try {
            // Without a print server Qt offers no printer, so the print
            // system is asked directly.
            if (toFile)
                deliverPrintedPdf(printer, pdf, QStringLiteral("page"));
            else
                sendPdfToPrinter(target, printer, pdf, QStringLiteral("page"));
            QFAIL("delivered");
        } catch (const QuillnestError& error) {
            QVERIFY2(error.message().startsWith(expected), qPrintable(error.message()));
        }
        if (toFile)
            QVERIFY(!QFileInfo::exists(m_dir->filePath(target)));
    }
};

QTEST_MAIN(TestReportPrinting)
#include "tst_report_printing.moc"
