#pragma once
// The Movie/TV document: everything the selected lists hold about one title, kept as a
// record store and written to ".rvmtv" files (older ".rvm").
//
// Threads: a document lives on the GUI thread. During a Get Information run the search
// thread writes its records (holding the store's lock), its search state, its default
// section mode and its version words (through StampDocInfo); those fields are atomic.
// The title is set only when the document is created or loaded.

#include "listdata/RecordStore.h"
#include "platform/Document.h"

#include <atomic>
#include <string>

enum SearchState : int { kSearchIdle = 0, kSearchQueued = 1, kSearchRunning = 2 };

enum SectionMode : int {
    kSectionNone = 0,
    kSectionOverview = 1,
    kSectionCredits = 2,
    kSectionFunStuff = 3,
    kSectionPlotQuotes = 4,
    kSectionOtherInfo = 5,
    kSectionComplete = 6,
};

// Enabled and checked state of a mode command in the menus.
struct ModeCommandState {
    bool enabled = false;
    bool checked = false;
};

class CRVMDoc : public platform::CDocument {
public:
    // The file header; "Reelvoyager 2 - Movie/TV" of an older program is read too.
    static constexpr char kFileHeader[] = "Reelvoyager 3 - Movie/TV";
    static constexpr char kOldFileHeader[] = "Reelvoyager 2 - Movie/TV";

    CRVMDoc();
    ~CRVMDoc() override;

    CRecordStore& GetRecords() { return m_records; }
    const CRecordStore& GetRecords() const { return m_records; }

    std::string GetMovieTitle() const { return m_title; }
    void SetMovieTitle(const std::string& title) { m_title = title; }

    int GetProgramVersion() const { return m_programVersion.load(); }
    void SetProgramVersion(int version) { m_programVersion.store(version); }
    int GetDocVersion() const { return m_docVersion.load(); }
    void SetDocVersion(int version) { m_docVersion.store(version); }

    int GetSectionMode() const { return m_sectionMode.load(); }
    // Sets the mode only while it is 0 (the end of a search applies the default view).
    void SetDefaultSectionMode(int mode);
    // The section-mode command (mode 1-6): redraws the views only when the mode changed.
    void OnSectionMode(int mode);
    // Menu state of the command for `mode`: disabled while no mode is set, checked on
    // the current one.
    ModeCommandState GetSectionModeCommandState(int mode) const;

    int GetSearchState() const { return m_searchState.load(); }
    void SetSearchState(int state) { m_searchState.store(state); }
    // Queued or being searched.
    bool IsSearching() const { return m_searchState.load() != kSearchIdle; }

    // Rewrites the document-information records for a new search: keeps the creator
    // version and creation date, sets today as the date of the last update. Takes the
    // store's lock itself.
    void StampDocInfo();

    void Serialize(platform::Archive& archive) override;
    void DeleteContents() override;
    // Refuses ("First cancel the search operation.") while the document is queued or
    // searched; else the usual save question.
    bool SaveModified() override;
    // Save and Save As are refused with the same message while the document is queued or
    // searched: the search thread is still writing the records.
    bool DoSave(const std::string& path, bool replace = true) override;

private:
    CRecordStore m_records;
    std::atomic<int> m_searchState{kSearchIdle};
    std::string m_title;
    std::atomic<int> m_sectionMode{kSectionNone};
    std::atomic<int> m_programVersion{0};
    std::atomic<int> m_docVersion{0};
};
