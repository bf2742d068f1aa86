#include "shell/core/TitleArena.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <sys/mman.h>

namespace shellcore {

namespace {

// Blocks start small, so that a short list costs little, and grow to this size.
constexpr std::size_t kFirstBlock = 64 * 1024;
constexpr std::size_t kLargestBlock = 4 * 1024 * 1024;
// Large blocks are aligned for the system's large pages and asked to use them: a list's
// titles fill hundreds of megabytes of fresh memory, and each small page costs a fault.
constexpr std::size_t kLargePage = 2 * 1024 * 1024;

void* Allocate(std::size_t bytes, bool largePages = true)
{
    const bool large = largePages && bytes % kLargePage == 0;
    void* memory = large ? std::aligned_alloc(kLargePage, bytes) : std::malloc(bytes);
    if (!memory)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    if (large)
        ::madvise(memory, bytes, MADV_HUGEPAGE);
#endif
    return memory;
}

} // namespace

void CTitleArena::Clear()
{
    m_blocks.clear();
    m_blockBytes = 0;
    m_lastBlockBytes = 0;
    m_free = nullptr;
    m_room = 0;
    m_starts.clear();
    m_lengths.clear();
    m_count = 0;
}

void CTitleArena::Add(std::string_view title)
{
    if (m_count >= kMaxTitles)
        return;
    const std::size_t length = std::min(title.size(), kMaxTitleLength);
    if (m_room < length + 1) {
        const std::size_t grown = m_blocks.empty() ? kFirstBlock : std::min(kLargestBlock, m_lastBlockBytes * 2);
        const std::size_t size = std::max(grown, length + 1);
        m_blocks.emplace_back(static_cast<char*>(Allocate(size)));
        m_blockBytes += size;
        m_lastBlockBytes = size;
        m_free = m_blocks.back().get();
        m_room = size;
    }
    const std::size_t at = m_count & (kChunkTitles - 1);
    if (at == 0) {
        // The first chunk on small pages: a short list touches little of it.
        const bool largePages = !m_starts.empty();
        m_starts.emplace_back(static_cast<const char**>(Allocate(kChunkTitles * sizeof(const char*), largePages)));
        m_lengths.emplace_back(static_cast<std::uint16_t*>(Allocate(kChunkTitles * sizeof(std::uint16_t), largePages)));
    }
    std::memcpy(m_free, title.data(), length);
    m_free[length] = '\0';
    m_starts.back().get()[at] = m_free;
    m_lengths.back().get()[at] = static_cast<std::uint16_t>(length);
    m_free += length + 1;
    m_room -= length + 1;
    ++m_count;
}

std::size_t CTitleArena::MemoryBytes() const
{
    return m_blockBytes + m_starts.size() * kChunkTitles * (sizeof(const char*) + sizeof(std::uint16_t)) +
           m_blocks.capacity() * sizeof(Memory<char>) + m_starts.capacity() * sizeof(Memory<const char*>) +
           m_lengths.capacity() * sizeof(Memory<std::uint16_t>);
}

} // namespace shellcore
