#pragma once
// Outlines written as indented text lines, and files read and written whole,
// so that a test states its trees and file contents as plain data.

#include "document/outline_tree.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <vector>

// One item per line, two blanks per level:
//
//     caption[+] [@ date] [= percent] [| body]
//
// A caption ending in "+" is an expanded item. The date is "yyyy-MM-dd
// hh:mm:ss" or "yyyy-MM-dd"; any other text is stored as written, the way a
// damaged document keeps it. In the body "/" is a line end (CR LF), while a
// written-out "\r" or "\n" stands for that character alone. Whatever a line
// leaves out comes from `record`.
inline void buildOutline(OutlineTree& tree, const QStringList& lines, const Tnota& record = {}) {
    std::vector<OutlineNode*> lastAt; // the latest item on each level so far
    for (const QString& line : lines) {
        qsizetype blanks = 0;
        while (blanks < line.size() && line[blanks] == u' ')
            ++blanks;
        const size_t level = size_t(blanks / 2);
        QString rest = line.trimmed();
        Tnota nota = record;
        if (const qsizetype bar = rest.indexOf(u'|'); bar >= 0) {
            nota.setTexto(rest.mid(bar + 1)
                              .trimmed()
                              .replace(u'/', QStringLiteral("\r\n"))
                              .replace(QStringLiteral("\\r"), QStringLiteral("\r"))
                              .replace(QStringLiteral("\\n"), QStringLiteral("\n")));
            rest.truncate(bar);
        }
        if (const qsizetype eq = rest.indexOf(u'='); eq >= 0) {
            nota.cumplido = rest.mid(eq + 1).trimmed().toInt();
            rest.truncate(eq);
        }
        if (const qsizetype at = rest.indexOf(u'@'); at >= 0) {
            const QString date = rest.mid(at + 1).trimmed();
            QDateTime value = QDateTime::fromString(date, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            if (!value.isValid())
                value = QDateTime::fromString(date, QStringLiteral("yyyy-MM-dd"));
            if (value.isValid())
                nota.setFechaValue(packFecha(value));
            else
                nota.setFecha(date);
            rest.truncate(at);
        }
        QString caption = rest.trimmed();
        const bool expanded = caption.endsWith(u'+');
        if (expanded)
            caption.chop(1);
        lastAt.resize(level);
        OutlineNode* parent = level ? lastAt.back() : nullptr;
        OutlineNode* node =
            parent ? tree.addLastChild(parent, caption, nota) : tree.addLastTopLevel(caption, nota);
        node->setExpanded(expanded);
        lastAt.push_back(node);
    }
}

// A new tree holding the outline; see buildOutline.
inline OutlineTree outlineOf(const QStringList& lines, const Tnota& record = {}) {
    OutlineTree tree;
    buildOutline(tree, lines, record);
    return tree;
}

// One line per item in depth-first order, two blanks per level: the captions
// of an outline as buildOutline reads them.
inline QStringList outlineLines(const OutlineTree& tree) {
    QStringList lines;
    tree.forEach([&](OutlineNode* n) { lines << QString(n->level() * 2, u' ') + n->caption(); });
    return lines;
}

// The same for one item and its subtree, the item itself on the top level.
inline QStringList outlineLines(const OutlineNode* top) {
    QStringList lines;
    const int base = top->level();
    std::vector<const OutlineNode*> pending{top};
    while (!pending.empty()) {
        const OutlineNode* n = pending.back();
        pending.pop_back();
        lines << QString((n->level() - base) * 2, u' ') + n->caption();
        for (int i = n->childCount() - 1; i >= 0; --i)
            pending.push_back(n->child(i));
    }
    return lines;
}

// The first item in depth-first order with this caption, or nullptr.
inline OutlineNode* findNode(const OutlineTree& tree, const QString& caption) {
    for (OutlineNode* n = tree.firstTopLevel(); n; n = tree.next(n)) {
        if (n->caption() == caption)
            return n;
    }
    return nullptr;
}

// The whole file, or `ifUnreadable` when it cannot be read: by default a text
// no file in a test holds, so that a missing file never passes for an empty one.
inline QByteArray readBytes(const QString& path,
                            const QByteArray& ifUnreadable = QByteArrayLiteral("<missing>")) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : ifUnreadable;
}

// Replaces the file's contents; a file that cannot be written fails the test.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
