#pragma once
// The 48 list files the program knows. A list is named everywhere by its index here;
// the indices are also the record types stored in document files, so they never change.

#include <cstdint>
#include <string>

struct ListCatalogEntry {
    const char* name;         // shown to the user; registry section and default file name
    std::int32_t index;       // equals the row's position
    std::uint8_t useMovieTV;  // 1: serves Movie/TV documents by default; 0: never
    std::uint8_t useCastCrew; // 1: serves Cast/Crew documents by default; 0: never
    std::int32_t kind;        // header kind: 0 plain, 1 filmography, 2 ratings
    std::int32_t startKind;   // record-start kind 0-6
    std::int32_t bodyKind;    // record-body kind 0-4
    const char* header;       // prefix of the line that opens the list's data
};

constexpr int kListCount = 48;

extern const ListCatalogEntry ListCatalog[kListCount];

// List indices named by fixed readers (browsers, Specials, routines).
enum ListIndex : int {
    kActors = 0,
    kActresses = 1,
    kAkaNames = 2,
    kAkaTitles = 3,
    kAlternateVersions = 4,
    kBiographies = 5,
    kBusiness = 6,
    kCertificates = 7,
    kCinematographers = 8,
    kColorInfo = 9,
    kCompleteCast = 10,
    kCompleteCrew = 11,
    kComposers = 12,
    kCostumeDesigners = 13,
    kCountries = 14,
    kCrazyCredits = 15,
    kDirectors = 16,
    kDistributors = 17,
    kEditors = 18,
    kGenres = 19,
    kGermanAkaTitles = 20,
    kGoofs = 21,
    kItalianAkaTitles = 22,
    kKeywords = 23,
    kLanguage = 24,
    kLaserdisc = 25,
    kLiterature = 26,
    kLocations = 27,
    kMiscellaneous = 28,
    kMiscellaneousCompanies = 29,
    kMovieLinks = 30,
    kMovies = 31,
    kMpaaRatingsReasons = 32,
    kPlot = 33,
    kProducers = 34,
    kProductionCompanies = 35,
    kProductionDesigners = 36,
    kQuotes = 37,
    kRatings = 38,
    kReleaseDates = 39,
    kRunningTimes = 40,
    kSoundMix = 41,
    kSoundtracks = 42,
    kSpecialEffectsCompanies = 43,
    kTaglines = 44,
    kTechnical = 45,
    kTrivia = 46,
    kWriters = 47,
};

// The eleven credit lists in filmography job order.
constexpr int kFilmographyJobCount = 11;
extern const int FilmographyJobOrder[kFilmographyJobCount];

// "<name>.list"
std::string DefaultListFileName(int listIndex);
