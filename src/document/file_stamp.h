#pragma once
// What a file was like when the program last read or wrote it, to tell
// whether another program has changed or deleted it since.

#include <QDateTime>
#include <QString>
#include <optional>

class FileStamp {
public:
    // No file: every file counts as a change from it.
    FileStamp() = default;
    // The file as it is now.
    static FileStamp of(const QString& path);

    // Whether the file differs now: gone, another size or time, or, when the
    // time was too recent to tell a quick second write, other contents.
    bool changedOnDisk(const QString& path) const;
    bool exists() const { return m_exists; }

private:
    bool m_exists = false;
    qint64 m_size = 0;
    QDateTime m_modified;
    std::optional<size_t> m_contents; // a hash, kept only for a recent time
};
