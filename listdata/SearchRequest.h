#pragma once
// One Get Information run as handed to the search engine: the documents in the order of
// the dialog's list, and a snapshot of the settings the run needs, taken when the run is
// set up so that the Options dialogs may change the settings meanwhile.

#include "listdata/AppSettings.h"
#include "listdata/ListCatalog.h"

#include <array>
#include <vector>

class ISearchDocument;

enum SearchDocKind : int { kMovieTVDocument = 0, kCastCrewDocument = 1 };

struct SearchDocEntry {
    ISearchDocument* document = nullptr; // not owned; must outlive the run
    int kind = kMovieTVDocument;         // any other value is skipped by every state change
    bool selected = false;
};

// The per-list flags of the current Get Information choices.
struct SearchListChoice {
    bool movieTV = false;
    bool castCrew = false;
};

struct SearchSettings {
    CAppSettings lists;                                 // lists path and file names
    std::array<SearchListChoice, kListCount> choices{}; // what this run reads
    int movieTVDefaultView = 1;
    int castCrewDefaultView = 1;

    // The snapshot of `settings` with `choices` for the run.
    static SearchSettings Take(const CAppSettings& settings, const std::array<SearchListChoice, kListCount>& choices);
};

struct SearchRequest {
    std::vector<SearchDocEntry> documents;
    SearchSettings settings;
};
