#include "listdata/AppSettings.h"
#include "platform/RecentFileList.h"
#include "platform/qt/QtProfile.h"
#include "platform/qt/QtText.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSettings>
#include <cstring>
#include <gtest/gtest.h>

TEST(QtProfile, TheSettingsRecordRoundTripsThroughAnIniFile)
{
    testsupport::TempDir dir;
    const QString ini = QString::fromStdString(dir.File("Reelvoyager.conf"));
    CAppSettings a;
    a.SetEnvironment("/home/u/Documents", "/opt/rv/");
    {
        platform::QtProfile empty(ini);
        a.Load(empty);
    }
    // Paths and the face name are UTF-8, in any script.
    a.ListsPath = "/data/Caf\xC3\xA9 lists/";
    a.DefaultDirectoryPath = "/home/\xC5\x81\xC3\xB3\x64\xC5\xBA/";                          // "Łódź"
    a.SumwatchLogfilePath = "/var/\xD0\xA4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBC\xD1\x8B/log.txt"; // "Фильмы"
    a.Lists[kActors].FileName = "actors.list";
    a.Lists[kActors].UseCastCrew = 0;
    a.SelectedList = 12;
    a.Font.lfItalic = 1;
    std::strcpy(a.Font.lfFaceName, "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0 Mono"); // "Ёлка Mono"
    a.FontColor = platform::Rgb(255, 255, 255);
    {
        platform::QtProfile profile(ini);
        a.Save(profile);
        profile.Settings().sync();
        EXPECT_EQ(profile.Settings().status(), QSettings::NoError);
    }
    CAppSettings b;
    b.SetEnvironment("/elsewhere", "/other/");
    platform::QtProfile profile(ini);
    b.Load(profile);
    platform::MemoryProfile written, reread;
    a.Save(written);
    b.Save(reread);
    EXPECT_EQ(written.Values(), reread.Values());
    EXPECT_EQ(b.ListsPath, a.ListsPath);
    EXPECT_EQ(b.DefaultDirectoryPath, a.DefaultDirectoryPath);
    EXPECT_EQ(b.SumwatchLogfilePath, a.SumwatchLogfilePath);
    EXPECT_STREQ(b.Font.lfFaceName, a.Font.lfFaceName);
    EXPECT_EQ(b.FontColor, 0x00FFFFFFu);
    // Strings are stored as Unicode, so the file is readable UTF-8.
    const std::string file = testsupport::ReadFile(dir.File("Reelvoyager.conf"));
    for (const std::string& stored : {a.ListsPath, a.DefaultDirectoryPath, std::string(a.Font.lfFaceName)})
        EXPECT_NE(file.find(stored), std::string::npos) << stored;
}

// A profile written before paths were kept as UTF-8 held the same Unicode text: it reads
// as the same paths, names and face.
TEST(QtProfile, AnOlderProfileReadsAsTheSamePaths)
{
    testsupport::TempDir dir;
    const QString ini = QString::fromStdString(dir.File("Reelvoyager.conf"));
    {
        QSettings older(ini, QSettings::IniFormat);
        older.setValue("Settings/Lists Path", QStringLiteral("/home/zo\u00EB/lists/"));
        older.setValue("Settings/Default Open%2FSave Directory", QStringLiteral("/home/zo\u00EB/"));
        older.setValue("Settings/Sumwatch Sumwatch Path", QStringLiteral("/opt/\u00C5ngstr\u00F6m/sumwatch"));
        older.setValue("Settings/Font FaceName", QStringLiteral("Lucida Console \u00C9"));
        older.setValue("Settings/Actors/FileName", QStringLiteral("acteurs \u00E9t\u00E9.list"));
        // The recent files went in byte by byte: each byte of "ë" became a character.
        older.setValue("Recent File List/File1", QStringLiteral("/home/zo\u00C3\u00AB/film.rvmtv"));
    }
    platform::QtProfile profile(ini);
    CAppSettings settings;
    settings.SetEnvironment("/home/u/Documents", "/opt/rv/");
    settings.Load(profile);
    EXPECT_EQ(settings.ListsPath, "/home/zo\xC3\xAB/lists/");
    EXPECT_EQ(settings.DefaultDirectoryPath, "/home/zo\xC3\xAB/");
    EXPECT_EQ(settings.SumwatchPath, "/opt/\xC3\x85ngstr\xC3\xB6m/sumwatch");
    EXPECT_STREQ(settings.Font.lfFaceName, "Lucida Console \xC3\x89");
    EXPECT_EQ(settings.ListFilePath(kActors), "/home/zo\xC3\xAB/lists/acteurs \xC3\xA9t\xC3\xA9.list");
    platform::CRecentFileList recent;
    recent.ReadList(profile);
    EXPECT_EQ(recent.GetAt(0), "/home/zo\xC3\xAB/film.rvmtv");
}

TEST(QtProfile, MissingOrMistypedValuesReadAsTheDefault)
{
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("p.conf"), "[Settings]\nName%20Output=abc\nNo%20Links=1\n");
    platform::QtProfile profile(QString::fromStdString(dir.File("p.conf")));
    EXPECT_EQ(profile.GetProfileInt("Settings", "Name Output", 7), 7);
    EXPECT_EQ(profile.GetProfileInt("Settings", "No Links", 0), 1);
    EXPECT_EQ(profile.GetProfileInt("Settings", "Underline Links", 5), 5);
    EXPECT_EQ(profile.GetProfileString("Settings/Actors", "FileName", "Actors.list"), "Actors.list");
}

// The run script writes the profile of the sample set by hand; this is its encoding.
TEST(QtProfile, ReadsTheProfileThatTheRunScriptWrites)
{
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("Reelvoyager.conf"), "[Settings]\n"
                                                         "Lists%20Path=/tmp/sample lists/\n"
                                                         "Default%20Open%252FSave%20Directory=/tmp/run/\n");
    platform::QtProfile profile(QString::fromStdString(dir.File("Reelvoyager.conf")));
    EXPECT_EQ(profile.GetProfileString("Settings", "Lists Path", ""), "/tmp/sample lists/");
    EXPECT_EQ(profile.GetProfileString("Settings", "Default Open/Save Directory", ""), "/tmp/run/");
}

TEST(QtText, Windows1252RoundTripsThroughQString)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(platform::FromQString(platform::ToQString(all)), all);
    EXPECT_EQ(platform::ToQString("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(platform::FromQString(QString(QChar(0x4E2D))), "?");
}
