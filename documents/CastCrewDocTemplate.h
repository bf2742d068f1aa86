#pragma once
// Template of the Cast/Crew documents: ".rvcc" and the older ".rvc" are its own files.

#include "platform/DocTemplate.h"

class CCastCrewDocTemplate : public platform::CDocTemplate {
public:
    static constexpr char kProgId[] = "Reelvoyager.RVCCDoc";

    CCastCrewDocTemplate();

    // As CMovieTVDocTemplate::MatchDocType with ".rvcc" and ".rvc".
    Confidence MatchDocType(const std::string& path, platform::CDocument*& match) override;
};
