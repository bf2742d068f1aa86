#pragma once
// The people the Credited With search found beside a person: each with the shared titles
// (numbers of the search's document titles) and, per title, the roles they were credited
// in. Entries keep the order of their first credit; a name is found through an index.

#include "shell/core/TextHash.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace shellcore {

struct CreditEntry {
    std::string name; // exactly as the list writes it
    std::vector<int> titles;
    // Parallel to `titles`: bit r set when credited in role r on that title.
    std::vector<std::uint32_t> roleBits;
};

class CCreditList {
public:
    // Credits `name` with `title` in `role`: a new entry for a new name, a new title for a
    // new title, else the role joins the title's bits. Returns the number of entries; a
    // credit that memory cannot hold is dropped.
    int Add(std::string_view name, int title, int role);
    void RemoveAll();

    int GetCount() const { return static_cast<int>(m_entries.size()); }
    const std::string& GetName(int entry) const { return At(entry).name; }
    int GetTitleCount(int entry) const { return static_cast<int>(At(entry).titles.size()); }
    int GetTitleAt(int entry, int j) const { return At(entry).titles[static_cast<std::size_t>(j)]; }
    std::uint32_t GetRoleBitsAt(int entry, int j) const { return At(entry).roleBits[static_cast<std::size_t>(j)]; }
    // The entry named `name` (exact comparison), -1 when none is.
    int Find(std::string_view name) const;

private:
    const CreditEntry& At(int entry) const { return m_entries[static_cast<std::size_t>(entry)]; }

    std::vector<CreditEntry> m_entries;
    TextMap<int> m_index;
};

} // namespace shellcore
