#include "outline_generator.h"

#include "document/rollup.h"
#include "document/unt_funciones.h"

#include <QDateTime>
#include <vector>

namespace {
constexpr int kMaxLevel = 5;
}

QByteArray randomText(std::mt19937& rng, int length) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz      ABCDEFGHIJ0123456789.,";
    std::uniform_int_distribution<int> pick(0, int(sizeof kLetters) - 2);
    QByteArray text(length, Qt::Uninitialized);
    for (char& c : text)
        c = kLetters[pick(rng)];
    return text;
}

// A realistic outline: items come in depth-first order and each one goes one
// level deeper, stays, or climbs back a random number of levels, so child
// counts vary and every depth 0..5 is populated.
OutlineTree generateOutline(int items) {
    std::mt19937 rng(20240611u);
    std::uniform_int_distribution<int> percent(0, 100), priority(0, 2), step(0, 99);

    // A pool of real dates, so that generation stays cheap at a million items.
    std::vector<qint32> dates;
    const QDateTime start(QDate(2019, 1, 1), QTime(0, 0));
    std::uniform_int_distribution<int> days(0, 6 * 365), seconds(0, 86'399);
    for (int i = 0; i < 1000; ++i)
        dates.push_back(packFecha(start.addDays(days(rng)).addSecs(seconds(rng))));
    std::uniform_int_distribution<size_t> date(0, dates.size() - 1);

    OutlineTree tree;
    std::vector<OutlineNode*> lastAtLevel(kMaxLevel + 1, nullptr);
    int level = 0;
    for (int i = 0; i < items; ++i) {
        if (i > 0) {
            const int s = step(rng);
            if (s < 35 && level < kMaxLevel)
                ++level;
            else if (s >= 70 && level > 0)
                level = std::uniform_int_distribution<int>(0, level - 1)(rng);
        }
        Tnota nota;
        nota.setFechaValue(dates[date(rng)]);
        nota.cumplido = percent(rng);
        nota.prioridad = static_cast<quint8>(priority(rng));
        nota.setTextoUtf8(randomText(rng, 50) + "\r\n" + randomText(rng, 50));
        OutlineNode* parent = level > 0 ? lastAtLevel[size_t(level - 1)] : nullptr;
        OutlineNode* node =
            tree.insert(parent, tree.childCount(parent), randomText(rng, 20), std::move(nota));
        node->setExpanded(step(rng) < 40);
        lastAtLevel[size_t(level)] = node;
    }
    // Stored documents carry rolled-up percentages, as the program saves them.
    f_consolidarTreeView(tree);
    return tree;
}
