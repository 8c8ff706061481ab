#pragma once
// Which items a report lists and in which order.

#include <QDate>
#include <optional>
#include <vector>

class OutlineNode;
class OutlineTree;

// Where a report takes its items from: the document's tree, the item selected
// in it (nullptr for none) and the scratch tree that receives a copy of the
// selected item's subtree, sharing the document's records.
struct ReportSource {
    const OutlineTree& lista;
    OutlineNode* selected;
    OutlineTree& aux;
};

// The calendar day of an item's stored date; nothing when it cannot be read.
std::optional<QDate> reportDay(const OutlineNode* node);

// Fills `items` with the nodes whose day lies from `first` to `last`, both
// included, in depth-first order (or by date when `sort`). With `wholeTree`
// false and an item selected, the selected subtree is copied into the scratch
// tree and its copies are listed, so their ancestors end at the selected item.
// An item whose date cannot be read lies in no range.
void f_itemsEntreFechas(std::vector<OutlineNode*>& items, bool sort, bool wholeTree,
                        const QDate& first, const QDate& last, const ReportSource& source);

// Ascending by stored date-time; items with the same value keep their order.
// Every item must have a readable date (f_enteroNodo throws otherwise).
void f_ordenarPorFecha(std::vector<OutlineNode*>& items);
