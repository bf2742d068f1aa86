#include "documents/ui/RVMView.h"

#include "documents/MovieTVText.h"
#include "documents/RVMDoc.h"

CRVMView::CRVMView(CRVMDoc& document, const Context& context, QWidget* parent)
    : CRichDocumentView(document, context, parent), m_movie(document)
{
    setObjectName(QStringLiteral("CRVMView"));
}

CRVMDoc* CRVMView::GetMovieDocument() const
{
    return GetDocument() ? &m_movie : nullptr;
}

void CRVMView::BuildText(const platform::ITextMeasure& measure)
{
    CMovieTVText text(Writer(), m_movie.GetRecords(), measure, m_movie.GetMovieTitle(), m_movie.GetSectionMode());
    text.Build(m_movie.GetSearchState());
}

const CRecordStore& CRVMView::Records() const
{
    return m_movie.GetRecords();
}
