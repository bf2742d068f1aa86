#include "documents/RVCDoc.h"

#include "documents/DocumentFile.h"
#include "platform/Archive.h"

#include <mutex>

namespace {

const documentfile::Kind kCastCrewKind = {CRVCDoc::kFileHeader, CRVCDoc::kOldFileHeader, kCastCrewDocVersion, false};

std::mutex g_hookMutex;
std::function<platform::CDocument*()> g_activeDocumentHook;

} // namespace

CRVCDoc::CRVCDoc()
{
    m_records.Init(0, kCastCrewGrowBy);
}

CRVCDoc::~CRVCDoc() = default;

void CRVCDoc::SetDefaultFilmographyMode(int mode)
{
    int none = kFilmographyNone;
    m_filmographyMode.compare_exchange_strong(none, mode);
}

void CRVCDoc::OnFilmographyMode(int mode)
{
    if (m_filmographyMode.exchange(mode) != mode)
        UpdateAllViews(nullptr);
}

ModeCommandState CRVCDoc::GetFilmographyModeCommandState(int mode) const
{
    const int current = GetFilmographyMode();
    return {current != kFilmographyNone, current != kFilmographyNone && current == mode};
}

void CRVCDoc::StampDocInfo()
{
    auto lock = m_records.Lock();
    documentfile::StampDocInfo(m_records, kCastCrewDocVersion);
    m_docVersion.store(kCastCrewDocVersion);
    m_programVersion.store(kProgramVersion);
}

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

void CRVCDoc::Serialize(platform::Archive& archive)
{
    auto lock = m_records.Lock();
    documentfile::Fields fields;
    if (archive.IsStoring()) {
        fields = {GetProgramVersion(), GetDocVersion(), GetFilmographyMode(), m_personName};
        documentfile::Store(archive, kCastCrewKind, fields, m_records);
    } else {
        documentfile::Load(archive, kCastCrewKind, fields, m_records);
        m_personName = fields.name;
        m_filmographyMode.store(fields.mode);
        m_searchState.store(kSearchIdle);
    }
    m_programVersion.store(fields.programVersion);
    m_docVersion.store(fields.docVersion);
}

void CRVCDoc::DeleteContents()
{
    {
        auto lock = m_records.Lock();
        m_records.Init(0, kCastCrewGrowBy);
    }
    m_personName.clear();
    m_filmographyMode.store(kFilmographyNone);
    m_programVersion.store(0);
    m_docVersion.store(0);
}

bool CRVCDoc::SaveModified()
{
    return !documentfile::RefusedWhileSearching(IsSearching()) && CDocument::SaveModified();
}

bool CRVCDoc::DoSave(const std::string& path, bool replace)
{
    return !documentfile::RefusedWhileSearching(IsSearching()) && CDocument::DoSave(path, replace);
}
