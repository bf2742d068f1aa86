#pragma once
// The Movie/TV document: everything the selected lists hold about one title, kept as a
// record store and written to ".rvmtv" files (older ".rvm"). Threads as for
// CRecordDocument.

#include "documents/RecordDocument.h"

#include <string>

enum SectionMode : int {
    kSectionNone = 0,
    kSectionOverview = 1,
    kSectionCredits = 2,
    kSectionFunStuff = 3,
    kSectionPlotQuotes = 4,
    kSectionOtherInfo = 5,
    kSectionComplete = 6,
};

class CRVMDoc : public CRecordDocument {
public:
    // The file header; "Reelvoyager 2 - Movie/TV" of an older program is read too.
    static constexpr char kFileHeader[] = "Reelvoyager 3 - Movie/TV";
    static constexpr char kOldFileHeader[] = "Reelvoyager 2 - Movie/TV";

    CRVMDoc();
    ~CRVMDoc() override;

    std::string GetMovieTitle() const { return Name(); }
    void SetMovieTitle(const std::string& title) { SetName(title); }

    int GetSectionMode() const { return GetMode(); }
    void SetDefaultSectionMode(int mode) { SetDefaultMode(mode); }
    // The section-mode command (mode 1-6).
    void OnSectionMode(int mode) { OnMode(mode); }
    ModeCommandState GetSectionModeCommandState(int mode) const { return GetModeCommandState(mode); }
};
