// The recovery copy of a large document: gathering its bytes a part at a
// time between events (each part must stay well within a frame, so the user
// never waits), and writing them on the writer's own thread.
//
//   bench_recovery [items ...]     default 100,000 and 1,000,000

#include "document/document_file.h"
#include "document/recovery.h"
#include "outline_generator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kItemsPerStep = 4000; // as the main window gathers them
constexpr int kRuns = 5;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {100'000, 1'000'000};
    QTemporaryDir dir;
    const RecoveryStore store(dir.path());
    std::printf("%9s  %22s  %22s  %s\n", "items", "gather ms (all/step)", "write ms (median)",
                "copy MB");
    for (const int items : sizes) {
        const OutlineTree tree = generateOutline(items);
        std::vector<double> gathered, worstSteps, written;
        QByteArray bytes;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer all;
            all.start();
            double worst = 0;
            DocumentBytesBuilder builder(tree);
            for (bool done = false; !done;) {
                QElapsedTimer step;
                step.start();
                done = builder.step(kItemsPerStep);
                worst = std::max(worst, double(step.nsecsElapsed()) / 1e6);
            }
            gathered.push_back(double(all.nsecsElapsed()) / 1e6);
            worstSteps.push_back(worst);
            bytes = builder.take();
            QElapsedTimer write;
            write.start();
            if (!store.write(bytes, QStringLiteral("/docs/bench.qnf"), false).isEmpty())
                return 1;
            written.push_back(double(write.nsecsElapsed()) / 1e6);
        }
        std::printf("%9d  %12.1f / %6.2f  %22.1f  %7.1f\n", items, median(gathered),
                    median(worstSteps), median(written), double(bytes.size()) / (1 << 20));
    }
    std::printf("gather: on the program's own thread, %d items per step between events;\n"
                "write: encoding and the atomic write, on the writer's thread.\n",
                kItemsPerStep);
    return 0;
}
