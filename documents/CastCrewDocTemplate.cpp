#include "documents/CastCrewDocTemplate.h"

#include "documents/DocTypeMatch.h"
#include "documents/RVCDoc.h"

CCastCrewDocTemplate::CCastCrewDocTemplate()
    : CDocTemplate(kProgId, "Untitled", "Reelvoyager Cast/Crew Files (*.rvcc)", ".rvcc",
                   [] { return std::make_unique<CRVCDoc>(); })
{
}

platform::CDocTemplate::Confidence CCastCrewDocTemplate::MatchDocType(const std::string& path,
                                                                      platform::CDocument*& match)
{
    return doctypematch::Match(*this, path, ".rvcc", ".rvc", match);
}
