#pragma once
// Progress image and priority mark of an item, and the completion roll-up:
// every item with children carries the truncated mean of its direct children.

#include <QtGlobal>
#include <vector>

class OutlineNode;
class OutlineTree;

// Fifteen progress bands: 7 wide up to 90, 91..99 is image 13, 100 alone is 14.
int progressImage(int cumplido);
// No state image (-1) for normal priority, 2 for high, 3 for low.
int priorityStateImage(int prioridad);
// Sets both image indexes of the node from a percentage.
void f_asignaricononodo(OutlineNode* node, int value);
// The priority mark of a node from its record; any other value leaves it unset.
void applyPriorityMark(OutlineNode* node);

// Roll-up of the sibling list that starts at `first` and of everything below it.
// Appends to `changed` (when given) every parent whose percentage changed.
void f_consolidarCumplido(OutlineNode* first, std::vector<OutlineNode*>* changed = nullptr);
// Roll-up over the whole tree; returns the parents whose percentage changed.
std::vector<OutlineNode*> f_consolidarTreeView(const OutlineTree& tree);
