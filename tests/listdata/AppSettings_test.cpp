#include "listdata/AppSettings.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::MemoryProfile;

namespace {

// Remembers the value names read, in order.
class RecordingProfile : public MemoryProfile {
public:
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) override
    {
        reads.push_back(section + ":" + entry);
        return MemoryProfile::GetProfileInt(section, entry, defaultValue);
    }
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue) override
    {
        reads.push_back(section + ":" + entry);
        return MemoryProfile::GetProfileString(section, entry, defaultValue);
    }
    std::vector<std::string> reads;
};

CAppSettings Loaded(platform::IProfile& profile, const std::string& documents = "/home/u/Documents",
                    const std::string& programDir = "/opt/rv/bin/")
{
    CAppSettings settings;
    settings.SetEnvironment(documents, programDir);
    settings.Load(profile);
    return settings;
}

} // namespace

TEST(AppSettings, AnEmptyProfileGivesTheDefaults)
{
    MemoryProfile profile;
    const CAppSettings s = Loaded(profile);
    for (int i = 0; i < kListCount; ++i) {
        EXPECT_EQ(s.Lists[i].FileName, std::string(ListCatalog[i].name) + ".list");
        EXPECT_EQ(s.Lists[i].UseMovieTV, ListCatalog[i].useMovieTV);
        EXPECT_EQ(s.Lists[i].UseCastCrew, ListCatalog[i].useCastCrew);
    }
    EXPECT_EQ(s.ListsPath, "/home/u/Documents/");
    EXPECT_EQ(s.DefaultDirectoryPath, "/home/u/Documents/");
    EXPECT_EQ(s.DiffilesPath, "/home/u/Documents/");
    EXPECT_EQ(s.SumwatchLogfilePath, "/home/u/Documents/logfile.txt");
    EXPECT_EQ(s.DeltamendLogfilePath, "/home/u/Documents/logfile.txt");
    EXPECT_EQ(s.SumwatchPath, "/opt/rv/bin/sumwatch");
    EXPECT_EQ(s.DeltamendPath, "/opt/rv/bin/deltamend");
    EXPECT_STREQ(s.Font.lfFaceName, "Fixedsys");
    EXPECT_EQ(s.Font.lfHeight, -12);
    EXPECT_EQ(s.Font.lfWeight, 400);
    EXPECT_EQ(s.Font.lfOutPrecision, 3);
    EXPECT_EQ(s.Font.lfPitchAndFamily, 1);
    EXPECT_EQ(s.FontColor, 8u);
    EXPECT_EQ(s.LinkColor, 0u);
    const int ones[] = {s.CastCrewSearchActors,    s.CastCrewSearchActresses, s.CastCrewSearchDirectors,
                        s.CastCrewSearchOtherCrew, s.CastCrewDefaultView,     s.MovieTVDefaultView,
                        s.RemoveNameNumber,        s.UnderlineLinks,          s.DisableLinkColor};
    for (int v : ones)
        EXPECT_EQ(v, 1);
    const int zeros[] = {
        s.SumwatchNoStats, s.SumwatchQuiet,    s.SumwatchLogfile,  s.DeltamendSumwatch,  s.DeltamendForce,
        s.DeltamendKeep,   s.DeltamendLogfile, s.DeltamendNoStats, s.DeltamendQuiet,     s.CastCrewAlsoAka,
        s.MovieTVAlsoAka,  s.SelectedList,     s.FilmographySort,  s.CastCrewSearchType, s.MovieTVSearchType,
        s.CastOrder,       s.NameOutput,       s.NoLinks,          s.AlwaysShowHeaders,  s.OpenMaximized};
    for (int v : zeros)
        EXPECT_EQ(v, 0);
    for (int f : s.BrowserFilter)
        EXPECT_EQ(f, 0);
}

TEST(AppSettings, DefaultDirectoryEndsWithOneSeparatorOrIsTheRoot)
{
    CAppSettings s;
    s.SetEnvironment("/home/u/Documents/", "/bin");
    EXPECT_EQ(s.DefaultDirectory(), "/home/u/Documents/");
    s.SetEnvironment("", "/bin");
    EXPECT_EQ(s.DefaultDirectory(), "/");
    MemoryProfile profile;
    s.Load(profile);
    EXPECT_EQ(s.ListsPath, "/");
    EXPECT_EQ(s.SumwatchPath, "/bin/sumwatch");
}

TEST(AppSettings, ValuesAreReadInTheirOrderUnderTheirNames)
{
    RecordingProfile profile;
    Loaded(profile);
    std::vector<std::string> expected;
    for (int i = 0; i < kListCount; ++i) {
        const std::string section = std::string("Settings/") + ListCatalog[i].name;
        expected.push_back(section + ":FileName");
        if (ListCatalog[i].useMovieTV)
            expected.push_back(section + ":Use Movie/TV");
        if (ListCatalog[i].useCastCrew)
            expected.push_back(section + ":Use Cast/Crew");
    }
    const char* const general[] = {
        "Font Height",
        "Font Width",
        "Font Escapement",
        "Font Orientation",
        "Font Weight",
        "Font Italic",
        "Font Underline",
        "Font StrikeOut",
        "Font CharSet",
        "Font OutPrecision",
        "Font ClipPrecision",
        "Font Quality",
        "Font PitchAndFamily",
        "Font FaceName",
        "Font Color",
        "Link Color",
        "Name Output",
        "Remove Name Number",
        "Underline Links",
        "Disable Link Color",
        "No Links",
        "Always Show Headers",
        "Open Document Maximized",
        "Movie/TV Cast Order",
        "Movie/TV Default View",
        "Movie/TV Search Type",
        "Movie/TV Also Aka",
        "Cast/Crew Search Type",
        "Cast/Crew Also Aka",
        "Cast/Crew Search Actors",
        "Cast/Crew Search Actresses",
        "Cast/Crew Search Directors",
        "Cast/Crew Search OtherCrew",
        "Cast/Crew Filmography Sort",
        "Cast/Crew Default View",
        "Vald Lista",
        "Default Open/Save Directory",
        "Lists Path",
        "Alternate Versions - Browser",
        "Business - Browser",
        "Crazy Credits - Browser",
        "Goofs - Browser",
        "Movie Links - Browser",
        "Plot - Browser",
        "Quotes - Browser",
        "Rating - Browser",
        "Soundtracks - Browser",
        "Taglines - Browser",
        "Trivia - Browser",
        "Deltamend Sumwatch",
        "Deltamend Force",
        "Deltamend Keep",
        "Deltamend Logfile",
        "Deltamend NoStats",
        "Deltamend Quiet",
        "Deltamend Diffiles Path",
        "Deltamend Logfile Path",
        "Deltamend Deltamend Path",
        "Sumwatch Logfile",
        "Sumwatch NoStats",
        "Sumwatch Quiet",
        "Sumwatch Logfile Path",
        "Sumwatch Sumwatch Path",
    };
    for (const char* name : general)
        expected.push_back(std::string("Settings:") + name);
    EXPECT_EQ(profile.reads, expected);
}

TEST(AppSettings, UseFlagsTheCatalogueForbidsLoadAsZeroAndSaveAsZero)
{
    MemoryProfile profile;
    profile.WriteProfileInt("Settings/Aka-Names", "Use Movie/TV", 1);
    profile.WriteProfileInt("Settings/Biographies", "Use Movie/TV", 1);
    profile.WriteProfileInt("Settings/Movies", "Use Cast/Crew", 1);
    profile.WriteProfileInt("Settings/Movies", "Use Movie/TV", 0);
    const CAppSettings s = Loaded(profile);
    EXPECT_EQ(s.Lists[kAkaNames].UseMovieTV, 0);
    EXPECT_EQ(s.Lists[kBiographies].UseMovieTV, 0);
    EXPECT_EQ(s.Lists[kMovies].UseCastCrew, 0);
    EXPECT_EQ(s.Lists[kMovies].UseMovieTV, 0);
    MemoryProfile saved;
    s.Save(saved);
    EXPECT_EQ(saved.GetProfileInt("Settings/Aka-Names", "Use Movie/TV", -1), 0);
    EXPECT_EQ(saved.GetProfileInt("Settings/Movies", "Use Cast/Crew", -1), 0);
}

TEST(AppSettings, OutOfRangeValuesLoadAsTheirDefaults)
{
    struct Case {
        const char* name;
        int stored;
        int expected;
        int CAppSettings::*field;
    };
    const Case cases[] = {
        {"Vald Lista", 47, 47, &CAppSettings::SelectedList},
        {"Vald Lista", 48, 0, &CAppSettings::SelectedList},
        {"Vald Lista", -1, 0, &CAppSettings::SelectedList},
        {"Movie/TV Search Type", 3, 3, &CAppSettings::MovieTVSearchType},
        {"Movie/TV Search Type", 4, 0, &CAppSettings::MovieTVSearchType},
        {"Cast/Crew Search Type", -2, 0, &CAppSettings::CastCrewSearchType},
        {"Movie/TV Default View", 6, 6, &CAppSettings::MovieTVDefaultView},
        {"Movie/TV Default View", 7, 1, &CAppSettings::MovieTVDefaultView},
        {"Movie/TV Default View", 0, 1, &CAppSettings::MovieTVDefaultView},
        {"Cast/Crew Default View", 2, 2, &CAppSettings::CastCrewDefaultView},
        {"Cast/Crew Default View", 3, 1, &CAppSettings::CastCrewDefaultView},
    };
    for (const Case& c : cases) {
        MemoryProfile profile;
        profile.WriteProfileInt("Settings", c.name, c.stored);
        EXPECT_EQ(Loaded(profile).*c.field, c.expected) << c.name << " " << c.stored;
    }
    for (int i = 0; i < kBrowserCount; ++i) {
        for (auto [stored, expected] : {std::pair{26, 26}, {27, 0}, {-1, 0}}) {
            MemoryProfile profile;
            profile.WriteProfileInt("Settings", BrowserFilterNames[i], stored);
            EXPECT_EQ(Loaded(profile).BrowserFilter[i], expected) << BrowserFilterNames[i];
        }
    }
}

TEST(AppSettings, FontBytesTakeTheLowByteAndTheFaceNameIsCut)
{
    const auto repeated = [](const std::string& text, int times) {
        std::string out;
        for (int i = 0; i < times; ++i)
            out += text;
        return out;
    };
    const std::string zhe = "\xD0\x96"; // a Cyrillic letter, two bytes in UTF-8
    // A face name is 31 characters at most, whatever their length in UTF-8.
    const struct {
        std::string stored;
        std::string loaded;
    } faces[] = {
        {std::string(40, 'F'), std::string(31, 'F')},
        {repeated(zhe, 40), repeated(zhe, 31)},
        {"\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0 Mono", "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0 Mono"}, // "Ёлка Mono"
        {std::string(30, 'F') + "\xE4\xB8\xAD\xE6\x96\x87", std::string(30, 'F') + "\xE4\xB8\xAD"},
    };
    for (const auto& face : faces) {
        MemoryProfile profile;
        profile.WriteProfileInt("Settings", "Font Italic", 257);
        profile.WriteProfileInt("Settings", "Font CharSet", 0x1FF);
        profile.WriteProfileString("Settings", "Font FaceName", face.stored);
        const CAppSettings s = Loaded(profile);
        EXPECT_EQ(s.Font.lfItalic, 1);
        EXPECT_EQ(s.Font.lfCharSet, 0xFF);
        EXPECT_EQ(std::string(s.Font.lfFaceName), face.loaded);
        MemoryProfile saved;
        s.Save(saved);
        EXPECT_EQ(saved.GetProfileInt("Settings", "Font Italic", -1), 1);
        EXPECT_EQ(saved.GetProfileString("Settings", "Font FaceName", ""), face.loaded);
    }
}

TEST(AppSettings, EveryValueRoundTripsThroughTheProfile)
{
    MemoryProfile empty;
    CAppSettings a = Loaded(empty);
    // Every field away from its default.
    int n = 2;
    for (int* f : {&a.SumwatchNoStats,
                   &a.SumwatchQuiet,
                   &a.SumwatchLogfile,
                   &a.DeltamendSumwatch,
                   &a.DeltamendForce,
                   &a.DeltamendKeep,
                   &a.DeltamendLogfile,
                   &a.DeltamendNoStats,
                   &a.DeltamendQuiet,
                   &a.CastCrewSearchActors,
                   &a.CastCrewSearchActresses,
                   &a.CastCrewSearchDirectors,
                   &a.CastCrewSearchOtherCrew,
                   &a.CastCrewAlsoAka,
                   &a.MovieTVAlsoAka,
                   &a.FilmographySort,
                   &a.CastOrder,
                   &a.NameOutput,
                   &a.RemoveNameNumber,
                   &a.UnderlineLinks,
                   &a.DisableLinkColor,
                   &a.NoLinks,
                   &a.AlwaysShowHeaders,
                   &a.OpenMaximized})
        *f = n++;
    a.SelectedList = 41;
    a.CastCrewDefaultView = 2;
    a.CastCrewSearchType = 3;
    a.MovieTVSearchType = 2;
    a.MovieTVDefaultView = 5;
    for (int i = 0; i < kBrowserCount; ++i)
        a.BrowserFilter[i] = i + 1;
    a.SumwatchLogfilePath = "/var/log/sw.txt";
    a.SumwatchPath = "/usr/bin/sw";
    a.DiffilesPath = "/diffs/";
    a.DeltamendLogfilePath = "/var/log/dm.txt";
    a.DeltamendPath = "/usr/bin/dm";
    a.ListsPath = "/data/lists/caf\xE9/";
    a.DefaultDirectoryPath = "/docs/";
    a.LinkColor = platform::Rgb(1, 2, 3);
    a.FontColor = platform::Rgb(200, 100, 50);
    a.Font.lfHeight = -20;
    a.Font.lfWidth = 3;
    a.Font.lfEscapement = 900;
    a.Font.lfOrientation = 450;
    a.Font.lfWeight = 700;
    a.Font.lfItalic = 1;
    a.Font.lfUnderline = 1;
    a.Font.lfStrikeOut = 1;
    a.Font.lfCharSet = 238;
    a.Font.lfOutPrecision = 7;
    a.Font.lfClipPrecision = 2;
    a.Font.lfQuality = 5;
    a.Font.lfPitchAndFamily = 49;
    std::strcpy(a.Font.lfFaceName, "DejaVu Sans Mono");
    for (int i = 0; i < kListCount; ++i) {
        a.Lists[i].FileName = "file" + std::to_string(i) + ".txt";
        a.Lists[i].UseMovieTV = ListCatalog[i].useMovieTV ? (i % 3 != 0) : 0;
        a.Lists[i].UseCastCrew = ListCatalog[i].useCastCrew ? i % 2 : 0;
    }

    MemoryProfile profile;
    a.Save(profile);
    EXPECT_EQ(profile.Values().size(), static_cast<std::size_t>(3 * kListCount + 63));
    const CAppSettings b = Loaded(profile, "/elsewhere", "/other/");
    MemoryProfile again;
    b.Save(again);
    EXPECT_EQ(again.Values(), profile.Values());
    EXPECT_EQ(b.ListsPath, a.ListsPath);
    EXPECT_STREQ(b.Font.lfFaceName, "DejaVu Sans Mono");
}
