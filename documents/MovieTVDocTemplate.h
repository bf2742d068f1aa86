#pragma once
// Template of the Movie/TV documents: ".rvmtv" and the older ".rvm" are its own files.

#include "platform/DocTemplate.h"

class CMovieTVDocTemplate : public platform::CDocTemplate {
public:
    static constexpr char kProgId[] = "Reelvoyager.RVMTVDoc";

    CMovieTVDocTemplate();

    // An open document of exactly this path (case-sensitive): yesAlreadyOpen. Else the
    // text from the last '.', without regard to case, ".rvmtv" or ".rvm":
    // yesAttemptNative; anything else: yesAttemptForeign.
    Confidence MatchDocType(const std::string& path, platform::CDocument*& match) override;
};
