#pragma once
// Writing a file whole: every file the program writes (documents, settings,
// language files, report pages) goes through a QSaveFile opened and written
// here, so that each one keeps its old contents until the new ones are
// complete and says why when it cannot be written.

#include <QByteArrayView>
#include <QString>

class QFileDevice;
class QSaveFile;

// Opens the file to be replaced at commit(). Where no temporary file can be
// made beside it (a folder the user cannot write that holds a file they can),
// the file is written in place instead, as the only way to save it there.
bool openWhole(QSaveFile& file);

// Writes all the bytes; false when that fails, with the system's reason (a
// full disk, for one) in the file's errorString(). A write that falls short is
// tried again for the rest, since only that one reports why.
bool writeAll(QFileDevice& file, QByteArrayView bytes);

// The one safe write of a whole file: opened as above, written and committed.
// The old contents stay until the new ones are complete. False when that
// fails, with the system's reason in `reason`, for the caller's own message.
bool writeWholeFile(const QString& path, QByteArrayView bytes, QString& reason);
