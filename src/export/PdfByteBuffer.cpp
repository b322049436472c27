#include "export/PdfByteBuffer.h"

namespace {

// A few blocks of the last document are kept for the next one on the same
// thread: fresh pages for every document cost more than writing into them.
constexpr size_t kSpareBlocks = 4;
thread_local std::vector<std::unique_ptr<char[]>> t_spare;

} // namespace

PdfByteBuffer::~PdfByteBuffer()
{
    // Only whole standard blocks are kept (a larger one held a single piece).
    for (size_t i = 0; i < m_blocks.size() && t_spare.size() < kSpareBlocks; ++i) {
        if (m_blockSizes[i] == kBlockSize)
            t_spare.push_back(std::move(m_blocks[i]));
    }
}

void PdfByteBuffer::Grow(size_t n)
{
    const size_t piece = PieceSize();
    const size_t capacity = std::max(kBlockSize, piece + n);
    std::unique_ptr<char[]> block;
    if (capacity == kBlockSize && !t_spare.empty()) {
        block = std::move(t_spare.back());
        t_spare.pop_back();
    } else {
        block.reset(new char[capacity]);
    }
    if (piece)
        std::memcpy(block.get(), m_block + m_pieceStart, piece);
    m_block = block.get();
    m_blocks.push_back(std::move(block));
    m_blockSizes.push_back(capacity);
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
