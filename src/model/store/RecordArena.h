#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// The bytes of many small records, packed into large blocks that never
// move: one allocation per block instead of one per record, no header per
// record, and nothing to free one by one. A record that is replaced leaves
// its old bytes behind as garbage until the owner compacts.
class RecordArena
{
public:
    RecordArena() = default;
    RecordArena(RecordArena&&) = default;
    RecordArena& operator=(RecordArena&&) = default;

    char* Allocate(size_t n);
    // Gives bytes back: the last allocation is taken back whole (or cut to
    // keep bytes), anything else is counted as garbage.
    void Release(const char* p, size_t n, size_t keep = 0);
    // Takes over another arena's blocks; what they hold stays where it is.
    void Absorb(RecordArena&& other);
    void Clear();

    size_t LiveBytes() const { return m_used - m_garbage; }
    size_t GarbageBytes() const { return m_garbage; }
    size_t BlockCount() const { return m_blocks.size(); }

    // Leaves the blocks to the end of the process without freeing them (they
    // stay reachable): a program about to exit need not hand back memory one
    // block at a time.
    void LeaveToExit();

    static constexpr size_t kBlockSize = 64 * 1024;

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr; // free room in the current block
    size_t m_room = 0;
    char* m_last = nullptr; // the last allocation, which Release can take back
    size_t m_used = 0;
    size_t m_garbage = 0;
};
