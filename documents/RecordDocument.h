#pragma once
// What the Movie/TV and Cast/Crew documents share: a record store as their content, the
// title or name the search looks for, the search state, the version words, a view mode
// that stays 0 until the end of the first search sets one, the file layout and the rule
// that nothing is saved while a search writes the records. The two kinds differ in file
// header, document version, growth step and the names of their operations.
//
// Threads: a document lives on the GUI thread. During a Get Information run the search
// thread writes its records (holding the store's lock), its search state, its default
// mode and its version words (through StampDocInfo); those fields are atomic. The title
// or name is set only when the document is created or loaded.

#include "listdata/RecordStore.h"
#include "platform/Document.h"

#include <atomic>
#include <string>

namespace documentfile {
struct Kind;
}

enum SearchState : int { kSearchIdle = 0, kSearchQueued = 1, kSearchRunning = 2 };

// Enabled and checked state of a mode command in the menus.
struct ModeCommandState {
    bool enabled = false;
    bool checked = false;
};

class CRecordDocument : public platform::CDocument {
public:
    ~CRecordDocument() override;

    CRecordStore& GetRecords() { return m_records; }
    const CRecordStore& GetRecords() const { return m_records; }

    int GetProgramVersion() const { return m_programVersion.load(); }
    void SetProgramVersion(int version) { m_programVersion.store(version); }
    int GetDocVersion() const { return m_docVersion.load(); }
    void SetDocVersion(int version) { m_docVersion.store(version); }

    int GetSearchState() const { return m_searchState.load(); }
    void SetSearchState(int state) { m_searchState.store(state); }
    // Queued or being searched.
    bool IsSearching() const { return m_searchState.load() != kSearchIdle; }

    // Rewrites the document-information records for a new search: keeps the creator
    // version and creation date, sets today as the date of the last update and the
    // kind's document version. Takes the store's lock itself.
    void StampDocInfo();

    void Serialize(platform::Archive& archive) override;
    // Empties the store (with the kind's growth step), the title or name, the mode and
    // the version words; the search state stays.
    void DeleteContents() override;
    // Refuses ("First cancel the search operation.") while the document is queued or
    // searched; else the usual save question.
    bool SaveModified() override;
    // Save and Save As are refused with the same message while the document is queued or
    // searched: the search thread is still writing the records.
    bool DoSave(const std::string& path, bool replace = true) override;

protected:
    // `kind` (not copied; it lives as long as the program) gives the file header and the
    // document version; `growBy` is the store's growth step.
    CRecordDocument(const documentfile::Kind& kind, int growBy);

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }

    int GetMode() const { return m_mode.load(); }
    // Sets the mode only while it is 0 (the end of a search applies the default view).
    void SetDefaultMode(int mode);
    // The mode command: redraws the views only when the mode changed.
    void OnMode(int mode);
    // Menu state of the command for `mode`: disabled while no mode is set, checked on
    // the current one.
    ModeCommandState GetModeCommandState(int mode) const;

private:
    const documentfile::Kind& m_kind;
    const int m_growBy;
    CRecordStore m_records;
    std::atomic<int> m_searchState{kSearchIdle};
    std::string m_name;
    std::atomic<int> m_mode{0};
    std::atomic<int> m_programVersion{0};
    std::atomic<int> m_docVersion{0};
};
