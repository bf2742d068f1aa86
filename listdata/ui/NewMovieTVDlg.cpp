#include "listdata/ui/NewMovieTVDlg.h"

#include "documents/NewDocument.h"
#include "resources/NewDocumentIds.h"

using namespace resources;

namespace {

const CNewDocumentDlg::Template kMovieTVTemplate = {
    .templateId = IDD_NEWMOVIETV,
    .caption = "New Movie/TV Document",
    .listTitle = "Found &Movies",
    .resultsId = IDC_NEWMOVIE_RESULTS,
    .radioIds = {IDC_NEWMOVIE_EXACT, IDC_NEWMOVIE_WHOLEWORDS, IDC_NEWMOVIE_BEGINNING, IDC_NEWMOVIE_INSIDE},
    .radioTexts = {"&Exact Title", "&Whole Words", "&Begining of Words", "&Inside Words"},
    .akaId = IDC_NEWMOVIE_ALSOAKA,
    .akaText = "Also search in &Aka-Titles",
    .maxTextLength = 255,
    .nothingFoundText = "No Movies Found!\nCheck the spelling or try another 'Search Type'.",
};

} // namespace

CNewMovieTVDlg::CNewMovieTVDlg(QWidget* parent) : CNewDocumentDlg(parent, kMovieTVTemplate), m_search(this)
{
}

CNewMovieTVDlg::~CNewMovieTVDlg() = default;

bool CNewMovieTVDlg::RunSearch()
{
    if (!Settings())
        return true;
    return m_search.Run(*Settings(), SearchText, AlsoAka != 0);
}

bool CNewMovieTVDlg::SearchMovies()
{
    return Settings() ? m_search.SearchMovies(*Settings()) : true;
}

bool CNewMovieTVDlg::SearchAkaTitles()
{
    return Settings() ? m_search.SearchAkaTitles(*Settings()) : true;
}

void CNewMovieTVDlg::CreateFromLine(const std::string& mainLine, const std::string& heading)
{
    CreateDocument(mainLine, heading);
}

CRVMDoc* CNewMovieTVDlg::CreateDocument(std::string mainTitle, std::string heading)
{
    if (!DocManager())
        return nullptr;
    return CreateMovieTVDocument(*DocManager(), mainTitle, heading);
}
