#pragma once
// UTF-8 text behind a single pointer, in one allocation of exactly its size.
// A large outline holds a caption and a body per item; QByteArray's 24-byte
// handle and 16-byte header plus growth room would cost more than a typical
// caption, so the tree keeps its texts in this form instead.

#include <QByteArray>
#include <QByteArrayView>
#include <memory>

class CompactText {
public:
    CompactText() = default;
    // Throws std::length_error for text of 4 GiB or more.
    explicit CompactText(QByteArrayView text);
    CompactText(const CompactText& other) : CompactText(other.view()) {}
    CompactText& operator=(const CompactText& other);
    CompactText(CompactText&&) noexcept = default;
    CompactText& operator=(CompactText&&) noexcept = default;

    QByteArrayView view() const;
    qsizetype size() const;
    bool isEmpty() const { return !m_block; }

    friend bool operator==(const CompactText& a, const CompactText& b) {
        return a.view() == b.view();
    }

private:
    // A 4-byte length, then the bytes; null for empty text.
    std::unique_ptr<char[]> m_block;
};
