#include "listdata/AppSettings.h"
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
    a.ListsPath = "/data/Caf\xE9 lists/";
    a.Lists[kActors].FileName = "actors.list";
    a.Lists[kActors].UseCastCrew = 0;
    a.SelectedList = 12;
    a.Font.lfItalic = 1;
    std::strcpy(a.Font.lfFaceName, "Courier");
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
    EXPECT_EQ(b.ListsPath, "/data/Caf\xE9 lists/");
    EXPECT_EQ(b.FontColor, 0x00FFFFFFu);
    // Strings are stored as Unicode, so the file is readable UTF-8.
    EXPECT_NE(testsupport::ReadFile(dir.File("Reelvoyager.conf")).find("Caf\xC3\xA9"), std::string::npos);
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
