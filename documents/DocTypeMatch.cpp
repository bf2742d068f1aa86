#include "documents/DocTypeMatch.h"

#include "platform/Document.h"

#include <cstring>

namespace doctypematch {

namespace {

bool EqualNoCase(const std::string& text, const char* other)
{
    if (text.size() != std::strlen(other))
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char a = static_cast<unsigned char>(text[i]);
        unsigned char b = static_cast<unsigned char>(other[i]);
        if (a >= 'A' && a <= 'Z')
            a = static_cast<unsigned char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z')
            b = static_cast<unsigned char>(b - 'A' + 'a');
        if (a != b)
            return false;
    }
    return true;
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
