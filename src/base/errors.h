#pragma once
// Failures carry the message the user reads; the application's general error
// report shows it and returns to the event loop.

#include <QByteArray>
#include <QString>
#include <exception>

class QuillnestError : public std::exception {
public:
    explicit QuillnestError(QString message)
        : m_message(std::move(message)), m_what(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

// A text that should hold a number or a date and does not.
class EConvertError : public QuillnestError {
    using QuillnestError::QuillnestError;
};

// A file that cannot be created, written or read.
class EInOutError : public QuillnestError {
    using QuillnestError::QuillnestError;
};

// A document to be opened does not exist.
class Ef_abrirarchivo : public QuillnestError {
    using QuillnestError::QuillnestError;
};

// A document whose contents do not follow the document layout.
class EDocumentFormatError : public QuillnestError {
    using QuillnestError::QuillnestError;
};
