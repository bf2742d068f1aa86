#include "listdata/ui/NewMovieTVDlg.h"

#include "documents/NewDocument.h"
#include "resources/NewDocumentIds.h"

using namespace resources;

namespace {

const int kRadioIds[4] = {IDC_NEWMOVIE_EXACT, IDC_NEWMOVIE_WHOLEWORDS, IDC_NEWMOVIE_BEGINNING, IDC_NEWMOVIE_INSIDE};
const char* const kRadioTexts[4] = {"&Exact Title", "&Whole Words", "&Begining of Words", "&Inside Words"};

} // namespace

CNewMovieTVDlg::CNewMovieTVDlg(QWidget* parent)
    : CNewDocumentDlg(parent, IDD_NEWMOVIETV, "New Movie/TV Document", "Found &Movies", IDC_NEWMOVIE_RESULTS, kRadioIds,
                      kRadioTexts, IDC_NEWMOVIE_ALSOAKA, "Also search in &Aka-Titles", 255),
      m_search(this)
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

const char* CNewMovieTVDlg::NothingFoundText() const
{
    return "No Movies Found!\nCheck the spelling or try another 'Search Type'.";
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
