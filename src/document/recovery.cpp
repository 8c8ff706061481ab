#include "document/recovery.h"

#include "base/errors.h"
#include "base/text_encoding.h"
#include "base/whole_file.h"
#include "document/document_file.h"
#include "language/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QByteArray kMagic = "QUILLNEST RECOVERY 1";
const QString kSuffix = QStringLiteral(".qnr");

QString lockName(const QString& copy) {
    return copy.chopped(kSuffix.size()) + QStringLiteral(".lock");
}

QString defaults(const QString&, const QString&, const QString& def) {
    return def;
}

} // namespace

QByteArray recoveryBytes(const QByteArray& document, const QString& documentPath, bool isNew) {
    return kMagic + "\r\n" + documentPath.toUtf8() + "\r\n" + (isNew ? "1" : "0") + "\r\n" +
           TextEncoding::encodeUtf8(document);
}

RecoveredDocument readRecovery(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw EInOutError(f_getTexto(Messages::documentoNoLeido).arg(file, in.errorString()));
    const QByteArray bytes = in.readAll();
    // Three header lines, then the document itself.
    qsizetype at = 0;
    QByteArray header[3];
    for (QByteArray& line : header) {
        const qsizetype end = bytes.indexOf("\r\n", at);
        line = end < 0 ? QByteArray() : bytes.mid(at, end - at);
        at = end < 0 ? bytes.size() : end + 2;
    }
    if (header[0] != kMagic || (header[2] != "0" && header[2] != "1"))
        throw EDocumentFormatError(f_getTexto(Messages::recuperacionNoValida).arg(file));
    RecoveredDocument document;
    document.documentPath = QString::fromUtf8(header[1]);
    document.isNew = header[2] == "1";
    document.tree = parseDocument(bytes.mid(at), file, defaults);
    return document;
}

RecoveryStore::RecoveryStore(const QString& folder) : m_folder(folder) {
    QDir().mkpath(m_folder);
    m_file = m_folder +
             QStringLiteral("/recovery-%1%2").arg(QCoreApplication::applicationPid()).arg(kSuffix);
    m_lock = std::make_unique<QLockFile>(lockName(m_file));
    m_lock->setStaleLockTime(0); // held for the whole run, however long
    m_lock->tryLock(0);
}

RecoveryStore::~RecoveryStore() = default;

std::vector<LeftCopy> RecoveryStore::leftCopies() const {
    std::vector<LeftCopy> copies;
    const QDir folder(m_folder);
    for (const QFileInfo& info : folder.entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files,
                                                      QDir::Time | QDir::Reversed)) {
        const QString file = info.absoluteFilePath();
        if (file == QFileInfo(m_file).absoluteFilePath())
            continue;
        // A copy whose run still holds its lock belongs to a program still open.
        QLockFile lock(lockName(file));
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        copies.push_back({file, info.lastModified()});
    }
    return copies;
}

QString RecoveryStore::write(const QByteArray& document, const QString& documentPath,
                             bool isNew) const {
    QString reason;
    if (!writeWholeFile(m_file, recoveryBytes(document, documentPath, isNew), reason))
        return f_getTexto(Messages::documentoNoEscrito).arg(m_file, reason);
    return {};
}

void RecoveryStore::remove() {
    QFile::remove(m_file);
}

bool RecoveryStore::hasCopy() const {
    return QFile::exists(m_file);
}

void RecoveryStore::discard(const LeftCopy& copy) {
    QFile::remove(copy.file);
    QFile::remove(lockName(copy.file));
}

void RecoveryStore::keepAside(const LeftCopy& copy) {
    QFile::rename(copy.file, copy.file + QStringLiteral(".damaged"));
    QFile::remove(lockName(copy.file));
}
