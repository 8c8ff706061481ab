#pragma once
// Everything a document keeps of each node, one line per node, for comparing
// two trees (Qt Core only, so the fuzz targets use it too).

#include "document/outline_tree.h"

#include <QStringList>

inline QString describe(const OutlineNode* n) {
    const Tnota& r = n->nota();
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
        .arg(n->level())
        .arg(n->expanded())
        .arg(n->caption(), r.fecha())
        .arg(r.cumplido)
        .arg(r.prioridad)
        .arg(r.texto())
        .arg(n->imageIndex())
        .arg(n->stateIndex());
}

inline QStringList describeAll(const OutlineTree& tree) {
    QStringList all;
    tree.forEach([&](const OutlineNode* n) { all << describe(n); });
    return all;
}
