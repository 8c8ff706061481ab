// Find timing: one run of find over a generated outline (bodies of two lines),
// from the first item, for a text that only the last item's body holds and for
// a text found nowhere, with each combination of the dialog's options.
//
//   bench_find [items]      100,000 items unless given

#include "document/outline_search.h"
#include "document/outline_tree.h"
#include "outline_generator.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>
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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    bool ok = true;
    const int items = args.isEmpty() ? kDefaultItems : args[0].toInt(&ok);
    if (!ok || items < 2) {
        std::fprintf(stderr, "usage: bench_find [items, at least 2]\n");
        return 2;
    }
    OutlineTree tree = generateOutline(items);
    OutlineNode* last = lastItem(tree);
    last->nota().setTexto(last->nota().texto() + u' ' + kInLastBody);
    qint64 bodyChars = 0;
    tree.forEach([&](const OutlineNode* n) { bodyChars += n->nota().textoUtf8().size(); });
    std::printf("%d items, %.1f MB of bodies; %d runs each, from the first item\n\n", items,
                double(bodyChars) / 1e6, kRuns);

    std::printf("%-26s %-24s %10s %10s\n", "text", "options", "best ms", "median ms");
    struct Case {
        const char* name;
        FindOptions options;
    };
    const Case cases[] = {{"none", {false, false}},
                          {"match case", {true, false}},
                          {"whole word", {false, true}},
                          {"match case, whole word", {true, true}}};
    double worst = 0;
    for (const auto& [text, expected, label] :
         {std::tuple{kInLastBody, last, "only in the last body"},
          std::tuple{kNowhere, static_cast<OutlineNode*>(nullptr), "found nowhere"}}) {
        for (const Case& c : cases) {
            const Timing t = timeRuns(tree, text, c.options, expected);
            worst = std::max(worst, t.best);
            std::printf("%-26s %-24s %10.2f %10.2f\n", label, c.name, t.best, t.median);
        }
    }
    std::printf("\nTarget: every run under %.0f ms at %d items: %s (slowest best %.2f ms)\n",
                kTargetMs, kDefaultItems, worst < kTargetMs ? "met" : "MISSED", worst);
    return 0;
}
