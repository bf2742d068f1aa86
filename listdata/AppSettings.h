#pragma once
// Every persistent choice of the program, loaded once at start-up from the user's
// profile and saved whole after each dialog that changes it. Paths, file names and the
// font face name are UTF-8, as the file system and the profile take them.

#include "listdata/ListCatalog.h"
#include "platform/LogFont.h"
#include "platform/Profile.h"

#include <string>

struct ListFileSettings {
    std::string FileName;
    int UseMovieTV = 0;
    int UseCastCrew = 0;
};

// Browser letter filters, in the order of their profile values.
constexpr int kBrowserCount = 11;
extern const char* const BrowserFilterNames[kBrowserCount];

class CAppSettings {
public:
    CAppSettings();
    virtual ~CAppSettings();

    // Reads every value, with its default where the profile has none (or an out-of-range one).
    void Load(platform::IProfile& profile);
    // Writes every value.
    void Save(platform::IProfile& profile) const;

    // The user's documents folder with a trailing "/", or "/" when it is not known.
    std::string DefaultDirectory() const;

    // Where the defaults come from: the user's documents folder (empty when unknown) and
    // the program's directory (trailing "/"). Set before Load.
    void SetEnvironment(const std::string& documentsFolder, const std::string& programDir);
    const std::string& ProgramDir() const { return m_programDir; }

    int SumwatchNoStats = 0;
    int SumwatchQuiet = 0;
    int SumwatchLogfile = 0;
    std::string SumwatchLogfilePath;
    std::string SumwatchPath;
    int DeltamendSumwatch = 0;
    int DeltamendForce = 0;
    int DeltamendKeep = 0;
    int DeltamendLogfile = 0;
    int DeltamendNoStats = 0;
    int DeltamendQuiet = 0;
    std::string DiffilesPath;
    std::string DeltamendLogfilePath;
    std::string DeltamendPath;
    int BrowserFilter[kBrowserCount] = {};
    std::string ListsPath;
    std::string DefaultDirectoryPath; // "Default Open/Save Directory"
    int CastCrewSearchActors = 1;
    int CastCrewSearchActresses = 1;
    int CastCrewSearchDirectors = 1;
    int CastCrewSearchOtherCrew = 1;
    int CastCrewAlsoAka = 0;
    int MovieTVAlsoAka = 0;
    int SelectedList = 0;
    int FilmographySort = 0;
    int CastCrewDefaultView = 1;
    int CastCrewSearchType = 0;
    int MovieTVSearchType = 0;
    int CastOrder = 0;
    int MovieTVDefaultView = 1;
    int NameOutput = 0;
    int RemoveNameNumber = 1;
    int UnderlineLinks = 1;
    int DisableLinkColor = 1;
    int NoLinks = 0;
    int AlwaysShowHeaders = 0;
    int OpenMaximized = 0;
    platform::ColorRef LinkColor = 0;
    platform::ColorRef FontColor = 8;
    platform::LogFont Font;
    ListFileSettings Lists[kListCount];

    // Full path of list i: ListsPath immediately followed by its file name.
    std::string ListFilePath(int listIndex) const;

private:
    std::string m_documentsFolder;
    std::string m_programDir = "/";
};

// Section names.
extern const char* const kSettingsSection; // "Settings"
std::string ListSettingsSection(int listIndex); // "Settings/<list name>"
