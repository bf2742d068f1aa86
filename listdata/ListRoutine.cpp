#include "listdata/ListRoutine.h"

#include "listdata/CastCrewRoutines.h"
#include "listdata/CreditRoutines.h"
#include "listdata/ListCatalog.h"
#include "listdata/TitleRoutines.h"

namespace {

constexpr ListRoutine kMovieRoutines[kListCount] = {
    SearchCast,           // 0 Actors
    SearchCast,           // 1 Actresses
    nullptr,              // 2 Aka-Names
    SearchAkaTitles,      // 3 Aka-Titles
    SearchHashEntries,    // 4 Alternate-Versions
    nullptr,              // 5 Biographies
    SearchBusiness,       // 6 Business
    SearchTitleValueList, // 7 Certificates
    SearchCrew,           // 8 Cinematographers
    SearchTitleValueList, // 9 Color-Info
    SearchCoverage,       // 10 Complete-Cast
    SearchCoverage,       // 11 Complete-Crew
    SearchCrew,           // 12 Composers
    SearchCrew,           // 13 Costume-Designers
    SearchTitleWordList,  // 14 Countries
    SearchHashEntries,    // 15 Crazy-Credits
    SearchCrew,           // 16 Directors
    SearchTitleValueList, // 17 Distributors
    SearchCrew,           // 18 Editors
    SearchTitleWordList,  // 19 Genres
    SearchAkaTitles,      // 20 German-Aka-Titles
    SearchGoofs,          // 21 Goofs
    SearchAkaTitles,      // 22 Italian-Aka-Titles
    SearchTitleWordList,  // 23 Keywords
    SearchTitleValueList, // 24 Language
    SearchLaserdisc,      // 25 Laserdisc
    SearchLiterature,     // 26 Literature
    SearchTitleValueList, // 27 Locations
    SearchCrew,           // 28 Miscellaneous
    SearchTitleValueList, // 29 Miscellaneous-Companies
    SearchMovieLinks,     // 30 Movie-Links
    SearchMovies,         // 31 Movies
    SearchMpaa,           // 32 Mpaa-Ratings-Reasons
    SearchPlot,           // 33 Plot
    SearchCrew,           // 34 Producers
    SearchTitleValueList, // 35 Production-Companies
    SearchCrew,           // 36 Production-Designers
    SearchQuotes,         // 37 Quotes
    SearchRatings,        // 38 Ratings
    SearchReleaseDates,   // 39 Release-Dates
    SearchTitleValueList, // 40 Running-Times
    SearchTitleValueList, // 41 Sound-Mix
    SearchSoundtracks,    // 42 Soundtracks
    SearchTitleValueList, // 43 Special-Effects-Companies
    SearchTaglines,       // 44 Taglines
    SearchTechnical,      // 45 Technical
    SearchHashEntries,    // 46 Trivia
    SearchWriters,        // 47 Writers
};

ListRoutine CastRoutineOf(int listIndex)
{
    switch (listIndex) {
    case kActors:
    case kActresses:
        return SearchActingCredits;
    case kAkaNames:
        return SearchAkaNames;
    case kBiographies:
        return SearchBiography;
    case kCinematographers:
    case kComposers:
    case kCostumeDesigners:
    case kDirectors:
    case kEditors:
    case kMiscellaneous:
    case kProducers:
    case kProductionDesigners:
        return SearchCrewCredits;
    case kWriters:
        return SearchWritingCredits;
    default:
        return nullptr;
    }
}

} // namespace

ListRoutine MovieListRoutine(int listIndex)
{
    return listIndex >= 0 && listIndex < kListCount ? kMovieRoutines[listIndex] : nullptr;
}

ListRoutine CastListRoutine(int listIndex) { return CastRoutineOf(listIndex); }
