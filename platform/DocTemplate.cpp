#include "platform/DocTemplate.h"

#include "platform/Document.h"
#include "platform/Prompt.h"

#include <algorithm>

namespace platform {

namespace {

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

CDocTemplate::CDocTemplate(std::string progId, std::string docName, std::string filterName, std::string extension,
                           DocumentFactory factory)
    : m_progId(std::move(progId)), m_docName(std::move(docName)), m_filterName(std::move(filterName)),
      m_extension(std::move(extension)), m_factory(std::move(factory))
{
}

CDocTemplate::~CDocTemplate()
{
    CloseAllDocuments();
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(const std::string& path, CDocument*& match)
{
    match = nullptr;
    for (const auto& doc : m_documents) {
        if (doc->GetPathName() == path) {
            match = doc.get();
            return yesAlreadyOpen;
        }
    }
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && !m_extension.empty() && EqualNoCase(path.substr(dot), m_extension))
        return yesAttemptNative;
    return yesAttemptForeign;
}

CDocument* CDocTemplate::OpenDocumentFile(const std::string& path)
{
    std::unique_ptr<CDocument> created = m_factory ? m_factory() : nullptr;
    if (!created)
        return nullptr;
    CDocument* doc = created.get();
    doc->m_docTemplate = this;
    m_documents.push_back(std::move(created));

    if (path.empty()) {
        doc->SetTitle(m_docName + std::to_string(++m_untitledCount));
        if (!doc->OnNewDocument()) {
            CloseDocument(doc);
            return nullptr;
        }
    } else {
        if (!doc->OnOpenDocument(path)) {
            const std::string reason = doc->LastError();
            CloseDocument(doc);
            AppMessageBox("Cannot open \"" + path + "\".\n" + reason, MB_OK | MB_ICONEXCLAMATION);
            return nullptr;
        }
        doc->SetPathName(path);
    }
    if (m_frameFactory && !m_frameFactory(*doc)) {
        CloseDocument(doc);
        return nullptr;
    }
    return doc;
}

std::vector<CDocument*> CDocTemplate::GetDocuments() const
{
    std::vector<CDocument*> docs;
    docs.reserve(m_documents.size());
    for (const auto& doc : m_documents)
        docs.push_back(doc.get());
    return docs;
}

void CDocTemplate::CloseDocument(CDocument* document)
{
    const auto it = std::find_if(m_documents.begin(), m_documents.end(),
                                 [document](const std::unique_ptr<CDocument>& d) { return d.get() == document; });
    if (it == m_documents.end())
        return;
    // Out of the list first: a view closing its frame may ask to close it again.
    std::unique_ptr<CDocument> owned = std::move(*it);
    m_documents.erase(it);
    owned->OnCloseDocument();
}

bool CDocTemplate::SaveAllModified()
{
    for (CDocument* doc : GetDocuments())
        if (!doc->SaveModified())
            return false;
    return true;
}

void CDocTemplate::CloseAllDocuments()
{
    while (!m_documents.empty())
        CloseDocument(m_documents.front().get());
}

} // namespace platform
