#pragma once
// The ".qnf" document: per item seven lines (position, level, expanded,
// caption, date, percent done, priority) and a body ended by the bytes
// 01 02 03, in depth-first order, lines ended by CR LF, no header.

#include "document/outline_tree.h"

#include <QString>
#include <functional>
#include <memory>

// Text lookup by section, key and default, so that messages follow the language.
using TextLookup =
    std::function<QString(const QString& section, const QString& key, const QString& def)>;
// Called once per item read, with the status prefix and the item's position number.
using ReadProgress = std::function<void(const QString& prefix, int position)>;

// The bytes of a document holding every node of the tree, before encoding.
QByteArray documentBytes(const OutlineTree& tree);

// The same a part at a time, for a writer that must not hold the program up.
// The tree must not change between the steps.
class DocumentBytesBuilder {
public:
    explicit DocumentBytesBuilder(const OutlineTree& tree);
    // Adds up to `items` more records; true once every record is in.
    bool step(int items);
    QByteArray take() { return std::move(m_out); }

private:
    const OutlineNode* m_node;
    int m_index = 0;
    int m_level = 0;
    QByteArray m_out;
};

// Writes every node of the tree to the file. The old file stays intact until
// the new one is complete. Throws EInOutError when the file cannot be written.
void f_guardarNodos(const OutlineTree& tree, const QString& fileName);

// The name of a file's backup: the file's own name followed by "~".
QString backupName(const QString& fileName);
// Keeps the file as it stands under backupName (one generation: an older
// backup is replaced), whole or not at all, before a save replaces the file.
// Nothing happens when there is no such file. Throws EInOutError when the
// backup cannot be written; the file itself is untouched.
void keepBackup(const QString& fileName);

// Reads a whole document into a new tree, expanded states applied and the
// completion roll-up done. Nothing is handed over unless the whole file was
// read: a missing file throws Ef_abrirarchivo, a damaged one EConvertError or
// EDocumentFormatError, an unreadable one EInOutError.
//
// The file is read twice, a piece of `readSize` bytes at a time (once for its
// encoding, once for its records), so that reading holds only the tree and
// that one piece. Tests choose small pieces to put their boundaries inside
// lines and characters.
inline constexpr qint64 kDocumentReadSize = 256 * 1024;
std::unique_ptr<OutlineTree> readDocument(const QString& fileName, const TextLookup& lookup,
                                          const ReadProgress& progress = {},
                                          qint64 readSize = kDocumentReadSize);
// The same from bytes already in memory (`fileName` only names the file in messages).
std::unique_ptr<OutlineTree> parseDocument(const QByteArray& bytes, const QString& fileName,
                                           const TextLookup& lookup,
                                           const ReadProgress& progress = {},
                                           qint64 readSize = kDocumentReadSize);
