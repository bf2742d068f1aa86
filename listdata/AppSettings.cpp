#include "listdata/AppSettings.h"

#include "platform/Paths.h"

#include <cstring>
#include <limits>

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

// An int setting of the "Settings" section; a loaded value outside [low, high] loads as
// its default.
struct IntSetting {
    const char* key;
    int CAppSettings::*member;
    int defaultValue;
    int low = std::numeric_limits<int>::min();
    int high = std::numeric_limits<int>::max();
};

const IntSetting kViewInts[] = {
    {"Name Output", &CAppSettings::NameOutput, 0},
    {"Remove Name Number", &CAppSettings::RemoveNameNumber, 1},
    {"Underline Links", &CAppSettings::UnderlineLinks, 1},
    {"Disable Link Color", &CAppSettings::DisableLinkColor, 1},
    {"No Links", &CAppSettings::NoLinks, 0},
    {"Always Show Headers", &CAppSettings::AlwaysShowHeaders, 0},
    {"Open Document Maximized", &CAppSettings::OpenMaximized, 0},
    {"Movie/TV Cast Order", &CAppSettings::CastOrder, 0},
    {"Movie/TV Default View", &CAppSettings::MovieTVDefaultView, 1, 1, 6},
    {"Movie/TV Search Type", &CAppSettings::MovieTVSearchType, 0, 0, 3},
    {"Movie/TV Also Aka", &CAppSettings::MovieTVAlsoAka, 0},
    {"Cast/Crew Search Type", &CAppSettings::CastCrewSearchType, 0, 0, 3},
    {"Cast/Crew Also Aka", &CAppSettings::CastCrewAlsoAka, 0},
    {"Cast/Crew Search Actors", &CAppSettings::CastCrewSearchActors, 1},
    {"Cast/Crew Search Actresses", &CAppSettings::CastCrewSearchActresses, 1},
    {"Cast/Crew Search Directors", &CAppSettings::CastCrewSearchDirectors, 1},
    {"Cast/Crew Search OtherCrew", &CAppSettings::CastCrewSearchOtherCrew, 1},
    {"Cast/Crew Filmography Sort", &CAppSettings::FilmographySort, 0},
    {"Cast/Crew Default View", &CAppSettings::CastCrewDefaultView, 1, 1, 2},
    {"Vald Lista", &CAppSettings::SelectedList, 0, 0, kListCount - 1},
};

const IntSetting kDeltamendInts[] = {
    {"Deltamend Sumwatch", &CAppSettings::DeltamendSumwatch, 0},
    {"Deltamend Force", &CAppSettings::DeltamendForce, 0},
    {"Deltamend Keep", &CAppSettings::DeltamendKeep, 0},
    {"Deltamend Logfile", &CAppSettings::DeltamendLogfile, 0},
    {"Deltamend NoStats", &CAppSettings::DeltamendNoStats, 0},
    {"Deltamend Quiet", &CAppSettings::DeltamendQuiet, 0},
};

const IntSetting kSumwatchInts[] = {
    {"Sumwatch Logfile", &CAppSettings::SumwatchLogfile, 0},
    {"Sumwatch NoStats", &CAppSettings::SumwatchNoStats, 0},
    {"Sumwatch Quiet", &CAppSettings::SumwatchQuiet, 0},
};

template <std::size_t N>
void LoadInts(platform::IProfile& p, const std::string& section, CAppSettings& settings, const IntSetting (&table)[N])
{
    for (const IntSetting& e : table)
        settings.*e.member = InRange(p.GetProfileInt(section, e.key, e.defaultValue), e.low, e.high, e.defaultValue);
}

template <std::size_t N>
void SaveInts(platform::IProfile& p, const std::string& section, const CAppSettings& settings,
              const IntSetting (&table)[N])
{
    for (const IntSetting& e : table)
        p.WriteProfileInt(section, e.key, settings.*e.member);
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
    platform::SetFaceName(Font.lfFaceName, p.GetProfileString(s, "Font FaceName", "Fixedsys"));

    FontColor = static_cast<platform::ColorRef>(p.GetProfileInt(s, "Font Color", 8));
    LinkColor = static_cast<platform::ColorRef>(p.GetProfileInt(s, "Link Color", 0));
    LoadInts(p, s, *this, kViewInts);

    DefaultDirectoryPath = p.GetProfileString(s, "Default Open/Save Directory", DefaultDirectory());
    ListsPath = p.GetProfileString(s, "Lists Path", DefaultDirectory());

    for (int i = 0; i < kBrowserCount; ++i)
        BrowserFilter[i] = InRange(p.GetProfileInt(s, BrowserFilterNames[i], 0), 0, 26, 0);

    LoadInts(p, s, *this, kDeltamendInts);
    DiffilesPath = p.GetProfileString(s, "Deltamend Diffiles Path", DefaultDirectory());
    DeltamendLogfilePath = p.GetProfileString(s, "Deltamend Logfile Path", DefaultDirectory() + kLogfileName);
    DeltamendPath = p.GetProfileString(s, "Deltamend Deltamend Path", m_programDir + kDeltamendProgram);

    LoadInts(p, s, *this, kSumwatchInts);
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
    SaveInts(p, s, *this, kViewInts);

    p.WriteProfileString(s, "Default Open/Save Directory", DefaultDirectoryPath);
    p.WriteProfileString(s, "Lists Path", ListsPath);

    for (int i = 0; i < kBrowserCount; ++i)
        p.WriteProfileInt(s, BrowserFilterNames[i], BrowserFilter[i]);

    SaveInts(p, s, *this, kDeltamendInts);
    p.WriteProfileString(s, "Deltamend Diffiles Path", DiffilesPath);
    p.WriteProfileString(s, "Deltamend Logfile Path", DeltamendLogfilePath);
    p.WriteProfileString(s, "Deltamend Deltamend Path", DeltamendPath);

    SaveInts(p, s, *this, kSumwatchInts);
    p.WriteProfileString(s, "Sumwatch Logfile Path", SumwatchLogfilePath);
    p.WriteProfileString(s, "Sumwatch Sumwatch Path", SumwatchPath);
}
