#include "listdata/AppSettings.h"

#include "platform/Paths.h"

#include <cstring>

const char* const BrowserFilterNames[kBrowserCount] = {
    "Alternate Versions - Browser", "Business - Browser", "Crazy Credits - Browser", "Goofs - Browser",
    "Movie Links - Browser",        "Plot - Browser",     "Quotes - Browser",        "Rating - Browser",
    "Soundtracks - Browser",        "Taglines - Browser", "Trivia - Browser",
};

const char* const kSettingsSection = "Settings";

std::string ListSettingsSection(int listIndex)
{
    return std::string(kSettingsSection) + "/" + ListCatalog[listIndex].name;
}

namespace {

const char* const kLogfileName = "logfile.txt";
const char* const kSumwatchProgram = "sumwatch";
const char* const kDeltamendProgram = "deltamend";

// A value outside [low, high] loads as its default.
int InRange(int value, int low, int high, int defaultValue)
{
    return value < low || value > high ? defaultValue : value;
}

std::uint8_t LowByte(int value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

CAppSettings::CAppSettings() = default;

CAppSettings::~CAppSettings() = default;

void CAppSettings::SetEnvironment(const std::string& documentsFolder, const std::string& programDir)
{
    m_documentsFolder = documentsFolder;
    m_programDir = programDir.empty() ? std::string("/") : platform::WithTrailingSeparator(programDir);
}

std::string CAppSettings::DefaultDirectory() const
{
    if (m_documentsFolder.empty())
        return "/";
    return platform::WithTrailingSeparator(m_documentsFolder);
}

std::string CAppSettings::ListFilePath(int listIndex) const
{
    return ListsPath + Lists[listIndex].FileName;
}

void CAppSettings::Load(platform::IProfile& p)
{
    for (int i = 0; i < kListCount; ++i) {
        const std::string section = ListSettingsSection(i);
        ListFileSettings& list = Lists[i];
        list.FileName = p.GetProfileString(section, "FileName", DefaultListFileName(i));
        const ListCatalogEntry& entry = ListCatalog[i];
        // A list the catalogue marks unusable for a kind is never read for it.
        list.UseMovieTV = entry.useMovieTV ? p.GetProfileInt(section, "Use Movie/TV", entry.useMovieTV) : 0;
        list.UseCastCrew = entry.useCastCrew ? p.GetProfileInt(section, "Use Cast/Crew", entry.useCastCrew) : 0;
    }

    const std::string s = kSettingsSection;
    Font.lfHeight = p.GetProfileInt(s, "Font Height", -12);
    Font.lfWidth = p.GetProfileInt(s, "Font Width", 0);
    Font.lfEscapement = p.GetProfileInt(s, "Font Escapement", 0);
    Font.lfOrientation = p.GetProfileInt(s, "Font Orientation", 0);
    Font.lfWeight = p.GetProfileInt(s, "Font Weight", 400);
    Font.lfItalic = LowByte(p.GetProfileInt(s, "Font Italic", 0));
    Font.lfUnderline = LowByte(p.GetProfileInt(s, "Font Underline", 0));
    Font.lfStrikeOut = LowByte(p.GetProfileInt(s, "Font StrikeOut", 0));
    Font.lfCharSet = LowByte(p.GetProfileInt(s, "Font CharSet", 0));
    Font.lfOutPrecision = LowByte(p.GetProfileInt(s, "Font OutPrecision", 3));
    Font.lfClipPrecision = LowByte(p.GetProfileInt(s, "Font ClipPrecision", 0));
    Font.lfQuality = LowByte(p.GetProfileInt(s, "Font Quality", 0));
    Font.lfPitchAndFamily = LowByte(p.GetProfileInt(s, "Font PitchAndFamily", 1));
    const std::string face = p.GetProfileString(s, "Font FaceName", "Fixedsys");
    std::memset(Font.lfFaceName, 0, sizeof Font.lfFaceName);
    std::memcpy(Font.lfFaceName, face.data(), std::min<std::size_t>(face.size(), platform::kFaceNameSize - 1));

    FontColor = static_cast<platform::ColorRef>(p.GetProfileInt(s, "Font Color", 8));
    LinkColor = static_cast<platform::ColorRef>(p.GetProfileInt(s, "Link Color", 0));
    NameOutput = p.GetProfileInt(s, "Name Output", 0);
    RemoveNameNumber = p.GetProfileInt(s, "Remove Name Number", 1);
    UnderlineLinks = p.GetProfileInt(s, "Underline Links", 1);
    DisableLinkColor = p.GetProfileInt(s, "Disable Link Color", 1);
    NoLinks = p.GetProfileInt(s, "No Links", 0);
    AlwaysShowHeaders = p.GetProfileInt(s, "Always Show Headers", 0);
    OpenMaximized = p.GetProfileInt(s, "Open Document Maximized", 0);
    CastOrder = p.GetProfileInt(s, "Movie/TV Cast Order", 0);
    MovieTVDefaultView = InRange(p.GetProfileInt(s, "Movie/TV Default View", 1), 1, 6, 1);
    MovieTVSearchType = InRange(p.GetProfileInt(s, "Movie/TV Search Type", 0), 0, 3, 0);
    MovieTVAlsoAka = p.GetProfileInt(s, "Movie/TV Also Aka", 0);
    CastCrewSearchType = InRange(p.GetProfileInt(s, "Cast/Crew Search Type", 0), 0, 3, 0);
    CastCrewAlsoAka = p.GetProfileInt(s, "Cast/Crew Also Aka", 0);
    CastCrewSearchActors = p.GetProfileInt(s, "Cast/Crew Search Actors", 1);
    CastCrewSearchActresses = p.GetProfileInt(s, "Cast/Crew Search Actresses", 1);
    CastCrewSearchDirectors = p.GetProfileInt(s, "Cast/Crew Search Directors", 1);
    CastCrewSearchOtherCrew = p.GetProfileInt(s, "Cast/Crew Search OtherCrew", 1);
    FilmographySort = p.GetProfileInt(s, "Cast/Crew Filmography Sort", 0);
    CastCrewDefaultView = InRange(p.GetProfileInt(s, "Cast/Crew Default View", 1), 1, 2, 1);
    SelectedList = InRange(p.GetProfileInt(s, "Vald Lista", 0), 0, kListCount - 1, 0);

    DefaultDirectoryPath = p.GetProfileString(s, "Default Open/Save Directory", DefaultDirectory());
    ListsPath = p.GetProfileString(s, "Lists Path", DefaultDirectory());

    for (int i = 0; i < kBrowserCount; ++i)
        BrowserFilter[i] = InRange(p.GetProfileInt(s, BrowserFilterNames[i], 0), 0, 26, 0);

    DeltamendSumwatch = p.GetProfileInt(s, "Deltamend Sumwatch", 0);
    DeltamendForce = p.GetProfileInt(s, "Deltamend Force", 0);
    DeltamendKeep = p.GetProfileInt(s, "Deltamend Keep", 0);
    DeltamendLogfile = p.GetProfileInt(s, "Deltamend Logfile", 0);
    DeltamendNoStats = p.GetProfileInt(s, "Deltamend NoStats", 0);
    DeltamendQuiet = p.GetProfileInt(s, "Deltamend Quiet", 0);
    DiffilesPath = p.GetProfileString(s, "Deltamend Diffiles Path", DefaultDirectory());
    DeltamendLogfilePath = p.GetProfileString(s, "Deltamend Logfile Path", DefaultDirectory() + kLogfileName);
    DeltamendPath = p.GetProfileString(s, "Deltamend Deltamend Path", m_programDir + kDeltamendProgram);

    SumwatchLogfile = p.GetProfileInt(s, "Sumwatch Logfile", 0);
    SumwatchNoStats = p.GetProfileInt(s, "Sumwatch NoStats", 0);
    SumwatchQuiet = p.GetProfileInt(s, "Sumwatch Quiet", 0);
    SumwatchLogfilePath = p.GetProfileString(s, "Sumwatch Logfile Path", DefaultDirectory() + kLogfileName);
    SumwatchPath = p.GetProfileString(s, "Sumwatch Sumwatch Path", m_programDir + kSumwatchProgram);
}

void CAppSettings::Save(platform::IProfile& p) const
{
    for (int i = 0; i < kListCount; ++i) {
        const std::string section = ListSettingsSection(i);
        p.WriteProfileString(section, "FileName", Lists[i].FileName);
        p.WriteProfileInt(section, "Use Movie/TV", Lists[i].UseMovieTV);
        p.WriteProfileInt(section, "Use Cast/Crew", Lists[i].UseCastCrew);
    }

    const std::string s = kSettingsSection;
    p.WriteProfileInt(s, "Font Height", Font.lfHeight);
    p.WriteProfileInt(s, "Font Width", Font.lfWidth);
    p.WriteProfileInt(s, "Font Escapement", Font.lfEscapement);
    p.WriteProfileInt(s, "Font Orientation", Font.lfOrientation);
    p.WriteProfileInt(s, "Font Weight", Font.lfWeight);
    p.WriteProfileInt(s, "Font Italic", Font.lfItalic);
    p.WriteProfileInt(s, "Font Underline", Font.lfUnderline);
    p.WriteProfileInt(s, "Font StrikeOut", Font.lfStrikeOut);
    p.WriteProfileInt(s, "Font CharSet", Font.lfCharSet);
    p.WriteProfileInt(s, "Font OutPrecision", Font.lfOutPrecision);
    p.WriteProfileInt(s, "Font ClipPrecision", Font.lfClipPrecision);
    p.WriteProfileInt(s, "Font Quality", Font.lfQuality);
    p.WriteProfileInt(s, "Font PitchAndFamily", Font.lfPitchAndFamily);
    p.WriteProfileString(s, "Font FaceName",
                         std::string(Font.lfFaceName, strnlen(Font.lfFaceName, platform::kFaceNameSize)));
    p.WriteProfileInt(s, "Font Color", static_cast<int>(FontColor));
    p.WriteProfileInt(s, "Link Color", static_cast<int>(LinkColor));
    p.WriteProfileInt(s, "Name Output", NameOutput);
    p.WriteProfileInt(s, "Remove Name Number", RemoveNameNumber);
    p.WriteProfileInt(s, "Underline Links", UnderlineLinks);
    p.WriteProfileInt(s, "Disable Link Color", DisableLinkColor);
    p.WriteProfileInt(s, "No Links", NoLinks);
    p.WriteProfileInt(s, "Always Show Headers", AlwaysShowHeaders);
    p.WriteProfileInt(s, "Open Document Maximized", OpenMaximized);
    p.WriteProfileInt(s, "Movie/TV Cast Order", CastOrder);
    p.WriteProfileInt(s, "Movie/TV Default View", MovieTVDefaultView);
    p.WriteProfileInt(s, "Movie/TV Search Type", MovieTVSearchType);
    p.WriteProfileInt(s, "Movie/TV Also Aka", MovieTVAlsoAka);
    p.WriteProfileInt(s, "Cast/Crew Search Type", CastCrewSearchType);
    p.WriteProfileInt(s, "Cast/Crew Also Aka", CastCrewAlsoAka);
    p.WriteProfileInt(s, "Cast/Crew Search Actors", CastCrewSearchActors);
    p.WriteProfileInt(s, "Cast/Crew Search Actresses", CastCrewSearchActresses);
    p.WriteProfileInt(s, "Cast/Crew Search Directors", CastCrewSearchDirectors);
    p.WriteProfileInt(s, "Cast/Crew Search OtherCrew", CastCrewSearchOtherCrew);
    p.WriteProfileInt(s, "Cast/Crew Filmography Sort", FilmographySort);
    p.WriteProfileInt(s, "Cast/Crew Default View", CastCrewDefaultView);
    p.WriteProfileInt(s, "Vald Lista", SelectedList);

    p.WriteProfileString(s, "Default Open/Save Directory", DefaultDirectoryPath);
    p.WriteProfileString(s, "Lists Path", ListsPath);

    for (int i = 0; i < kBrowserCount; ++i)
        p.WriteProfileInt(s, BrowserFilterNames[i], BrowserFilter[i]);

    p.WriteProfileInt(s, "Deltamend Sumwatch", DeltamendSumwatch);
    p.WriteProfileInt(s, "Deltamend Force", DeltamendForce);
    p.WriteProfileInt(s, "Deltamend Keep", DeltamendKeep);
    p.WriteProfileInt(s, "Deltamend Logfile", DeltamendLogfile);
    p.WriteProfileInt(s, "Deltamend NoStats", DeltamendNoStats);
    p.WriteProfileInt(s, "Deltamend Quiet", DeltamendQuiet);
    p.WriteProfileString(s, "Deltamend Diffiles Path", DiffilesPath);
    p.WriteProfileString(s, "Deltamend Logfile Path", DeltamendLogfilePath);
    p.WriteProfileString(s, "Deltamend Deltamend Path", DeltamendPath);

    p.WriteProfileInt(s, "Sumwatch Logfile", SumwatchLogfile);
    p.WriteProfileInt(s, "Sumwatch NoStats", SumwatchNoStats);
    p.WriteProfileInt(s, "Sumwatch Quiet", SumwatchQuiet);
    p.WriteProfileString(s, "Sumwatch Logfile Path", SumwatchLogfilePath);
    p.WriteProfileString(s, "Sumwatch Sumwatch Path", SumwatchPath);
}
