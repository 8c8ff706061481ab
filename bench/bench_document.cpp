// Document timing and memory: writes, reads and rolls up generated outlines of
// growing size, and prints one row per size.
//
//   bench_document [largest]      sizes 1,000 .. 1,000,000, or up to `largest`
//
// Every size is measured in child processes of its own (this program run again
// with --time or --memory), so that the heap left behind by one size neither
// hides nor inflates the memory figures of the next.

#include "document/document_file.h"
#include "document/outline_tree.h"
#include "document/rollup.h"
#include "document/unt_funciones.h"
#include "outline_generator.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kSizes[] = {1'000, 10'000, 100'000, 1'000'000};
constexpr int kTargetSize = 100'000;
constexpr double kTargetReadMs = 150;
constexpr double kTargetWriteMs = 100;
constexpr double kTargetRollupMs = 5;

QString keepLookup(const QString&, const QString&, const QString& def) {
    return def;
}

struct Timing {
    double best = 0;
    double median = 0;
};

// `prepare` runs before each timed run, outside the timing.
template <typename F, typename P = void (*)()>
Timing timeRuns(
    int runs, F&& run, P&& prepare = [] {}) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

// Fewer repetitions as the work grows, never fewer than three.
int runsFor(int items) {
    return std::clamp(2'000'000 / items, 3, 15);
}

// --time ITEMS FILE: generates, writes FILE and times write, read and roll-up.
int measureTime(int items, const QString& fileName) {
    const int runs = runsFor(items);
    Timing write, bytes, read, rollup;
    {
        const OutlineTree tree = generateOutline(items);
        write = timeRuns(runs, [&] { f_guardarNodos(tree, fileName); });
        // The part of writing spent building the bytes, apart from the file system.
        bytes = timeRuns(runs, [&] { documentBytes(tree); });
    }
    std::unique_ptr<OutlineTree> loaded;
    // The previous run's tree is freed untimed, as reading only builds.
    read = timeRuns(
        runs, [&] { loaded = readDocument(fileName, keepLookup); }, [&] { loaded.reset(); });
    if (loaded->count() != items) {
        std::fprintf(stderr, "read %d items, expected %d\n", loaded->count(), items);
        return 1;
    }
    rollup = timeRuns(runs, [&] { f_consolidarTreeView(*loaded); });
    std::printf("fileBytes=%lld write=%.3f writeMed=%.3f bytes=%.3f bytesMed=%.3f read=%.3f "
                "readMed=%.3f rollup=%.3f rollupMed=%.3f\n",
                static_cast<long long>(QFileInfo(fileName).size()), write.best, write.median,
                bytes.best, bytes.median, read.best, read.median, rollup.best, rollup.median);
    return 0;
}

// kB figures of this process from /proc/self/status.
std::map<std::string, long long> procStatus() {
    std::map<std::string, long long> values;
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const int colon = int(line.indexOf(':'));
        if (colon > 0 && line.endsWith(" kB"))
            values[line.left(colon).toStdString()] =
                line.mid(colon + 1).chopped(3).trimmed().toLongLong();
    }
    return values;
}

// --memory ITEMS FILE: what reading FILE costs in resident memory, at its peak
// (the file's bytes are held while the tree is built) and once only the tree is left.
int measureMemory(int items, const QString& fileName) {
    const auto before = procStatus();
    const std::unique_ptr<OutlineTree> tree = readDocument(fileName, keepLookup);
    const auto after = procStatus();
    if (before.empty() || after.empty() || tree->count() != items)
        return 1;
    const long long base = before.at("VmRSS");
    std::printf("held=%.1f peak=%.1f\n", double(after.at("VmRSS") - base) * 1024 / items,
                double(after.at("VmHWM") - base) * 1024 / items);
    return 0;
}

// Runs this program again with the given arguments and parses its key=value line.
std::map<QString, double> child(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), arguments);
    std::map<QString, double> values;
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "measurement failed: %s\n", qPrintable(arguments.join(' ')));
        return values;
    }
    for (const QByteArray& pair : process.readAllStandardOutput().simplified().split(' ')) {
        const qsizetype eq = pair.indexOf('=');
        if (eq > 0)
            values[QString::fromLatin1(pair.left(eq))] = pair.mid(eq + 1).toDouble();
    }
    return values;
}

struct Row {
    int items;
    std::map<QString, double> time, memory;
};

void printTable(const std::vector<Row>& rows) {
    std::printf("\n%9s %8s %26s %17s %17s %9s %9s   %s\n", "items", "file MB", "write ms",
                "read ms", "roll-up ms", "B/item", "peak", "per-item cost vs previous size");
    std::printf("%9s %8s %8s %8s %8s %8s %8s %8s %8s %9s %9s   %6s %6s %6s %6s\n", "", "", "best",
                "median", "bytes", "best", "median", "best", "median", "held", "B/item", "write",
                "read", "rollup", "held");
    const Row* previous = nullptr;
    for (const Row& row : rows) {
        const auto& t = row.time;
        const auto& m = row.memory;
        std::printf("%9d %8.2f %8.2f %8.2f %8.2f %8.2f %8.2f %8.3f %8.3f %9.0f %9.0f", row.items,
                    t.at("fileBytes") / 1e6, t.at("write"), t.at("writeMed"), t.at("bytes"),
                    t.at("read"), t.at("readMed"), t.at("rollup"), t.at("rollupMed"), m.at("held"),
                    m.at("peak"));
        if (previous) {
            // 1.00 means the cost per item stayed the same: linear growth.
            const double scale = double(previous->items) / row.items;
            const auto ratio = [&](const std::map<QString, double>& now,
                                   const std::map<QString, double>& before, const char* key,
                                   double perItemScale) {
                return now.at(key) * perItemScale / before.at(key);
            };
            std::printf("   %6.2f %6.2f %6.2f %6.2f", ratio(t, previous->time, "write", scale),
                        ratio(t, previous->time, "read", scale),
                        ratio(t, previous->time, "rollup", scale),
                        ratio(m, previous->memory, "held", 1));
        }
        std::printf("\n");
        previous = &row;
    }
}

void printTargets(const std::vector<Row>& rows) {
    std::printf("\nTargets at %d items (best of runs):\n", kTargetSize);
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [](const Row& row) { return row.items == kTargetSize; });
    const auto check = [&](const char* what, const char* key, double target) {
        if (it == rows.end()) {
            std::printf("  %-8s under %6.1f ms: not measured\n", what, target);
            return;
        }
        const double ms = it->time.at(key);
        std::printf("  %-8s under %6.1f ms: %8.2f ms  %s\n", what, target, ms,
                    ms < target ? "met" : "MISSED");
    };
    check("read", "read", kTargetReadMs);
    check("write", "write", kTargetWriteMs);
    check("roll-up", "rollup", kTargetRollupMs);
    std::printf("  linear growth: the per-item ratios above stay near 1.00\n");
    std::printf("\nwrite = f_guardarNodos (bytes, encoding, save with sync, rename), of which\n"
                "  bytes = documentBytes alone; read = readDocument (parse, tree, roll-up);\n"
                "roll-up = f_consolidarTreeView on the read tree; held = resident growth per item\n"
                "  while the read tree is kept; peak = highest resident growth per item during\n"
                "  the read; MB = 10^6 bytes.\n");
}

int runAll(int largest) {
    std::vector<int> sizes;
    for (int size : kSizes)
        if (size <= largest)
            sizes.push_back(size);
    if (sizes.empty())
        sizes.push_back(largest);

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    std::vector<Row> rows;
    for (int items : sizes) {
        const QString file = dir.filePath(QStringLiteral("outline-%1.qnf").arg(items));
        const QString count = QString::number(items);
        Row row{items, child({QStringLiteral("--time"), count, file}),
                child({QStringLiteral("--memory"), count, file})};
        QFile::remove(file);
        if (row.time.empty() || row.memory.empty())
            return 1;
        std::printf("measured %d items\n", items);
        std::fflush(stdout);
        rows.push_back(std::move(row));
    }
    printTable(rows);
    printTargets(rows);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && (args[0] == "--time" || args[0] == "--memory")) {
        const int items = args[1].toInt();
        return args[0] == "--time" ? measureTime(items, args[2]) : measureMemory(items, args[2]);
    }
    bool ok = true;
    const int largest = args.isEmpty() ? kSizes[std::size(kSizes) - 1] : args[0].toInt(&ok);
    if (!ok || largest <= 0) {
        std::fprintf(stderr, "usage: bench_document [largest item count]\n");
        return 2;
    }
    return runAll(largest);
}
