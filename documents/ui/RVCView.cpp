#include "documents/ui/RVCView.h"

#include "documents/CastCrewText.h"
#include "documents/RVCDoc.h"

CRVCView::CRVCView(CRVCDoc& document, const Context& context, QWidget* parent)
    : CRichDocumentView(document, context, parent), m_cast(document)
{
    setObjectName(QStringLiteral("CRVCView"));
}

CRVCDoc* CRVCView::GetCastDocument() const
{
    return GetDocument() ? &m_cast : nullptr;
}

void CRVCView::BuildText(const platform::ITextMeasure& measure)
{
    CCastCrewText text(Writer(), m_cast.GetRecords(), measure, m_cast.GetDocVersion(), m_cast.GetFilmographyMode());
    text.Build(m_cast.GetSearchState());
}

const CRecordStore& CRVCView::Records() const
{
    return m_cast.GetRecords();
}
