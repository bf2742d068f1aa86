#include "tools/ListShapes.h"
#include "listdata/ListCatalog.h"
#include "listdata/ListFile.h"

#include <stdexcept>

namespace listgen {

bool ShapeContext::Covers(std::uint64_t key, std::uint32_t percent) const
{
    if (key < 2)
        return true;
    return Mix(universe.Seed(), 61, static_cast<std::uint64_t>(listIndex), key) % 100 < percent;
}

std::size_t ShapeContext::HostileLength(Rng& rng) const
{
    // Around the reader's 1023-character buffer, well past it, and past the checker's
    // 8192-character line limit (rarely, since the checksum stops covering there).
    static const std::size_t kLengths[] = {1022, 1023, 1023, 1024, 1500, 1500, 2046, 3000, 9000};
    if (!options.hostile || !rng.Percent(6))
        return 0;
    return kLengths[rng.Below(sizeof kLengths / sizeof kLengths[0])];
}

void PadLine(std::string& line, std::size_t length)
{
    static const char* const kWords[] = {"lorem",
                                         "ipsum",
                                         "caf\xE9",
                                         "dolor",
                                         "\xA9"
                                         "2001",
                                         "sit",
                                         "amet",
                                         "na\xEFve",
                                         "\xBD",
                                         "consectetur"};
    std::size_t i = 0;
    while (line.size() < length) {
        if (!line.empty() && line.back() != ' ')
            line += ' ';
        line += kWords[i++ % (sizeof kWords / sizeof kWords[0])];
    }
    line.resize(length);
    if (line.back() == ' ')
        line.back() = '.';
}

void AppendHostileLine(const ShapeContext& c, Rng& rng, std::string& out, const char* prefix)
{
    if (const std::size_t length = c.HostileLength(rng)) {
        std::string line = prefix;
        PadLine(line, length);
        out += line + "\n";
    }
}

void AppendSplitLine(const ShapeContext& c, std::string& out, std::string head, const std::string& continuation)
{
    if (!c.options.hostile)
        return;
    PadLine(head, CListFile::kLineSize - 1);
    out += head + continuation + "\n";
}

const ListShape& ShapeOf(int listIndex)
{
    static const ListShape shapeCast{true, WriteCastRecord};
    static const ListShape shapeCrew{true, WriteCrewRecord};
    static const ListShape shapeWriters{true, WriteWritersRecord};
    static const ListShape shapeAkaNames{true, WriteAkaNamesRecord};
    static const ListShape shapeBiographies{true, WriteBiographyRecord};
    static const ListShape shapeMovies{false, WriteMoviesRecord};
    static const ListShape shapeValues{false, WriteTitleValueRecord};
    static const ListShape shapeWords{false, WriteTitleWordRecord};
    static const ListShape shapeReleaseDates{false, WriteReleaseDatesRecord};
    static const ListShape shapeTechnical{false, WriteTechnicalRecord};
    static const ListShape shapeCoverage{false, WriteCoverageRecord};
    static const ListShape shapeHashItems{false, WriteHashItemsRecord};
    static const ListShape shapeGoofs{false, WriteGoofsRecord};
    static const ListShape shapeTrivia{false, WriteTriviaRecord};
    static const ListShape shapeQuotes{false, WriteQuotesRecord};
    static const ListShape shapeSoundtracks{false, WriteSoundtracksRecord};
    static const ListShape shapeTaglines{false, WriteTaglinesRecord};
    static const ListShape shapeBusiness{false, WriteBusinessRecord};
    static const ListShape shapeMpaa{false, WriteMpaaRecord};
    static const ListShape shapePlot{false, WritePlotRecord};
    static const ListShape shapeLaserdisc{false, WriteLaserdiscRecord};
    static const ListShape shapeLiterature{false, WriteLiteratureRecord};
    static const ListShape shapeAkaTitles{false, WriteAkaTitlesRecord};
    static const ListShape shapeMovieLinks{false, WriteMovieLinksRecord};
    static const ListShape shapeRatingsTables{false, nullptr};

    switch (listIndex) {
    case kActors:
    case kActresses:
        return shapeCast;
    case kCinematographers:
    case kComposers:
    case kCostumeDesigners:
    case kDirectors:
    case kEditors:
    case kMiscellaneous:
    case kProducers:
    case kProductionDesigners:
        return shapeCrew;
    case kWriters:
        return shapeWriters;
    case kAkaNames:
        return shapeAkaNames;
    case kBiographies:
        return shapeBiographies;
    case kAkaTitles:
    case kGermanAkaTitles:
    case kItalianAkaTitles:
        return shapeAkaTitles;
    case kAlternateVersions:
    case kCrazyCredits:
        return shapeHashItems;
    case kBusiness:
        return shapeBusiness;
    case kCertificates:
    case kColorInfo:
    case kDistributors:
    case kLanguage:
    case kLocations:
    case kMiscellaneousCompanies:
    case kProductionCompanies:
    case kRunningTimes:
    case kSoundMix:
    case kSpecialEffectsCompanies:
        return shapeValues;
    case kCompleteCast:
    case kCompleteCrew:
        return shapeCoverage;
    case kCountries:
    case kGenres:
    case kKeywords:
        return shapeWords;
    case kGoofs:
        return shapeGoofs;
    case kLaserdisc:
        return shapeLaserdisc;
    case kLiterature:
        return shapeLiterature;
    case kMovieLinks:
        return shapeMovieLinks;
    case kMovies:
        return shapeMovies;
    case kMpaaRatingsReasons:
        return shapeMpaa;
    case kPlot:
        return shapePlot;
    case kQuotes:
        return shapeQuotes;
    case kRatings:
        return shapeRatingsTables;
    case kReleaseDates:
        return shapeReleaseDates;
    case kSoundtracks:
        return shapeSoundtracks;
    case kTaglines:
        return shapeTaglines;
    case kTechnical:
        return shapeTechnical;
    case kTrivia:
        return shapeTrivia;
    default:
        throw std::out_of_range("no list " + std::to_string(listIndex));
    }
}

bool IsPersonKeyed(int listIndex)
{
    return ShapeOf(listIndex).personKeyed;
}

} // namespace listgen
