#include "documents/RVMDoc.h"

#include "documents/DocumentFile.h"
#include "platform/Archive.h"

namespace {

const documentfile::Kind kMovieTVKind = {CRVMDoc::kFileHeader, CRVMDoc::kOldFileHeader, kMovieTVDocVersion, true};

} // namespace

CRVMDoc::CRVMDoc()
{
    m_records.Init(0, kMovieTVGrowBy);
}

CRVMDoc::~CRVMDoc() = default;

void CRVMDoc::SetDefaultSectionMode(int mode)
{
    int none = kSectionNone;
    m_sectionMode.compare_exchange_strong(none, mode);
}

void CRVMDoc::OnSectionMode(int mode)
{
    if (m_sectionMode.exchange(mode) != mode)
        UpdateAllViews(nullptr);
}

ModeCommandState CRVMDoc::GetSectionModeCommandState(int mode) const
{
    const int current = GetSectionMode();
    return {current != kSectionNone, current != kSectionNone && current == mode};
}

void CRVMDoc::StampDocInfo()
{
    auto lock = m_records.Lock();
    documentfile::StampDocInfo(m_records, kMovieTVDocVersion);
    m_docVersion.store(kMovieTVDocVersion);
    m_programVersion.store(kProgramVersion);
}

void CRVMDoc::Serialize(platform::Archive& archive)
{
    auto lock = m_records.Lock();
    documentfile::Fields fields;
    if (archive.IsStoring()) {
        fields = {GetProgramVersion(), GetDocVersion(), GetSectionMode(), m_title};
        documentfile::Store(archive, kMovieTVKind, fields, m_records);
    } else {
        documentfile::Load(archive, kMovieTVKind, fields, m_records);
        m_title = fields.name;
        m_sectionMode.store(fields.mode);
        m_searchState.store(kSearchIdle);
    }
    m_programVersion.store(fields.programVersion);
    m_docVersion.store(fields.docVersion);
}

void CRVMDoc::DeleteContents()
{
    {
        auto lock = m_records.Lock();
        m_records.Init(0, kMovieTVGrowBy);
    }
    m_title.clear();
    m_sectionMode.store(kSectionNone);
    m_programVersion.store(0);
    m_docVersion.store(0);
}

bool CRVMDoc::SaveModified()
{
    return !documentfile::RefusedWhileSearching(IsSearching()) && CDocument::SaveModified();
}

bool CRVMDoc::DoSave(const std::string& path, bool replace)
{
    return !documentfile::RefusedWhileSearching(IsSearching()) && CDocument::DoSave(path, replace);
}
