#include "listdata/ui/SearchDocumentAdapter.h"

#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"

#include <string>

CSearchDocumentAdapter::CSearchDocumentAdapter(CRVMDoc& document) : m_movie(&document) {}
CSearchDocumentAdapter::CSearchDocumentAdapter(CRVCDoc& document) : m_cast(&document) {}

platform::CDocument& CSearchDocumentAdapter::Document() const
{
    if (m_movie)
        return *m_movie;
    return *m_cast;
}

CRecordStore& CSearchDocumentAdapter::Store() const
{
    return m_movie ? m_movie->GetRecords() : m_cast->GetRecords();
}

int CSearchDocumentAdapter::GetSearchState() const
{
    return m_movie ? m_movie->GetSearchState() : m_cast->GetSearchState();
}

void CSearchDocumentAdapter::SetSearchState(int state)
{
    if (m_movie)
        m_movie->SetSearchState(state);
    else
        m_cast->SetSearchState(state);
}

std::string CSearchDocumentAdapter::GetSearchKey() const
{
    return m_movie ? m_movie->GetMovieTitle() : m_cast->GetPersonName();
}

void CSearchDocumentAdapter::SetModifiedFlag(bool modified) { Document().SetModifiedFlag(modified); }

void CSearchDocumentAdapter::RemoveListRecords()
{
    auto lock = Store().Lock();
    Store().RemoveListRecords();
}

void CSearchDocumentAdapter::StampDocInfo()
{
    // The documents take the store's lock themselves.
    if (m_movie)
        m_movie->StampDocInfo();
    else
        m_cast->StampDocInfo();
}

void CSearchDocumentAdapter::SetDefaultMode(int mode)
{
    if (m_movie)
        m_movie->SetDefaultSectionMode(mode);
    else
        m_cast->SetDefaultFilmographyMode(mode);
}

bool CSearchDocumentAdapter::AddEmpty(int type, int key)
{
    auto lock = Store().Lock();
    return Store().AddEmpty(type, key);
}

bool CSearchDocumentAdapter::AddInt(int type, int key, std::int32_t value)
{
    auto lock = Store().Lock();
    return Store().AddInt(type, key, value);
}

bool CSearchDocumentAdapter::AddString(int type, int key, std::string_view text)
{
    const std::string copy(text);
    auto lock = Store().Lock();
    return Store().AddString(type, key, copy.c_str());
}

bool CSearchDocumentAdapter::AddBytes3(int type, int key, std::uint32_t value)
{
    auto lock = Store().Lock();
    return Store().AddBytes3(type, key, static_cast<std::int32_t>(value));
}

bool CSearchDocumentAdapter::AddBytes10(int type, int key, std::uint32_t first, std::uint32_t second,
                                        std::uint16_t third)
{
    auto lock = Store().Lock();
    return Store().AddBytes10(type, key, static_cast<std::int32_t>(first), static_cast<std::int32_t>(second),
                              static_cast<std::int16_t>(third));
}
