#include "platform/DocManager.h"

#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/Prompt.h"
#include "platform/View.h"

namespace platform {

CDocManager::CDocManager(int recentFiles) : m_recentFiles(recentFiles)
{
}

CDocManager::~CDocManager()
{
    // Documents go before the templates that own them are torn down one by one.
    CloseAllDocuments();
}

CDocTemplate* CDocManager::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate)
{
    docTemplate->m_docManager = this;
    m_templates.push_back(std::move(docTemplate));
    return m_templates.back().get();
}

CDocTemplate* CDocManager::FindTemplate(const std::string& progId) const
{
    for (const auto& t : m_templates)
        if (t->GetProgId() == progId)
            return t.get();
    return nullptr;
}

CDocument* CDocManager::OpenDocumentFile(const std::string& path)
{
    CDocTemplate* best = nullptr;
    CDocument* open = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (const auto& t : m_templates) {
        CDocument* match = nullptr;
        const CDocTemplate::Confidence c = t->MatchDocType(path, match);
        if (c > bestMatch) { // strictly better: the first registered wins a tie
            bestMatch = c;
            best = t.get();
            open = match;
        }
        if (c == CDocTemplate::yesAlreadyOpen)
            break;
    }
    if (bestMatch == CDocTemplate::yesAlreadyOpen && open) {
        if (!open->GetViews().empty())
            open->GetViews().front()->ActivateFrame();
        return open;
    }
    if (!best) {
        AppMessageBox("Cannot open \"" + path + "\".\nUnexpected file format.", MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    return best->OpenDocumentFile(path);
}

CDocument* CDocManager::OpenRecentFile(int index)
{
    const std::string path = m_recentFiles.GetAt(index);
    if (path.empty())
        return nullptr;
    CDocument* doc = OpenDocumentFile(path);
    if (!doc)
        m_recentFiles.Remove(index);
    return doc;
}

std::vector<CDocument*> CDocManager::GetDocuments() const
{
    std::vector<CDocument*> docs;
    for (const auto& t : m_templates)
        for (CDocument* d : t->GetDocuments())
            docs.push_back(d);
    return docs;
}

bool CDocManager::SaveAllModified()
{
    for (const auto& t : m_templates)
        if (!t->SaveAllModified())
            return false;
    return true;
}

void CDocManager::CloseAllDocuments()
{
    for (const auto& t : m_templates)
        t->CloseAllDocuments();
}

} // namespace platform
