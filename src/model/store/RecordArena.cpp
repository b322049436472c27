#include "model/store/RecordArena.h"

#include <iterator>

char* RecordArena::Allocate(size_t n)
{
    if (n > m_room) {
        if (n > kBlockSize / 4) {
            // A large record gets a block of its own; the current block stays
            // open for the small ones that follow.
            m_blocks.push_back(std::make_unique_for_overwrite<char[]>(n));
            m_used += n;
            m_last = nullptr;
            return m_blocks.back().get();
        }
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        m_next = m_blocks.back().get();
        m_room = kBlockSize;
    }
    char* p = m_next;
    m_next += n;
    m_room -= n;
    m_used += n;
    m_last = p;
    return p;
}

void RecordArena::Release(const char* p, size_t n, size_t keep)
{
    if (keep >= n)
        return;
    if (p == m_last && p + n == m_next) {
        m_next -= n - keep;
        m_room += n - keep;
        m_used -= n - keep;
        if (keep == 0)
            m_last = nullptr;
        return;
    }
    m_garbage += n - keep;
}

void RecordArena::Absorb(RecordArena&& other)
{
    m_blocks.insert(m_blocks.end(), std::make_move_iterator(other.m_blocks.begin()),
                    std::make_move_iterator(other.m_blocks.end()));
    m_used += other.m_used;
    m_garbage += other.m_garbage;
    other.m_blocks.clear();
    other.m_next = other.m_last = nullptr;
    other.m_room = other.m_used = other.m_garbage = 0;
}

void RecordArena::Clear()
{
    m_blocks.clear();
    m_next = m_last = nullptr;
    m_room = m_used = m_garbage = 0;
}

void RecordArena::LeaveToExit()
{
    static std::vector<std::unique_ptr<char[]>>* left = new std::vector<std::unique_ptr<char[]>>;
    for (auto& block : m_blocks)
        left->push_back(std::move(block));
    Clear();
}
