#include "reports/report_items.h"

#include "document/outline_tree.h"
#include "document/unt_funciones.h"

#include <algorithm>
#include <utility>

// Read straight from the packed fields (see decodeFecha): a QDateTime per item
// dominated the time of large reports.
std::optional<QDate> reportDay(const OutlineNode* node) {
    const auto packed = node->nota().fechaValue();
    if (!packed)
        return std::nullopt;
    const FechaFields fields = decodeFecha(*packed);
    // A stored time that is no time of day makes the whole date unreadable.
    if (!fields.time.isValid() || !fields.date.isValid())
        return std::nullopt;
    return fields.date;
}

void f_itemsEntreFechas(std::vector<OutlineNode*>& items, bool sort, bool wholeTree,
                        const QDate& first, const QDate& last, const ReportSource& source) {
    items.clear();
    const OutlineTree* tree = &source.lista;
    if (!wholeTree && source.selected)
        tree = f_copiarNodoAux(source.selected, source.aux);
    tree->forEach([&](OutlineNode* node) {
        const auto day = reportDay(node);
        if (day && *day >= first && *day <= last)
            items.push_back(node);
    });
    if (sort)
        f_ordenarPorFecha(items);
}

void f_ordenarPorFecha(std::vector<OutlineNode*>& items) {
    // Each key is read once, not at every comparison. Compared unsigned: from
    // 2044 on the year fills the top bit, and those dates still come last.
    std::vector<std::pair<quint32, OutlineNode*>> keyed;
    keyed.reserve(items.size());
    for (OutlineNode* node : items)
        keyed.emplace_back(static_cast<quint32>(f_enteroNodo(node)), node);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        items[i] = keyed[i].second;
}
