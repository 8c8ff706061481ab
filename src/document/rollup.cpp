#include "document/rollup.h"

#include "document/outline_tree.h"
#include "document/unt_funciones.h"

int progressImage(int cumplido) {
    if (cumplido >= 100)
        return 14;
    if (cumplido >= 91)
        return 13;
    if (cumplido < 7)
        return 0;
    return cumplido / 7;
}

int priorityStateImage(int prioridad) {
    switch (prioridad) {
    case kPrioridadAlta:
        return 2;
    case kPrioridadBaja:
        return 3;
    default:
        return -1;
    }
}

void f_asignaricononodo(OutlineNode* node, int value) {
    node->setImageIndex(progressImage(value));
}

void applyPriorityMark(OutlineNode* node) {
    const int prioridad = node->nota().prioridad;
    if (prioridad <= kPrioridadBaja)
        node->setStateIndex(priorityStateImage(prioridad));
}

void f_consolidarCumplido(OutlineNode* first, std::vector<OutlineNode*>* changed) {
    if (!first)
        return;
    // Post-order without recursion: a parent is computed once all its children
    // are, so the deepest levels finish first, and depth costs no stack.
    struct List {
        OutlineNode* owner; // nullptr for the top level, whose mean is kept nowhere
        OutlineNode* current;
        qint64 sum;
        int count;
    };
    std::vector<List> stack{{first->parent(), first, 0, 0}};
    while (true) {
        List& list = stack.back();
        if (OutlineNode* node = list.current) {
            if (node->hasChildren()) {
                stack.push_back({node, node->firstChild(), 0, 0});
            } else {
                list.sum += node->nota().cumplido;
                ++list.count;
                list.current = node->nextSibling();
            }
            continue;
        }
        const List done = list;
        stack.pop_back();
        if (OutlineNode* owner = done.owner) {
            const int mean = static_cast<int>(done.sum / done.count);
            if (changed &&
                (owner->nota().cumplido != mean || owner->imageIndex() != progressImage(mean)))
                changed->push_back(owner);
            owner->nota().cumplido = mean;
            f_asignaricononodo(owner, mean);
        }
        if (stack.empty())
            return;
        List& outer = stack.back();
        outer.sum += outer.current->nota().cumplido;
        ++outer.count;
        outer.current = outer.current->nextSibling();
    }
}

std::vector<OutlineNode*> f_consolidarTreeView(const OutlineTree& tree) {
    std::vector<OutlineNode*> changed;
    f_consolidarCumplido(tree.firstTopLevel(), &changed);
    return changed;
}

void rollUpAncestors(OutlineNode* node, const std::function<void(OutlineNode*, int)>& update) {
    for (OutlineNode* p = node; p; p = p->parent()) {
        if (!p->hasChildren())
            continue; // a former parent keeps its percentage
        qint64 sum = 0;
        for (int i = 0; i < p->childCount(); ++i)
            sum += p->child(i)->nota().cumplido;
        const int mean = static_cast<int>(sum / p->childCount());
        if (p->nota().cumplido != mean || p->imageIndex() != progressImage(mean))
            update(p, mean);
    }
}
