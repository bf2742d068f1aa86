#include "documents/RecordDocument.h"

#include "documents/DocumentFile.h"
#include "platform/Archive.h"

CRecordDocument::CRecordDocument(const documentfile::Kind& kind, int growBy) : m_kind(kind), m_growBy(growBy)
{
    m_records.Init(0, m_growBy);
}

CRecordDocument::~CRecordDocument() = default;

void CRecordDocument::SetDefaultMode(int mode)
{
    int none = 0;
    m_mode.compare_exchange_strong(none, mode);
}

void CRecordDocument::OnMode(int mode)
{
    if (m_mode.exchange(mode) != mode)
        UpdateAllViews(nullptr);
}

ModeCommandState CRecordDocument::GetModeCommandState(int mode) const
{
    const int current = GetMode();
    return {current != 0, current != 0 && current == mode};
}

void CRecordDocument::StampDocInfo()
{
    auto lock = m_records.Lock();
    documentfile::StampDocInfo(m_records, m_kind.docVersion);
    m_docVersion.store(m_kind.docVersion);
    m_programVersion.store(kProgramVersion);
}

void CRecordDocument::Serialize(platform::Archive& archive)
{
    auto lock = m_records.Lock();
    documentfile::Fields fields;
    if (archive.IsStoring()) {
        fields = {GetProgramVersion(), GetDocVersion(), GetMode(), m_name};
        documentfile::Store(archive, m_kind, fields, m_records);
    } else {
        documentfile::Load(archive, m_kind, fields, m_records);
        m_name = fields.name;
        m_mode.store(fields.mode);
        m_searchState.store(kSearchIdle);
    }
    m_programVersion.store(fields.programVersion);
    m_docVersion.store(fields.docVersion);
}

void CRecordDocument::DeleteContents()
{
    {
        auto lock = m_records.Lock();
        m_records.Init(0, m_growBy);
    }
    m_name.clear();
    m_mode.store(0);
    m_programVersion.store(0);
    m_docVersion.store(0);
}

bool CRecordDocument::SaveModified()
{
    return !documentfile::RefusedWhileSearching(IsSearching()) && CDocument::SaveModified();
}

bool CRecordDocument::DoSave(const std::string& path, bool replace)
{
    return !documentfile::RefusedWhileSearching(IsSearching()) && CDocument::DoSave(path, replace);
}
