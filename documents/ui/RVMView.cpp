#include "documents/ui/RVMView.h"

#include "documents/MovieTVText.h"
#include "documents/RVMDoc.h"
#include "resources/MenuTables.h"

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

// Popup menus by link kind: none, title, name, name reference, web address.
int CRVMView::PopupMenuFor(int linkKind) const
{
    using namespace resources;
    switch (linkKind) {
    case 0:
        return IDR_POPUP_MOVIETV_TITLE;
    case 1:
        return IDR_POPUP_MOVIETV_NAME;
    case 2:
        return IDR_POPUP_MOVIETV_NAMEREF;
    case 3:
        return IDR_POPUP_MOVIETV_WEB;
    default:
        return IDR_POPUP_MOVIETV_NONE;
    }
}

// A document made from a link is headed with the link's alt text (an episode link carries its series).
std::string CRVMView::LinkHeading() const
{
    return Clicked().link.alt;
}
