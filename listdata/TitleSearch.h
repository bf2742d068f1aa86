#pragma once
// The title search of the New Movie/TV Document dialog: the Movies list, then, when
// asked, the Aka-Titles list, each hit appended to Results in the order of finding. An
// Aka-Titles record adds its main title line once, followed by one "   aka - " line per
// matching alternative title.

#include "listdata/NewDocumentSearch.h"

#include <string>

class CTitleSearch : public CNewDocumentSearch {
public:
    static constexpr const char* kOverflowMessage = "Too many movies found!\nTry to be more specific...";

    explicit CTitleSearch(IHost* host = nullptr);

    // The whole search: the pattern from `text`, Results emptied, the Movies pass and,
    // when `alsoAka` is set and nothing stopped it, the Aka-Titles pass. Returns true when
    // a pass stopped on a reported error or an overflow (false after a cancel). The
    // settings are read for the lists path and file names only.
    bool Run(const CAppSettings& settings, const std::string& text, bool alsoAka);

    // The passes on their own, with the pattern already set. Each returns true when it
    // ended on a reported error or on an overflow.
    bool SearchMovies(const CAppSettings& settings);
    bool SearchAkaTitles(const CAppSettings& settings);

    // Appends `line`; true on overflow (the "Overflow!" box has been shown).
    bool AddResult(const std::string& line);
};
