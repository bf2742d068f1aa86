#include "documents/MovieTVDocTemplate.h"

#include "documents/DocTypeMatch.h"
#include "documents/RVMDoc.h"

CMovieTVDocTemplate::CMovieTVDocTemplate()
    : CDocTemplate(kProgId, "Untitled", "Reelvoyager Movie/TV Files (*.rvmtv)", ".rvmtv",
                   [] { return std::make_unique<CRVMDoc>(); })
{
}

platform::CDocTemplate::Confidence CMovieTVDocTemplate::MatchDocType(const std::string& path,
                                                                     platform::CDocument*& match)
{
    return doctypematch::Match(*this, path, ".rvmtv", ".rvm", match);
}
