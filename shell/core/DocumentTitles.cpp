#include "shell/core/DocumentTitles.h"

#include "listdata/FilmographyJobs.h"
#include "listdata/RecordStore.h"

namespace shellcore {

namespace {
// The record key of a credit's title in a Cast/Crew document.
constexpr int kCreditTitleKey = 1;
} // namespace

int CDocumentTitles::Add(std::string_view title)
{
    if (const int found = Find(title); found >= 0)
        return found;
    const int index = GetCount();
    m_texts.push_back(&m_index.emplace(std::string(title), index).first->first);
    return index;
}

void CDocumentTitles::RemoveAll()
{
    m_texts.clear();
    m_index.clear();
}

void CollectDocumentTitles(const CRecordStore& store, unsigned roles, CDocumentTitles& titles)
{
    titles.RemoveAll();
    const auto lock = store.Lock();
    for (int role = 0; role < kFilmographyJobCount; ++role) {
        if ((roles & (1u << role)) == 0)
            continue;
        const int list = FilmographyJobs[role].list;
        for (int i = store.FindFirst(list); i >= 0; i = store.FindNext(i, list)) {
            const InfoRecord record = store.GetRecord(i);
            if (record.key == kCreditTitleKey)
                titles.Add(std::string_view(record.GetText(), record.GetTextLength()));
        }
    }
}

} // namespace shellcore
