#pragma once
// The Cast/Crew document: everything the selected lists hold about one person, kept as
// a record store and written to ".rvcc" files (older ".rvc"). Threads as for CRVMDoc.

#include "documents/RVMDoc.h"
#include "listdata/RecordStore.h"
#include "platform/Document.h"

#include <atomic>
#include <functional>
#include <string>

enum FilmographyMode : int { kFilmographyNone = 0, kFilmographyCategorized = 1, kFilmographyCombined = 2 };

class CRVCDoc : public platform::CDocument {
public:
    // The file header; "Reelvoyager 2 - Cast/Crew" of an older program is read too.
    static constexpr char kFileHeader[] = "Reelvoyager 3 - Cast/Crew";
    static constexpr char kOldFileHeader[] = "Reelvoyager 2 - Cast/Crew";

    CRVCDoc();
    ~CRVCDoc() override;

    CRecordStore& GetRecords() { return m_records; }
    const CRecordStore& GetRecords() const { return m_records; }

    std::string GetPersonName() const { return m_personName; }
    void SetPersonName(const std::string& name) { m_personName = name; }

    int GetProgramVersion() const { return m_programVersion.load(); }
    void SetProgramVersion(int version) { m_programVersion.store(version); }
    // Below 0x200 the view reads two record kinds in their older form.
    int GetDocVersion() const { return m_docVersion.load(); }
    void SetDocVersion(int version) { m_docVersion.store(version); }

    int GetFilmographyMode() const { return m_filmographyMode.load(); }
    // Sets the mode only while it is 0 (the end of a search applies the default view).
    void SetDefaultFilmographyMode(int mode);
    // The filmography-mode command (mode 1 or 2): redraws only when the mode changed.
    void OnFilmographyMode(int mode);
    ModeCommandState GetFilmographyModeCommandState(int mode) const;
    // "Credited With..." is enabled once a filmography mode is set, but not while the
    // document is queued or searched: the search thread is rewriting the filmography.
    bool IsCreditedWithEnabled() const { return GetFilmographyMode() != kFilmographyNone && !IsSearching(); }

    int GetSearchState() const { return m_searchState.load(); }
    void SetSearchState(int state) { m_searchState.store(state); }
    bool IsSearching() const { return m_searchState.load() != kSearchIdle; }

    // As CRVMDoc::StampDocInfo, with the Cast/Crew document version.
    void StampDocInfo();

    // The document of the main frame's active child window when it is a Cast/Crew
    // document, else null. Null too until the application installs its hook.
    static CRVCDoc* GetActive();
    // Installed by the main frame: returns the active child window's document (or null).
    static void SetActiveDocumentHook(std::function<platform::CDocument*()> hook);

    void Serialize(platform::Archive& archive) override;
    void DeleteContents() override;
    bool SaveModified() override;
    bool DoSave(const std::string& path, bool replace = true) override;

private:
    CRecordStore m_records;
    std::atomic<int> m_searchState{kSearchIdle};
    std::atomic<int> m_programVersion{0};
    std::atomic<int> m_docVersion{0};
    std::atomic<int> m_filmographyMode{kFilmographyNone};
    std::string m_personName;
};
