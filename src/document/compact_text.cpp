#include "document/compact_text.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace {
using Length = quint32;
constexpr size_t kHeader = sizeof(Length);
} // namespace

CompactText::CompactText(QByteArrayView text) {
    if (text.isEmpty())
        return;
    if (quint64(text.size()) > std::numeric_limits<Length>::max())
        throw std::length_error("text of 4 GiB or more");
    const Length length = Length(text.size());
    m_block = std::make_unique_for_overwrite<char[]>(kHeader + length);
    std::memcpy(m_block.get(), &length, kHeader);
    std::memcpy(m_block.get() + kHeader, text.data(), length);
}

CompactText& CompactText::operator=(const CompactText& other) {
    if (this != &other)
        *this = CompactText(other.view());
    return *this;
}

qsizetype CompactText::size() const {
    Length length = 0;
    if (m_block)
        std::memcpy(&length, m_block.get(), kHeader);
    return qsizetype(length);
}

QByteArrayView CompactText::view() const {
    return m_block ? QByteArrayView(m_block.get() + kHeader, size()) : QByteArrayView();
}
