#pragma once
// The MatchDocType rule shared by the two document templates.

#include "platform/DocTemplate.h"

#include <string>

namespace doctypematch {

// An open document of `docTemplate` with exactly `path` (case-sensitive): yesAlreadyOpen
// and `match` set. Else the text from the last '.' in `path` compared without regard
// to case with `extension` or `oldExtension`: yesAttemptNative. Else yesAttemptForeign.
platform::CDocTemplate::Confidence Match(const platform::CDocTemplate& docTemplate, const std::string& path,
                                         const char* extension, const char* oldExtension, platform::CDocument*& match);

} // namespace doctypematch
