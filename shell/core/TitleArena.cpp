#include "shell/core/TitleArena.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <system_error>
#include <thread>
#include <sys/mman.h>

namespace shellcore {

namespace {

// Blocks start small, so that a short list costs little, and grow to this size.
constexpr std::size_t kFirstBlock = 64 * 1024;
constexpr std::size_t kLargestBlock = 16 * 1024 * 1024;
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

// Memory of one size made ready (allocated and written once) on a thread of its own.
class ReadyMemory {
public:
    ReadyMemory() = default;
    ReadyMemory(const ReadyMemory&) = delete;
    ReadyMemory& operator=(const ReadyMemory&) = delete;
    ~ReadyMemory() { Drop(); }

    void Start(std::size_t bytes)
    {
        Drop();
        m_bytes = bytes;
        try {
            m_thread = std::thread([this, bytes] {
                try {
                    char* memory = static_cast<char*>(Allocate(bytes));
                    for (std::size_t at = 0; at < bytes; at += 4096)
                        static_cast<volatile char*>(memory)[at] = 0;
                    m_memory = memory;
                } catch (const std::bad_alloc&) {
                    // Take allocates then, and reports the failure.
                }
            });
        } catch (const std::system_error&) {
            // No thread: Take allocates.
        }
    }
    // The memory made ready, or fresh memory when none is.
    void* Take(std::size_t bytes)
    {
        Join();
        void* memory = m_memory;
        m_memory = nullptr;
        if (memory && m_bytes == bytes)
            return memory;
        std::free(memory);
        return Allocate(bytes);
    }
    void Drop()
    {
        Join();
        std::free(m_memory);
        m_memory = nullptr;
    }
    // What is held or being made ready.
    std::size_t Bytes() const { return m_memory || m_thread.joinable() ? m_bytes : 0; }

private:
    void Join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

    std::thread m_thread;
    void* m_memory = nullptr;
    std::size_t m_bytes = 0;
};

} // namespace

struct CTitleArena::Ahead {
    ReadyMemory block, starts, lengths;
};

CTitleArena::CTitleArena() = default;
CTitleArena::~CTitleArena() = default;

void CTitleArena::FinishAdding()
{
    m_ahead.reset();
}

void CTitleArena::Clear()
{
    m_ahead.reset();
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
        if (size == kLargestBlock) {
            if (!m_ahead)
                m_ahead = std::make_unique<Ahead>();
            m_blocks.emplace_back(static_cast<char*>(m_ahead->block.Take(size)));
            m_ahead->block.Start(size);
        } else {
            m_blocks.emplace_back(static_cast<char*>(Allocate(size)));
        }
        m_blockBytes += size;
        m_lastBlockBytes = size;
        m_free = m_blocks.back().get();
        m_room = size;
    }
    const std::size_t at = m_count & (kChunkTitles - 1);
    if (at == 0) {
        // The first chunk on small pages: a short list touches little of it.
        const bool largePages = !m_starts.empty();
        constexpr std::size_t startBytes = kChunkTitles * sizeof(const char*);
        constexpr std::size_t lengthBytes = kChunkTitles * sizeof(std::uint16_t);
        if (largePages) {
            if (!m_ahead)
                m_ahead = std::make_unique<Ahead>();
            m_starts.emplace_back(static_cast<const char**>(m_ahead->starts.Take(startBytes)));
            m_lengths.emplace_back(static_cast<std::uint16_t*>(m_ahead->lengths.Take(lengthBytes)));
            m_ahead->starts.Start(startBytes);
            m_ahead->lengths.Start(lengthBytes);
        } else {
            m_starts.emplace_back(static_cast<const char**>(Allocate(startBytes, false)));
            m_lengths.emplace_back(static_cast<std::uint16_t*>(Allocate(lengthBytes, false)));
        }
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
    const std::size_t ahead = m_ahead ? m_ahead->block.Bytes() + m_ahead->starts.Bytes() + m_ahead->lengths.Bytes() : 0;
    return ahead + m_blockBytes + m_starts.size() * kChunkTitles * (sizeof(const char*) + sizeof(std::uint16_t)) +
           m_blocks.capacity() * sizeof(Memory<char>) + m_starts.capacity() * sizeof(Memory<const char*>) +
           m_lengths.capacity() * sizeof(Memory<std::uint16_t>);
}

} // namespace shellcore
