#include "document/compact_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {
// A block starts with the text's length: one byte below kLongMark, else
// kLongMark and four bytes.
using Length = quint32;
constexpr unsigned char kLongMark = 0xFF;
constexpr size_t kLongHeader = 1 + sizeof(Length);

size_t headerSize(Length length) {
    return length < kLongMark ? 1 : kLongHeader;
}
// The size of a huge page: a block the system can back with one page instead
// of 512, which spares most of the page faults of filling it.
constexpr size_t kArenaBlock = size_t(2) << 20;

Length checkedLength(QByteArrayView text) {
    if (quint64(text.size()) > std::numeric_limits<Length>::max())
        throw std::length_error("text of 4 GiB or more");
    return Length(text.size());
}

void fill(char* block, QByteArrayView text, Length length) {
    if (length < kLongMark) {
        block[0] = char(length);
    } else {
        block[0] = char(kLongMark);
        std::memcpy(block + 1, &length, sizeof length);
    }
    std::memcpy(block + headerSize(length), text.data(), length);
}

Length lengthOf(const char* block) {
    const auto first = static_cast<unsigned char>(block[0]);
    if (first < kLongMark)
        return first;
    Length length = 0;
    std::memcpy(&length, block + 1, sizeof length);
    return length;
}
} // namespace

void BlockArena::swap(BlockArena& other) noexcept {
    std::swap(m_blocks, other.m_blocks);
    std::swap(m_next, other.m_next);
    std::swap(m_left, other.m_left);
    std::swap(m_reserved, other.m_reserved);
}

void BlockArena::FreeBlock::operator()(std::byte* block) const {
    std::free(block);
}

void* BlockArena::allocate(size_t size, size_t alignment) {
    const auto padding = [&] {
        return size_t(-reinterpret_cast<std::uintptr_t>(m_next)) & (alignment - 1);
    };
    if (!m_next || m_left < size + padding()) {
        // A piece too large for a shared block gets a block of its own.
        const size_t blockSize =
            std::max(kArenaBlock, (size + alignment + kArenaBlock - 1) / kArenaBlock * kArenaBlock);
        void* block = std::aligned_alloc(kArenaBlock, blockSize);
        if (!block)
            throw std::bad_alloc();
#if defined(__linux__)
        madvise(block, blockSize, MADV_HUGEPAGE);
#endif
        m_blocks.emplace_back(static_cast<std::byte*>(block));
        m_next = m_blocks.back().get();
        m_left = blockSize;
        m_reserved += blockSize;
    }
    const size_t skip = padding();
    std::byte* piece = m_next + skip;
    m_next = piece + size;
    m_left -= skip + size;
    return piece;
}

CompactText::CompactText(QByteArrayView text) {
    if (text.isEmpty())
        return;
    const Length length = checkedLength(text);
    // operator new[] returns memory aligned for any type, so the lowest bit is free.
    char* block = new char[headerSize(length) + length];
    fill(block, text, length);
    m_bits = reinterpret_cast<std::uintptr_t>(block);
}

CompactText::CompactText(QByteArrayView text, BlockArena& arena) {
    if (text.isEmpty())
        return;
    const Length length = checkedLength(text);
    char* block = static_cast<char*>(arena.allocate(headerSize(length) + length, 2));
    fill(block, text, length);
    m_bits = reinterpret_cast<std::uintptr_t>(block) | kInArena;
}

CompactText::~CompactText() {
    release();
}

void CompactText::release() {
    if (m_bits && !(m_bits & kInArena))
        delete[] block();
    m_bits = 0;
}

CompactText& CompactText::operator=(const CompactText& other) {
    if (this != &other)
        *this = CompactText(other.view());
    return *this;
}

CompactText& CompactText::operator=(CompactText&& other) noexcept {
    if (this != &other) {
        release();
        m_bits = other.m_bits;
        other.m_bits = 0;
    }
    return *this;
}

qsizetype CompactText::size() const {
    return m_bits ? qsizetype(lengthOf(block())) : 0;
}

QByteArrayView CompactText::view() const {
    if (!m_bits)
        return {};
    const Length length = lengthOf(block());
    return QByteArrayView(block() + headerSize(length), length);
}
