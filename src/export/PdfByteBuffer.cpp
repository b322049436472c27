#include "export/PdfByteBuffer.h"

void PdfByteBuffer::Grow(size_t n)
{
    const size_t piece = PieceSize();
    const size_t capacity = std::max(kBlockSize, piece + n);
    std::unique_ptr<char[]> block(new char[capacity]);
    if (piece)
        std::memcpy(block.get(), m_block + m_pieceStart, piece);
    m_block = block.get();
    m_blocks.push_back(std::move(block));
    m_size = piece;
    m_capacity = capacity;
    m_pieceStart = 0;
}

void PdfByteBuffer::AppendNumber(qint64 n)
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
