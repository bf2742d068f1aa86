#include "shell/core/CreditList.h"

#include <algorithm>
#include <new>

namespace shellcore {

int CCreditList::Add(std::string_view name, int title, int role)
{
    const std::uint32_t bit = 1u << role;
    try {
        const int found = Find(name);
        if (found < 0) {
            m_entries.push_back(CreditEntry{std::string(name), {title}, {bit}});
            try {
                m_index.emplace(m_entries.back().name, GetCount() - 1);
            } catch (const std::bad_alloc&) {
                m_entries.pop_back();
                throw;
            }
            return GetCount();
        }
        CreditEntry& entry = m_entries[static_cast<std::size_t>(found)];
        // Titles are distinct by their text, so their numbers compare as the texts do.
        const auto at = std::find(entry.titles.begin(), entry.titles.end(), title);
        if (at != entry.titles.end()) {
            entry.roleBits[static_cast<std::size_t>(at - entry.titles.begin())] |= bit;
        } else {
            entry.roleBits.reserve(entry.titles.size() + 1);
            entry.titles.push_back(title);
            entry.roleBits.push_back(bit);
        }
    } catch (const std::bad_alloc&) {
    }
    return GetCount();
}

void CCreditList::RemoveAll()
{
    m_entries.clear();
    m_index.clear();
}

int CCreditList::Find(std::string_view name) const
{
    const auto found = m_index.find(name);
    return found == m_index.end() ? -1 : found->second;
}

} // namespace shellcore
