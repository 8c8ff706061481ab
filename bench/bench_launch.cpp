// The launch of the real program on generated documents: from starting the
// executable to the document shown with the event loop idle, and the peak
// resident memory by then. Each size runs in turn, several times; the median
// is printed. Usage: bench_launch [runs] (3 by default). The program runs
// offscreen unless QT_QPA_PLATFORM says otherwise (xvfb-run: "xcb").
#include "document/document_file.h"
#include "outline_generator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Document {
    const char* name;
    int items;
    bool expanded;
    double goalSeconds;
    double goalMb; // 0: none set
    QString path;
    std::vector<double> seconds;
    std::vector<double> peakMb;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// One launch; false when the program did not report itself ready.
bool launch(const QString& program, Document& document) {
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    run.start(program, {document.path});
    QByteArray line;
    while (!line.startsWith("ready") && run.waitForReadyRead(120000))
        line = run.readLine().trimmed();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    run.waitForFinished(10000);
    if (!line.startsWith("ready"))
        return false;
    // "ready <kB> kB <n> items"
    document.seconds.push_back(seconds);
    document.peakMb.push_back(line.split(' ').value(1).toDouble() / 1024.0);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    // A program folder of its own, with a language chosen and no file
    // association, so that the run shows no first-run dialog and touches
    // nothing of the user's.
    const QString built = QCoreApplication::applicationDirPath() + u'/';
    for (const char* file : {"quillnest", "libquillnest_browser.so"})
        if (!QFile::copy(built + QLatin1StringView(file), dir.filePath(QLatin1StringView(file))))
            return 1;
    QFile settings(dir.filePath(QStringLiteral("quillnest.ini")));
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write("[opciones]\r\nidioma=espanol\r\nregexts=0\r\n\r\n");
    settings.close();

    std::vector<Document> documents{
        {"100,000 items, collapsed", 100'000, false, 0.25, 55, {}, {}, {}},
        {"100,000 items, all expanded", 100'000, true, 0.35, 0, {}, {}, {}},
        {"1,000,000 items, collapsed", 1'000'000, false, 1.0, 220, {}, {}, {}},
    };
    for (Document& document : documents) {
        OutlineTree tree = generateOutline(document.items);
        if (document.expanded)
            tree.expandAll();
        else
            tree.forEach([](OutlineNode* node) { node->setExpanded(false); });
        document.path = dir.filePath(QStringLiteral("%1-%2.qnf")
                                         .arg(document.items)
                                         .arg(document.expanded ? "expanded" : "collapsed"));
        f_guardarNodos(tree, document.path);
    }

    qputenv("QUILLNEST_REPORT_READY", "1");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString program = dir.filePath(QStringLiteral("quillnest"));
    for (int run = 0; run < runs; ++run)
        for (Document& document : documents)
            if (!launch(program, document)) {
                std::fprintf(stderr, "%s: the program did not report itself ready\n",
                             document.name);
                return 1;
            }

    std::printf("launch to document shown and idle, median of %d runs (platform %s)\n", runs,
                qgetenv("QT_QPA_PLATFORM").constData());
    for (const Document& document : documents) {
        std::printf("  %-28s %6.2f s (goal %.2f s)   peak %6.1f MB", document.name,
                    median(document.seconds), document.goalSeconds, median(document.peakMb));
        if (document.goalMb > 0)
            std::printf(" (goal %.0f MB)", document.goalMb);
        std::printf("\n");
    }
    return 0;
}
