// Find timing: one run of find over a generated outline (bodies of two lines),
// from the first item, for a text that only the last item's body holds and for
// a text found nowhere, with each combination of the dialog's options.
//
//   bench_find [items]      100,000 and 1,000,000 items side by side, or the
//                           one size given

#include "document/outline_search.h"
#include "document/outline_tree.h"
#include "outline_generator.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr int kDefaultItems = 100'000;
constexpr int kRuns = 9;
constexpr double kTargetMs = 200;

// '#' never occurs in generated text, so these are found only where planted.
const QString kInLastBody = QStringLiteral("needle#last");
const QString kNowhere = QStringLiteral("needle#nowhere");

OutlineNode* lastItem(const OutlineTree& tree) {
    OutlineNode* node = tree.lastTopLevel();
    while (node->hasChildren())
        node = node->lastChild();
    return node;
}

struct Timing {
    double best;
    double median;
};

Timing timeRuns(const OutlineTree& tree, const QString& text, FindOptions options,
                const OutlineNode* expected) {
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        const FindHit hit = findInOutline(tree, tree.firstTopLevel(), 0, text, options);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (hit.node != expected) {
            std::fprintf(stderr, "find stopped at the wrong item\n");
            std::exit(1);
        }
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

struct Case {
    const char* name;
    FindOptions options;
};
const Case kCases[] = {{"none", {false, false}},
                       {"match case", {true, false}},
                       {"whole word", {false, true}},
                       {"match case, whole word", {true, true}}};

// The best and median of every search, for the text only in the last body
// then for the text found nowhere, each with every case of options.
std::vector<Timing> measure(int items) {
    OutlineTree tree = generateOutline(items);
    OutlineNode* last = lastItem(tree);
    last->nota().setTexto(last->nota().texto() + u' ' + kInLastBody);
    qint64 bodyChars = 0;
    tree.forEach([&](const OutlineNode* n) { bodyChars += n->nota().textoUtf8().size(); });
    std::printf("%d items, %.1f MB of bodies; %d runs each, from the first item\n", items,
                double(bodyChars) / 1e6, kRuns);
    std::vector<Timing> timings;
    for (const auto& [text, expected] :
         {std::pair{kInLastBody, last}, std::pair{kNowhere, static_cast<OutlineNode*>(nullptr)}})
        for (const Case& c : kCases)
            timings.push_back(timeRuns(tree, text, c.options, expected));
    return timings;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    // 100,000 and 1,000,000 items side by side, or one size given.
    std::vector<int> sizes{kDefaultItems, 10 * kDefaultItems};
    if (!args.isEmpty()) {
        bool ok = true;
        sizes = {args[0].toInt(&ok)};
        if (!ok || sizes[0] < 2) {
            std::fprintf(stderr, "usage: bench_find [items, at least 2]\n");
            return 2;
        }
    }
    std::vector<std::vector<Timing>> bySize;
    for (int items : sizes)
        bySize.push_back(measure(items));

    std::printf("\n%-22s %-23s", "text", "options");
    for (int items : sizes)
        std::printf(" %9d: best / median ms", items);
    if (sizes.size() == 2)
        std::printf("   per-item ratio");
    std::printf("\n");
    double worst = 0;
    size_t row = 0;
    for (const char* label : {"only in the last body", "found nowhere"}) {
        for (const Case& c : kCases) {
            std::printf("%-22s %-23s", label, c.name);
            for (const auto& timings : bySize)
                std::printf(" %13.2f / %8.2f", timings[row].best, timings[row].median);
            if (sizes.size() == 2)
                // 1.00: the cost per item stayed the same, linear growth.
                std::printf("   %15.2f",
                            bySize[1][row].best * sizes[0] / sizes[1] / bySize[0][row].best);
            std::printf("\n");
            if (sizes[0] == kDefaultItems)
                worst = std::max(worst, bySize[0][row].best);
            ++row;
        }
    }
    if (sizes[0] == kDefaultItems)
        std::printf("\nTarget: every run under %.0f ms at %d items: %s (slowest best %.2f ms)\n",
                    kTargetMs, kDefaultItems, worst < kTargetMs ? "met" : "MISSED", worst);
    return 0;
}
