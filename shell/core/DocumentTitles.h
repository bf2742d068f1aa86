#pragma once
// The titles of a Cast/Crew document's credits that the Credited With search looks for:
// copies of the texts, each once, numbered in the order they were first collected. Kept
// apart from the document, so a later search of the document cannot change them.

#include "shell/core/TextHash.h"

#include <string>
#include <string_view>
#include <vector>

class CRecordStore;

namespace shellcore {

class CDocumentTitles {
public:
    // Appends `title` unless an equal one (exact comparison) is held; returns its number.
    int Add(std::string_view title);
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_texts.size()); }
    const std::string& GetAt(int index) const { return *m_texts[static_cast<std::size_t>(index)]; }
    // The number of the title equal to `title`, -1 when none is.
    int Find(std::string_view title) const
    {
        const auto found = m_index.find(title);
        return found == m_index.end() ? -1 : found->second;
    }

private:
    // The map's keys are the texts; nodes never move, so the table can point at them.
    TextMap<int> m_index;
    std::vector<const std::string*> m_texts;
};

// Replaces `titles` by the credit titles (key 1) that `store` holds in the lists of the
// roles whose bit is set in `roles` (bit r: role r of the filmography jobs), role by role
// and in store order within each. Holds the store's lock while it reads.
void CollectDocumentTitles(const CRecordStore& store, unsigned roles, CDocumentTitles& titles);

} // namespace shellcore
