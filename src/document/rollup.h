#pragma once
// Progress image and priority mark of an item, and the completion roll-up:
// every item with children carries the truncated mean of its direct children.

#include <QtGlobal>
#include <functional>
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

// After a change at or below `node`: brings `node` (when it has children) and
// each of its ancestors back to the truncated mean of its children, nearest
// first. `update(parent, mean)` sets each value that differs in number or
// image. On a tree that was rolled up before, this gives what the roll-up over
// the whole tree gives, at the cost of one path instead of every item.
void rollUpAncestors(OutlineNode* node, const std::function<void(OutlineNode*, int)>& update);
