#include "documents/DocTypeMatch.h"

#include "listdata/TextChars.h"
#include "platform/Document.h"

#include <cstring>

namespace doctypematch {

namespace {

bool EqualNoCase(const std::string& text, const char* other)
{
    return text.size() == std::strlen(other) && textchars::EqualNoCase(text.data(), other, text.size());
}

} // namespace

platform::CDocTemplate::Confidence Match(const platform::CDocTemplate& docTemplate, const std::string& path,
                                         const char* extension, const char* oldExtension, platform::CDocument*& match)
{
    match = nullptr;
    for (platform::CDocument* doc : docTemplate.GetDocuments()) {
        if (doc->GetPathName() == path) {
            match = doc;
            return platform::CDocTemplate::yesAlreadyOpen;
        }
    }
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos) {
        const std::string ext = path.substr(dot);
        if (EqualNoCase(ext, extension) || EqualNoCase(ext, oldExtension))
            return platform::CDocTemplate::yesAttemptNative;
    }
    return platform::CDocTemplate::yesAttemptForeign;
}

} // namespace doctypematch
