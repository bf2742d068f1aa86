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

// Only the people lists serve Cast/Crew documents.
constexpr ListRoutine kCastRoutines[kListCount] = {
    SearchActingCredits,  // 0 Actors
    SearchActingCredits,  // 1 Actresses
    SearchAkaNames,       // 2 Aka-Names
    nullptr,              // 3
    nullptr,              // 4
    SearchBiography,      // 5 Biographies
    nullptr,              // 6
    nullptr,              // 7
    SearchCrewCredits,    // 8 Cinematographers
    nullptr,              // 9
    nullptr,              // 10
    nullptr,              // 11
    SearchCrewCredits,    // 12 Composers
    SearchCrewCredits,    // 13 Costume-Designers
    nullptr,              // 14
    nullptr,              // 15
    SearchCrewCredits,    // 16 Directors
    nullptr,              // 17
    SearchCrewCredits,    // 18 Editors
    nullptr,              // 19
    nullptr,              // 20
    nullptr,              // 21
    nullptr,              // 22
    nullptr,              // 23
    nullptr,              // 24
    nullptr,              // 25
    nullptr,              // 26
    nullptr,              // 27
    SearchCrewCredits,    // 28 Miscellaneous
    nullptr,              // 29
    nullptr,              // 30
    nullptr,              // 31
    nullptr,              // 32
    nullptr,              // 33
    SearchCrewCredits,    // 34 Producers
    nullptr,              // 35
    SearchCrewCredits,    // 36 Production-Designers
    nullptr,              // 37
    nullptr,              // 38
    nullptr,              // 39
    nullptr,              // 40
    nullptr,              // 41
    nullptr,              // 42
    nullptr,              // 43
    nullptr,              // 44
    nullptr,              // 45
    nullptr,              // 46
    SearchWritingCredits, // 47 Writers
};

} // namespace

ListRoutine MovieListRoutine(int listIndex)
{
    return listIndex >= 0 && listIndex < kListCount ? kMovieRoutines[listIndex] : nullptr;
}

ListRoutine CastListRoutine(int listIndex)
{
    return listIndex >= 0 && listIndex < kListCount ? kCastRoutines[listIndex] : nullptr;
}
