#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

// Bytes the PDF writer appends, mostly written in place through Room() and
// Commit(). They are kept in blocks that never move, so what is written
// stays where it is and growing copies nothing but the piece begun last:
// a piece (from BeginPiece() on) always lies in one block.
class PdfByteBuffer
{
public:
    PdfByteBuffer() = default;
    PdfByteBuffer(const PdfByteBuffer&) = delete;
    PdfByteBuffer& operator=(const PdfByteBuffer&) = delete;
    ~PdfByteBuffer();

    // Starts a piece; bytes written before it are final.
    void BeginPiece() { m_pieceStart = m_size; }
    char* PieceData() { return m_block + m_pieceStart; }
    size_t PieceSize() const { return m_size - m_pieceStart; }

    // Room for at least n more bytes at the end; write into it, then Commit.
    char* Room(size_t n)
    {
        if (m_capacity - m_size < n)
            Grow(n);
        return m_block + m_size;
    }
    void Commit(const char* end) { m_size = size_t(end - m_block); }

    void Append(const char* text, size_t n)
    {
        std::memcpy(Room(n), text, n);
        m_size += n;
    }
    template <size_t N> void Append(const char (&text)[N]) { Append(text, N - 1); }
    void Append(char c) { *Room(1) = c, ++m_size; }
    void AppendNumber(qint64 n);

private:
    static constexpr size_t kBlockSize = 1 << 20;

    void Grow(size_t n);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<size_t> m_blockSizes;
    char* m_block = nullptr;
    size_t m_size = 0; // in the current block
    size_t m_capacity = 0;
    size_t m_pieceStart = 0;
};
