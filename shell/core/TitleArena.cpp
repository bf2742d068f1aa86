#include "shell/core/TitleArena.h"

#include <algorithm>
#include <cstring>

namespace shellcore {

namespace {
// Blocks start small, so that a short list costs little, and grow to this size.
constexpr std::size_t kFirstBlock = 64 * 1024;
constexpr std::size_t kLargestBlock = 4 * 1024 * 1024;
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
}

void CTitleArena::Add(std::string_view title)
{
    if (m_starts.size() >= kMaxTitles)
        return;
    const std::size_t length = std::min(title.size(), kMaxTitleLength);
    if (m_room < length + 1) {
        const std::size_t grown = m_blocks.empty() ? kFirstBlock : std::min(kLargestBlock, m_lastBlockBytes * 2);
        const std::size_t size = std::max(grown, length + 1);
        m_lastBlockBytes = size;
        m_blocks.push_back(std::make_unique<char[]>(size));
        m_blockBytes += size;
        m_free = m_blocks.back().get();
        m_room = size;
    }
    std::memcpy(m_free, title.data(), length);
    m_free[length] = '\0';
    m_starts.push_back(m_free);
    m_lengths.push_back(static_cast<std::uint16_t>(length));
    m_free += length + 1;
    m_room -= length + 1;
}

void CTitleArena::ShrinkToFit()
{
    m_starts.shrink_to_fit();
    m_lengths.shrink_to_fit();
}

std::size_t CTitleArena::MemoryBytes() const
{
    return m_blockBytes + m_starts.capacity() * sizeof(const char*) + m_lengths.capacity() * sizeof(std::uint16_t) +
           m_blocks.capacity() * sizeof(std::unique_ptr<char[]>);
}

} // namespace shellcore
