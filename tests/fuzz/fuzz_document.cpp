// The document reader on any bytes: it accepts or refuses them with an error,
// never anything else. What it accepts reads the same a piece at a time as
// whole, and what the writer makes of it reads back the same.
#include "../support/outline_description.h"
#include "base/errors.h"
#include "base/text_encoding.h"
#include "document/document_file.h"
#include "fuzz_support.h"

namespace {

QString defaults(const QString&, const QString&, const QString& def) {
    return def;
}

std::unique_ptr<OutlineTree> read(const QByteArray& bytes, qint64 pieceSize) {
    try {
        return parseDocument(bytes, QStringLiteral("fuzz.qnf"), defaults, {}, pieceSize);
    } catch (const QuillnestError&) {
        return nullptr;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto whole = read(bytes, kDocumentReadSize);
    const auto pieces = read(bytes, 1 + qint64(size % 7));
    if (bool(whole) != bool(pieces) || (whole && describeAll(*whole) != describeAll(*pieces)))
        finding("reading a piece at a time differs from reading whole");
    if (!whole)
        return 0;
    const auto again = read(TextEncoding::encodeUtf8(documentBytes(*whole)), kDocumentReadSize);
    if (!again || describeAll(*again) != describeAll(*whole))
        finding("what was read does not read back the same once written");
    return 0;
}
