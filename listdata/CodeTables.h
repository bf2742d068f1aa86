#pragma once
// The prefix codes of the lists that mark each line's kind. The codes are stored as record
// keys in document files, so a code never changes once written; a new prefix gets a new code.

#include <cstdint>

struct CodeTableEntry {
    std::int32_t code;
    const char* prefix;
};

// Business: prefix followed by ": ".
constexpr int kBusinessCodeCount = 10;
extern const CodeTableEntry BusinessCodes[kBusinessCodeCount];

// Goofs: prefix at the line's third character (after "- "), followed by ": ".
constexpr int kGoofCodeCount = 12;
extern const CodeTableEntry GoofCodes[kGoofCodeCount];

// Laserdisc: prefix followed by ": ".
constexpr int kLaserdiscCodeCount = 36;
extern const CodeTableEntry LaserdiscCodes[kLaserdiscCodeCount];

// Literature: prefix followed by ": ".
constexpr int kLiteratureCodeCount = 9;
extern const CodeTableEntry LiteratureCodes[kLiteratureCodeCount];

// Movie links: phrase at the line's fourth character (after two blanks and '('), followed
// by a blank. "spin off from" precedes "spin off" so that the longer phrase wins.
constexpr int kMovieLinkCodeCount = 16;
extern const CodeTableEntry MovieLinkCodes[kMovieLinkCodeCount];

// Plot: prefix followed by ": ".
constexpr int kPlotCodeCount = 2;
extern const CodeTableEntry PlotCodes[kPlotCodeCount];

// Technical: prefix followed by ':' with no blank.
constexpr int kTechnicalCodeCount = 7;
extern const CodeTableEntry TechnicalCodes[kTechnicalCodeCount];

// Biographies: prefix followed by ": ". The gaps between codes hold the part values of the
// field parsers (record key = code + part).
constexpr int kBiographyCodeCount = 24;
extern const CodeTableEntry BiographyCodes[kBiographyCodeCount];
