#include "listdata/ListCatalog.h"

const ListCatalogEntry ListCatalog[kListCount] = {
    {"Actors", 0, 1, 1, 1, 1, 1, "THE ACTORS LIST"},
    {"Actresses", 1, 1, 1, 1, 1, 1, "THE ACTRESSES LIST"},
    {"Aka-Names", 2, 0, 1, 0, 1, 1, "AKA NAMES LIST"},
    {"Aka-Titles", 3, 1, 0, 0, 1, 1, "AKA TITLES LIST"},
    {"Alternate-Versions", 4, 1, 0, 0, 2, 1, "ALTERNATE VERSIONS LIST"},
    {"Biographies", 5, 0, 1, 0, 6, 3, "BIOGRAPHY LIST"},
    {"Business", 6, 1, 0, 0, 3, 3, "BUSINESS LIST"},
    {"Certificates", 7, 1, 0, 0, 0, 0, "CERTIFICATES LIST"},
    {"Cinematographers", 8, 1, 1, 1, 1, 1, "THE CINEMATOGRAPHERS LIST"},
    {"Color-Info", 9, 1, 0, 0, 0, 0, "COLOR INFO LIST"},
    {"Complete-Cast", 10, 1, 0, 0, 0, 0, "CAST COVERAGE TRACKING LIST"},
    {"Complete-Crew", 11, 1, 0, 0, 0, 0, "CREW COVERAGE TRACKING LIST"},
    {"Composers", 12, 1, 1, 1, 1, 1, "THE COMPOSERS LIST"},
    {"Costume-Designers", 13, 1, 1, 1, 1, 1, "THE COSTUME DESIGNERS LIST"},
    {"Countries", 14, 1, 0, 0, 0, 0, "COUNTRIES LIST"},
    {"Crazy-Credits", 15, 1, 0, 0, 2, 1, "CRAZY CREDITS"},
    {"Directors", 16, 1, 1, 1, 1, 1, "THE DIRECTORS LIST"},
    {"Distributors", 17, 1, 0, 0, 0, 0, "DISTRIBUTORS LIST"},
    {"Editors", 18, 1, 1, 1, 1, 1, "THE EDITORS LIST"},
    {"Genres", 19, 1, 0, 0, 0, 0, "8: THE GENRES LIST"},
    {"German-Aka-Titles", 20, 1, 0, 0, 1, 1, "AKA TITLES LIST GERMAN"},
    {"Goofs", 21, 1, 0, 0, 2, 2, "GOOFS LIST"},
    {"Italian-Aka-Titles", 22, 1, 0, 0, 1, 1, "AKA TITLES LIST ITALIAN"},
    {"Keywords", 23, 1, 0, 0, 0, 0, "8: THE KEYWORDS LIST"},
    {"Language", 24, 1, 0, 0, 0, 0, "LANGUAGE LIST"},
    {"Laserdisc", 25, 1, 0, 0, 4, 3, "LASERDISC LIST"},
    {"Literature", 26, 1, 0, 0, 5, 3, "LITERATURE LIST"},
    {"Locations", 27, 1, 0, 0, 0, 0, "LOCATIONS LIST"},
    {"Miscellaneous", 28, 1, 1, 1, 1, 1, "THE MISCELLANEOUS FILMOGRAPHY LIST"},
    {"Miscellaneous-Companies", 29, 1, 0, 0, 0, 0, "MISCELLANEOUS COMPANY LIST"},
    {"Movie-Links", 30, 1, 0, 0, 1, 1, "MOVIE LINKS LIST"},
    {"Movies", 31, 1, 0, 0, 0, 0, "MOVIES LIST"},
    {"Mpaa-Ratings-Reasons", 32, 1, 0, 0, 3, 3, "MPAA RATINGS REASONS LIST"},
    {"Plot", 33, 1, 0, 0, 3, 3, "PLOT SUMMARIES LIST"},
    {"Producers", 34, 1, 1, 1, 1, 1, "THE PRODUCERS LIST"},
    {"Production-Companies", 35, 1, 0, 0, 0, 0, "PRODUCTION COMPANIES LIST"},
    {"Production-Designers", 36, 1, 1, 1, 1, 1, "THE PRODUCTION DESIGNERS LIST"},
    {"Quotes", 37, 1, 0, 0, 2, 4, "QUOTES LIST"},
    {"Ratings", 38, 1, 0, 2, 0, 0, "TOP 250 MOVIES"},
    {"Release-Dates", 39, 1, 0, 0, 0, 0, "RELEASE DATES LIST"},
    {"Running-Times", 40, 1, 0, 0, 0, 0, "RUNNING TIMES LIST"},
    {"Sound-Mix", 41, 1, 0, 0, 0, 0, "SOUND-MIX LIST"},
    {"Soundtracks", 42, 1, 0, 0, 2, 1, "SOUNDTRACKS LIST"},
    {"Special-Effects-Companies", 43, 1, 0, 0, 0, 0, "SFXCO COMPANIES LIST"},
    {"Taglines", 44, 1, 0, 0, 2, 1, "TAG LINES LIST"},
    {"Technical", 45, 1, 0, 0, 0, 0, "TECHNICAL LIST"},
    {"Trivia", 46, 1, 0, 0, 2, 2, "FILM TRIVIA"},
    {"Writers", 47, 1, 1, 1, 1, 1, "THE WRITERS LIST"},
};

const int FilmographyJobOrder[kFilmographyJobCount] = {
    kActors,    kActresses, kDirectors,           kProducers,        kWriters,        kComposers,
    kEditors,   kProductionDesigners, kCinematographers, kCostumeDesigners, kMiscellaneous,
};

std::string DefaultListFileName(int listIndex)
{
    return std::string(ListCatalog[listIndex].name) + ".list";
}
