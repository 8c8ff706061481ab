#include "document/file_stamp.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

namespace {

// File systems keep times as coarse as two seconds: a file written twice
// within that may keep its time, so its contents decide.
constexpr qint64 kCoarseTimeMs = 2000;

std::optional<size_t> contentsHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return qHashBits(bytes.constData(), size_t(bytes.size()));
}

} // namespace

FileStamp FileStamp::of(const QString& path) {
    FileStamp stamp;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return stamp;
    stamp.m_exists = true;
    stamp.m_size = info.size();
    stamp.m_modified = info.lastModified();
    if (stamp.m_modified.msecsTo(QDateTime::currentDateTime()) < kCoarseTimeMs)
        stamp.m_contents = contentsHash(path);
    return stamp;
}

bool FileStamp::changedOnDisk(const QString& path) const {
    const QFileInfo info(path);
    const bool exists = info.exists() && info.isFile();
    if (exists != m_exists)
        return true;
    if (!exists)
        return false;
    if (info.size() != m_size || info.lastModified() != m_modified)
        return true;
    return m_contents && contentsHash(path) != m_contents;
}
