#include "documents/RVCDoc.h"

#include "documents/DocumentFile.h"

#include <mutex>

namespace {

const documentfile::Kind kCastCrewKind = {CRVCDoc::kFileHeader, CRVCDoc::kOldFileHeader, kCastCrewDocVersion, false};

std::mutex g_hookMutex;
std::function<platform::CDocument*()> g_activeDocumentHook;

} // namespace

CRVCDoc::CRVCDoc() : CRecordDocument(kCastCrewKind, kCastCrewGrowBy)
{
}

CRVCDoc::~CRVCDoc() = default;

CRVCDoc* CRVCDoc::GetActive()
{
    std::function<platform::CDocument*()> hook;
    {
        std::lock_guard<std::mutex> lock(g_hookMutex);
        hook = g_activeDocumentHook;
    }
    return hook ? dynamic_cast<CRVCDoc*>(hook()) : nullptr;
}

void CRVCDoc::SetActiveDocumentHook(std::function<platform::CDocument*()> hook)
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_activeDocumentHook = std::move(hook);
}
