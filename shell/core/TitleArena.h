#pragma once
// Every title of a browser's list, in the order of the list file: the texts sit one after
// another in large blocks, each followed by a NUL, and a table in fixed-size chunks holds
// where each begins and how long it is. Nothing is moved or copied once added, so a list
// of millions of titles fills memory once. A title is handed out as a string_view whose
// data() is NUL-terminated; it stays valid until the arena is cleared or destroyed.
// Belongs to the thread that uses it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace shellcore {

class CTitleArena {
public:
    // Longer titles are cut to this length (a list line holds at most 1023 characters).
    static constexpr std::size_t kMaxTitleLength = 0xFFFF;
    // Titles past this count are not kept (the list views number their rows with int).
    static constexpr std::size_t kMaxTitles = 0x7FFFFFFF;

    CTitleArena() = default;
    CTitleArena(const CTitleArena&) = delete;
    CTitleArena& operator=(const CTitleArena&) = delete;

    void Clear();
    // Appends a copy of `title`.
    void Add(std::string_view title);

    std::size_t GetCount() const { return m_count; }
    std::string_view operator[](std::size_t index) const
    {
        const std::size_t chunk = index >> kChunkShift, at = index & (kChunkTitles - 1);
        return {m_starts[chunk].get()[at], m_lengths[chunk].get()[at]};
    }
    // Bytes allocated for the texts and the table.
    std::size_t MemoryBytes() const;

private:
    // A chunk holds a million titles: its two tables (8 and 2 MB) are whole large pages.
    static constexpr std::size_t kChunkShift = 20;
    static constexpr std::size_t kChunkTitles = std::size_t{1} << kChunkShift;
    struct Free {
        void operator()(void* memory) const { std::free(memory); }
    };
    template <class T> using Memory = std::unique_ptr<T, Free>;

    std::vector<Memory<char>> m_blocks;
    std::size_t m_blockBytes = 0;
    std::size_t m_lastBlockBytes = 0;
    char* m_free = nullptr;
    std::size_t m_room = 0;
    std::vector<Memory<const char*>> m_starts;
    std::vector<Memory<std::uint16_t>> m_lengths;
    std::size_t m_count = 0;
};

} // namespace shellcore
