#include "documents/ui/RVCView.h"

#include "documents/CastCrewText.h"
#include "resources/MenuTables.h"

namespace {

using namespace resources;

const LinkPopupMenus kCastCrewMenus = {IDR_POPUP_CASTCREW_NONE, IDR_POPUP_CASTCREW_TITLE, IDR_POPUP_CASTCREW_NAME,
                                       IDR_POPUP_CASTCREW_NAMEREF, IDR_POPUP_CASTCREW_WEB};

} // namespace

CRVCView::CRVCView(CRVCDoc& document, const Context& context, QWidget* parent)
    : CRecordDocumentView(document, kCastCrewMenus, context, parent)
{
    setObjectName(QStringLiteral("CRVCView"));
}

void CRVCView::BuildText(const platform::ITextMeasure& measure)
{
    const CRVCDoc& cast = KindDocument();
    CCastCrewText text(Writer(), cast.GetRecords(), measure, cast.GetDocVersion(), cast.GetFilmographyMode());
    text.Build(cast.GetSearchState());
}

// A document made from a link is headed with the text selected at the click (the link's own text).
std::string CRVCView::LinkHeading() const
{
    return Clicked().selection;
}
