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
// of 512, which spares most of the page faults of filling it. The first blocks
// of an arena are smaller, growing to it, so that a small document does not
// take a whole huge page.
constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kFirstBlock = size_t(64) << 10;

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
    std::swap(m_end, other.m_end);
    std::swap(m_reserved, other.m_reserved);
}

void BlockArena::FreeBlock::operator()(std::byte* block) const {
    std::free(block);
}

void BlockArena::newBlock(size_t size, size_t slack) {
    const size_t usual = std::min(kHugePage, kFirstBlock << std::min<size_t>(m_blocks.size(), 5));
    // A piece too large for a usual block gets a block of its own.
    const size_t blockSize = std::max(usual, (size + slack + usual - 1) / usual * usual);
    void* block = std::aligned_alloc(usual, blockSize);
    if (!block)
        throw std::bad_alloc();
#if defined(__linux__)
    if (usual == kHugePage)
        madvise(block, blockSize, MADV_HUGEPAGE);
#endif
    m_blocks.emplace_back(static_cast<std::byte*>(block));
    m_next = m_blocks.back().get();
    m_end = m_next + blockSize;
    m_reserved += blockSize;
}

void* BlockArena::allocate(size_t size, size_t alignment) {
    const auto padding = [&] {
        return size_t(-reinterpret_cast<std::uintptr_t>(m_next)) & (alignment - 1);
    };
    if (!m_next || size_t(m_end - m_next) < size + padding())
        newBlock(size, alignment);
    std::byte* piece = m_next + padding();
    m_next = piece + size;
    return piece;
}

void* BlockArena::allocateEven(size_t size) {
    // One byte more than the text may be needed to reach an even address.
    if (!m_next || size_t(m_end - m_next) < size + 1)
        newBlock(size, 1);
    m_end = reinterpret_cast<std::byte*>(reinterpret_cast<std::uintptr_t>(m_end - size) &
                                         ~std::uintptr_t(1));
    return m_end;
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
    char* block = static_cast<char*>(arena.allocateEven(headerSize(length) + length));
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
