#pragma once
// Every title of a browser's list, in the order of the list file: the texts sit one after
// another in large blocks, each followed by a NUL, and a table holds where each begins and
// how long it is. A title is handed out as a string_view whose data() is NUL-terminated;
// it stays valid until the arena is cleared or destroyed (blocks never move). Belongs to
// the thread that uses it.

#include <cstddef>
#include <cstdint>
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
    // Gives back the spare room of the title table once the last title is in.
    void ShrinkToFit();

    std::size_t GetCount() const { return m_starts.size(); }
    std::string_view operator[](std::size_t index) const { return {m_starts[index], m_lengths[index]}; }
    // Bytes allocated for the texts and the table.
    std::size_t MemoryBytes() const;

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_blockBytes = 0;
    std::size_t m_lastBlockBytes = 0;
    char* m_free = nullptr;
    std::size_t m_room = 0;
    std::vector<const char*> m_starts;
    std::vector<std::uint16_t> m_lengths;
};

} // namespace shellcore
