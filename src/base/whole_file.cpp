#include "base/whole_file.h"

#include <QSaveFile>

bool openWhole(QSaveFile& file) {
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly);
}

bool writeAll(QFileDevice& file, QByteArrayView bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += qsizetype(written);
    }
    return true;
}

bool writeWholeFile(const QString& path, QByteArrayView bytes, QString& reason) {
    QSaveFile file(path);
    if (openWhole(file) && writeAll(file, bytes) && file.commit())
        return true;
    reason = file.errorString();
    return false;
}
