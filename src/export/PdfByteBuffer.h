#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <memory>

// Bytes the PDF writer appends, mostly written in place through Room() and
// Commit(), so that growing never clears memory that is written next.
class PdfByteBuffer
{
public:
    size_t size() const { return m_size; }
    const char* data() const { return m_data.get(); }
    char* data() { return m_data.get(); }

    // Room for at least n more bytes at the end; write into it, then Commit.
    char* Room(size_t n)
    {
        if (m_capacity - m_size < n)
            Grow(n);
        return m_data.get() + m_size;
    }
    void Commit(const char* end) { m_size = size_t(end - m_data.get()); }

    void Append(const char* text, size_t n)
    {
        std::memcpy(Room(n), text, n);
        m_size += n;
    }
    template <size_t N> void Append(const char (&text)[N]) { Append(text, N - 1); }
    void Append(char c) { *Room(1) = c, ++m_size; }
    void AppendNumber(qint64 n);

private:
    void Grow(size_t n);

    std::unique_ptr<char[]> m_data;
    size_t m_size = 0;
    size_t m_capacity = 0;
};

inline void PdfByteBuffer::Grow(size_t n)
{
    const size_t capacity = std::max(m_capacity * 2, std::max<size_t>(m_size + n, 4096));
    std::unique_ptr<char[]> data(new char[capacity]);
    if (m_size)
        std::memcpy(data.get(), m_data.get(), m_size);
    m_data = std::move(data);
    m_capacity = capacity;
}

inline void PdfByteBuffer::AppendNumber(qint64 n)
{
    char* o = Room(24);
    quint64 u = quint64(n);
    if (n < 0) {
        *o++ = '-';
        u = 0 - u;
    }
    char digits[20];
    int count = 0;
    do {
        digits[count++] = char('0' + u % 10);
        u /= 10;
    } while (u > 0);
    while (count > 0)
        *o++ = digits[--count];
    Commit(o);
}
