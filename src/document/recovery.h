#pragma once
// Recovery copies: while a document has unsaved changes, the program keeps a
// copy of it in the user's data folder, so that a run that ends without
// closing (a crash, a kill, a power cut) loses nothing. A copy is the
// document in its own file format behind a short header that says which file
// it belongs to. Each run writes its own copy and holds a lock beside it; a
// copy whose lock nobody holds was left by a run that has ended.

#include "document/outline_tree.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

// A copy left by a run that has ended.
struct LeftCopy {
    QString file;
    QDateTime written;
};

// What a copy holds.
struct RecoveredDocument {
    QString documentPath; // the file it belongs to; the provisional name for a new one
    bool isNew = false;   // never saved: documentPath is only a name
    std::unique_ptr<OutlineTree> tree;
};

// The copy's bytes for a document's bytes (documentBytes).
QByteArray recoveryBytes(const QByteArray& document, const QString& documentPath, bool isNew);
// Reads a copy. Throws EDocumentFormatError (or the reader's errors) for a damaged one.
RecoveredDocument readRecovery(const QString& file);

class RecoveryStore {
public:
    // This run's copy, and those left behind, in `folder`.
    explicit RecoveryStore(const QString& folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Copies left by runs that have ended, oldest first.
    std::vector<LeftCopy> leftCopies() const;
    // Writes this run's copy whole, replacing the one before, from the
    // document's bytes (documentBytes). Safe on another thread. Returns the
    // error's message, or nothing.
    QString write(const QByteArray& document, const QString& documentPath, bool isNew) const;
    // Removes this run's copy (saved, dropped or closed).
    void remove();
    bool hasCopy() const;
    // A left copy is done with: deleted, or kept aside under another name when
    // it could not be read, so that nothing is deleted unseen.
    static void discard(const LeftCopy& copy);
    static void keepAside(const LeftCopy& copy);

private:
    QString m_folder;
    QString m_file;
    std::unique_ptr<QLockFile> m_lock;
};
