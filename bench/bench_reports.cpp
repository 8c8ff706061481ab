// Report timing: the per-day report of generated outlines of growing size,
// read from their bytes as the program reads a document,
// sorted by date, with texts and completed items, so that every item is listed.
//
//   bench_reports [largest]      sizes 10,000 .. 1,000,000, or up to `largest`
//
// Prints one row per size: choosing and sorting alone, the whole markup
// (choosing, sorting and markup: what the target is about), and the whole page
// as the report windows write it (head, markup, Windows-1252 and the file),
// each the best and the median wall time of several runs and the best processor
// time (which other work on a busy machine inflates less), with the cost per
// item against the previous size.

#include "outline_generator.h"

#include "base/program_folder.h"
#include "document/document_file.h"
#include "language/unt_idioma.h"
#include "reports/report_heads.h"
#include "reports/report_items.h"
#include "reports/unthtml_constantes.h"
#include "reports/unthtml_utils.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int kSizes[] = {10'000, 100'000, 1'000'000};
constexpr int kTargetSize = 100'000;
constexpr double kTargetReportMs = 300;

struct Timing {
    double best = 0;
    double median = 0;
    double cpuBest = 0;
};

template <typename F> Timing timeRuns(int runs, F&& run) {
    std::vector<double> ms, cpuMs;
    for (int i = 0; i < runs; ++i) {
        const std::clock_t cpuStart = std::clock();
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpuMs.push_back(double(std::clock() - cpuStart) * 1000 / CLOCKS_PER_SEC);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2], *std::min_element(cpuMs.begin(), cpuMs.end())};
}

struct Row {
    int items = 0;
    size_t listed = 0;
    qsizetype markupBytes = 0;
    Timing select, report, page;
};

// The generator dates items from 2019 over six years: this range lists them all.
ReportOptions allItemsByDate() {
    ReportOptions options;
    options.porFecha = true;
    options.conCompletados = true;
    options.conTexto = true;
    options.fechaDesde = QDate(2019, 1, 1);
    options.fechaHasta = QDate(2025, 12, 31);
    options.soloTerminales = false;
    options.todoElArbol = true;
    return options;
}

Row measure(int items, const QString& webFolder) {
    const int runs = std::clamp(2'000'000 / items, 3, 15);
    // Held as the program holds a document: read from its bytes.
    const std::unique_ptr<OutlineTree> read =
        parseDocument(documentBytes(generateOutline(items)), QStringLiteral("bench.qnf"),
                      [](const QString&, const QString&, const QString& def) { return def; });
    const OutlineTree& tree = *read;
    OutlineTree aux;
    const ReportSource source{tree, nullptr, aux};
    const ReportOptions options = allItemsByDate();
    Row row;
    row.items = items;
    std::vector<OutlineNode*> chosen;
    row.select = timeRuns(runs, [&] {
        f_itemsEntreFechas(chosen, true, true, options.fechaDesde, options.fechaHasta, source);
    });
    row.listed = chosen.size();
    // Markup handed on piece by piece and dropped, as the pieces are written.
    qsizetype markupBytes = 0;
    row.report = timeRuns(runs, [&] {
        markupBytes = 0;
        f_htmlItems(options, source, [&](QByteArrayView part) { markupBytes += part.size(); });
    });
    // What the user waits for: head, markup, Windows-1252 and the file.
    row.page = timeRuns(runs, [&] {
        WebPageFile page(webFolder, QString(Unthtml_constantes::reporteXDia));
        page.write(perDayPageHead(options, webFolder).toUtf8());
        f_htmlItems(options, source, [&](QByteArrayView part) { page.write(part); });
        page.commit();
    });
    row.markupBytes = markupBytes;
    return row;
}

void printRows(const std::vector<Row>& rows) {
    std::printf("\n%9s %9s %8s %23s %23s %23s   %s\n", "items", "listed", "page MB",
                "choose+sort ms", "report ms", "whole page ms", "per-item cost vs previous");
    std::printf("%9s %9s %8s", "", "", "");
    for (int i = 0; i < 3; ++i)
        std::printf(" %7s %7s %7s", "best", "median", "cpu");
    std::printf("   %7s %7s %7s\n", "choose", "report", "page");
    const Row* previous = nullptr;
    for (const Row& row : rows) {
        std::printf("%9d %9zu %8.1f", row.items, row.listed, double(row.markupBytes) / 1e6);
        for (const Timing& t : {row.select, row.report, row.page})
            std::printf(" %7.1f %7.1f %7.1f", t.best, t.median, t.cpuBest);
        if (previous) {
            // 1.00 means the cost per item stayed the same: linear growth.
            const double scale = double(previous->items) / row.items;
            std::printf("   %7.2f %7.2f %7.2f", row.select.best * scale / previous->select.best,
                        row.report.best * scale / previous->report.best,
                        row.page.best * scale / previous->page.best);
        }
        std::printf("\n");
        previous = &row;
    }
}

// The two sizes of the measurements elsewhere, next to each other.
void printSideBySide(const std::vector<Row>& rows) {
    const auto at = [&](int items) {
        const auto it = std::find_if(rows.begin(), rows.end(),
                                     [&](const Row& row) { return row.items == items; });
        return it == rows.end() ? nullptr : &*it;
    };
    const Row* small = at(100'000);
    const Row* large = at(1'000'000);
    if (!small || !large)
        return;
    std::printf("\n%-14s %12s %12s %16s\n", "best ms", "100,000", "1,000,000", "per-item ratio");
    for (const auto& [name, member] :
         {std::pair{"choose+sort", &Row::select}, std::pair{"report", &Row::report},
          std::pair{"whole page", &Row::page}}) {
        const double a = (small->*member).best;
        const double b = (large->*member).best;
        std::printf("%-14s %12.1f %12.1f %16.2f\n", name, a, b, b / 10 / a);
    }
}

void printTarget(const std::vector<Row>& rows) {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [](const Row& row) { return row.items == kTargetSize; });
    std::printf("\nTarget at %d items: choosing, sorting and markup under %.0f ms: ", kTargetSize,
                kTargetReportMs);
    if (it == rows.end())
        std::printf("not measured\n");
    else
        std::printf("%.2f ms (best), %.2f ms (median)  %s\n", it->report.best, it->report.median,
                    it->report.best < kTargetReportMs ? "met" : "MISSED");
    std::printf("\nchoose+sort = f_itemsEntreFechas by date; report = f_htmlItems (choose, sort,\n"
                "  markup of every item with its path and text, handed on in pieces);\n"
                "  whole page = head and markup through WebPageFile (Windows-1252 with\n"
                "  references, temporary file renamed); page MB = 10^6 bytes of markup (UTF-8);\n"
                "  cpu = best processor time of the runs.\n");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int largest = argc > 1 ? QByteArray(argv[1]).toInt() : kSizes[std::size(kSizes) - 1];
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    // The web folder goes into the temporary folder; no language file: built-in texts.
    const QString webFolder =
        f_carpetaWeb(ProgramFolder(dir.filePath(QStringLiteral("quillnest"))));
    LanguageTable language(dir.path() + u'/');
    language.use();
    f_setIdioma(QStringLiteral("XXX"));
    std::vector<Row> rows;
    for (int size : kSizes) {
        if (size > largest)
            break;
        rows.push_back(measure(size, webFolder));
        std::fprintf(stderr, "%d items measured\n", size);
    }
    printRows(rows);
    printSideBySide(rows);
    printTarget(rows);
    return 0;
}
