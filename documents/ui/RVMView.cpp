#include "documents/ui/RVMView.h"

#include "documents/MovieTVText.h"
#include "resources/MenuTables.h"

namespace {

using namespace resources;

const LinkPopupMenus kMovieTVMenus = {IDR_POPUP_MOVIETV_NONE, IDR_POPUP_MOVIETV_TITLE, IDR_POPUP_MOVIETV_NAME,
                                      IDR_POPUP_MOVIETV_NAMEREF, IDR_POPUP_MOVIETV_WEB};

} // namespace

CRVMView::CRVMView(CRVMDoc& document, const Context& context, QWidget* parent)
    : CRecordDocumentView(document, kMovieTVMenus, context, parent)
{
    setObjectName(QStringLiteral("CRVMView"));
}

void CRVMView::BuildText(const platform::ITextMeasure& measure)
{
    const CRVMDoc& movie = KindDocument();
    CMovieTVText text(Writer(), movie.GetRecords(), measure, movie.GetMovieTitle(), movie.GetSectionMode());
    text.Build(movie.GetSearchState());
}

// A document made from a link is headed with the link's alt text (an episode link carries its series).
std::string CRVMView::LinkHeading() const
{
    return Clicked().link.alt;
}
