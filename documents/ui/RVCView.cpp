#include "documents/ui/RVCView.h"

#include "documents/CastCrewText.h"
#include "documents/RVCDoc.h"
#include "resources/MenuTables.h"

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

// Popup menus by link kind: none, title, name, name reference, web address.
int CRVCView::PopupMenuFor(int linkKind) const
{
    using namespace resources;
    switch (linkKind) {
    case 0:
        return IDR_POPUP_CASTCREW_TITLE;
    case 1:
        return IDR_POPUP_CASTCREW_NAME;
    case 2:
        return IDR_POPUP_CASTCREW_NAMEREF;
    case 3:
        return IDR_POPUP_CASTCREW_WEB;
    default:
        return IDR_POPUP_CASTCREW_NONE;
    }
}

// A document made from a link is headed with the text selected at the click (the link's own text).
std::string CRVCView::LinkHeading() const
{
    return Clicked().selection;
}
