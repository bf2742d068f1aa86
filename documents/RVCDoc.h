#pragma once
// The Cast/Crew document: everything the selected lists hold about one person, kept as
// a record store and written to ".rvcc" files (older ".rvc"). Below document version
// 0x200 its view reads two record kinds in their older form. Threads as for
// CRecordDocument.

#include "documents/RecordDocument.h"

#include <functional>
#include <string>

enum FilmographyMode : int { kFilmographyNone = 0, kFilmographyCategorized = 1, kFilmographyCombined = 2 };

class CRVCDoc : public CRecordDocument {
public:
    // The file header; "Reelvoyager 2 - Cast/Crew" of an older program is read too.
    static constexpr char kFileHeader[] = "Reelvoyager 3 - Cast/Crew";
    static constexpr char kOldFileHeader[] = "Reelvoyager 2 - Cast/Crew";

    CRVCDoc();
    ~CRVCDoc() override;

    std::string GetPersonName() const { return Name(); }
    void SetPersonName(const std::string& name) { SetName(name); }

    int GetFilmographyMode() const { return GetMode(); }
    void SetDefaultFilmographyMode(int mode) { SetDefaultMode(mode); }
    // The filmography-mode command (mode 1 or 2).
    void OnFilmographyMode(int mode) { OnMode(mode); }
    ModeCommandState GetFilmographyModeCommandState(int mode) const { return GetModeCommandState(mode); }
    // "Credited With..." is enabled once a filmography mode is set, but not while the
    // document is queued or searched: the search thread is rewriting the filmography.
    bool IsCreditedWithEnabled() const { return GetFilmographyMode() != kFilmographyNone && !IsSearching(); }

    // The document of the main frame's active child window when it is a Cast/Crew
    // document, else null. Null too until the application installs its hook.
    static CRVCDoc* GetActive();
    // Installed by the main frame: returns the active child window's document (or null).
    static void SetActiveDocumentHook(std::function<platform::CDocument*()> hook);
};
