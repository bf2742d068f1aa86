#include "documents/SearchDocumentAdapter.h"

#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"

CSearchDocumentAdapter::CSearchDocumentAdapter(CRVMDoc& document) : m_movie(&document), m_target(document.GetRecords())
{
}

CSearchDocumentAdapter::CSearchDocumentAdapter(CRVCDoc& document) : m_cast(&document), m_target(document.GetRecords())
{
}

platform::CDocument* CSearchDocumentAdapter::GetDocument() const
{
    return m_movie ? static_cast<platform::CDocument*>(m_movie) : static_cast<platform::CDocument*>(m_cast);
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

void CSearchDocumentAdapter::SetModifiedFlag(bool modified)
{
    GetDocument()->SetModifiedFlag(modified);
}

void CSearchDocumentAdapter::StampDocInfo()
{
    // Takes the store's lock itself.
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
