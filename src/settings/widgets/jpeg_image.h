#pragma once
// JPEG pictures decoded by libjpeg itself rather than by an image plugin, so
// the program does not depend on which plugins a Qt installation carries.

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture in the data. A damaged or truncated picture is an error rather
// than a picture padded with grey: throws EInOutError with libjpeg's reason.
QImage decodeJpeg(QByteArrayView data);

// The picture in the file (also a ":/" resource). Throws EInOutError naming
// the file when it cannot be read or decoded.
QImage readJpeg(const QString& path);
