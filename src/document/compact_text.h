#pragma once
// UTF-8 text behind a single pointer, in one block of exactly its size.
// A large outline holds a caption and a body per item; QByteArray's 24-byte
// handle and 16-byte header plus growth room would cost more than a typical
// caption, so the tree keeps its texts in this form instead.
//
// A block is either the text's own allocation or a piece of a BlockArena: a
// document read from its file keeps all its texts in one arena, which spares
// one allocation (and its bookkeeping) per text.

#include <QByteArray>
#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Memory handed out in pieces from large blocks and given back only all at
// once, when the arena goes. Pieces never move.
class BlockArena {
public:
    BlockArena() = default;
    BlockArena(const BlockArena&) = delete;
    BlockArena& operator=(const BlockArena&) = delete;
    BlockArena(BlockArena&& other) noexcept { swap(other); }
    BlockArena& operator=(BlockArena&& other) noexcept {
        BlockArena taken(std::move(other));
        swap(taken);
        return *this;
    }
    void swap(BlockArena& other) noexcept;

    // `size` bytes at an address that is a multiple of `alignment` (a power of
    // two), taken from the front of the current block.
    void* allocate(size_t size, size_t alignment);
    // `size` bytes at an even address, taken from the back of the current
    // block: texts of any length packed there leave no padding between the
    // aligned pieces at the front.
    void* allocateEven(size_t size);
    // Bytes of the blocks taken from the system.
    size_t bytesReserved() const { return m_reserved; }

private:
    struct FreeBlock {
        void operator()(std::byte* block) const;
    };
    // Starts a block that holds at least `size` bytes plus `slack`.
    void newBlock(size_t size, size_t slack);

    std::vector<std::unique_ptr<std::byte[], FreeBlock>> m_blocks;
    // The free room of the current block lies between these two.
    std::byte* m_next = nullptr;
    std::byte* m_end = nullptr;
    size_t m_reserved = 0;
};

class CompactText {
public:
    CompactText() = default;
    // Throws std::length_error for text of 4 GiB or more.
    explicit CompactText(QByteArrayView text);
    // The bytes go into `arena`, which must outlive this text and whatever it
    // is moved to; a copy always has a block of its own.
    CompactText(QByteArrayView text, BlockArena& arena);
    ~CompactText();
    CompactText(const CompactText& other) : CompactText(other.view()) {}
    CompactText& operator=(const CompactText& other);
    CompactText(CompactText&& other) noexcept : m_bits(other.m_bits) { other.m_bits = 0; }
    CompactText& operator=(CompactText&& other) noexcept;

    QByteArrayView view() const;
    qsizetype size() const;
    bool isEmpty() const { return m_bits == 0; }

    friend bool operator==(const CompactText& a, const CompactText& b) {
        return a.view() == b.view();
    }

private:
    // The length (one byte for a short text), then the bytes; null for empty text.
    const char* block() const { return reinterpret_cast<const char*>(m_bits & ~kInArena); }
    void release();

    // The block's address, its lowest bit set when the block lies in an arena
    // (blocks start at even addresses).
    static constexpr std::uintptr_t kInArena = 1;
    std::uintptr_t m_bits = 0;
};
