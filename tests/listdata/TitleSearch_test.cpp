#include "listdata/TitleSearch.h"

#include "listdata/ListFile.h"
#include "support/ByteSources.h"
#include "support/FixtureLists.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using testsupport::TempDir;
using testsupport::WriteList;

namespace {

// Records what a search shows and keeps a mirror of the list box, so the tests can check
// that the window side sees exactly the lines of Results.
class RecordingHost : public CNewDocumentSearch::IHost {
public:
    void ResultInserted(int index, const std::string& line) override { mirror.insert(mirror.begin() + index, line); }
    void ResultDeleted(int index) override { mirror.erase(mirror.begin() + index); }
    void ResultsCleared() override { mirror.clear(); }
    void SearchStatus(const std::string& status, const std::string& wait) override
    {
        statuses.push_back(status + "|" + wait);
    }
    void ShowError(const std::string& message) override { errors.push_back(message); }
    void ShowOverflow(const std::string& message) override { overflows.push_back(message); }
    void PumpMessages() override
    {
        ++pumps;
        if (onPump)
            onPump();
    }

    std::vector<std::string> mirror;
    std::vector<std::string> statuses;
    std::vector<std::string> errors;
    std::vector<std::string> overflows;
    int pumps = 0;
    std::function<void()> onPump;
};

const char* const kMoviesBody = "\n"
                                "Matrix, The (1999)\t\t\t\t\t1999\n"
                                "Matrix Reloaded, The (2003)\t\t\t\t2003\n"
                                "\"Matrix Hunter\" (1997) (mini)\t\t\t1997\n"
                                "Star Wars (1977)\t\t\t\t\t1977\n"
                                "Starwars (2001) (V)\t\t\t\t2001\n"
                                "Wars of the Stars (1990) (V) (TV)\t\t1990\n"
                                "Star Trek (1979)\t\t\t\t\t1979\n"
                                "WAX Works and WARS (1980)\t\t\t1980\n"
                                "Matrix notes without a year\n"
                                "Casa\xe9 (2005)\t\t\t\t\t2005\n"
                                "\n"
                                "--------------------------------------------------------------------------------\n"
                                "Matrix, The (1999)\t\t\t\t\t1999\n";

const char* const kAkaTitlesBody = "\n"
                                   "Matrix, The (1999)\n"
                                   "   (aka Die Matrix (1999))\t(Germany)\n"
                                   "   (aka The Matrix (1999) (V))\t(USA) (video title)\n"
                                   "   (aka Matrix, The (1999))\t(UK)\n"
                                   "\n"
                                   "Star Trek (1979)\n"
                                   "   (aka Star Trek: The Motion Picture (1979))\n"
                                   "\n"
                                   "Other Film (1950)\n"
                                   "   (aka Matrix note)\n"
                                   "\n";

class TitleSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteList(dir.Path(), kMovies, kMoviesBody);
        WriteList(dir.Path(), kAkaTitles, kAkaTitlesBody);
        settings = testsupport::ListSettings(dir.Path());
    }

    TempDir dir;
    CAppSettings settings;
    RecordingHost host;
};

struct TitleCase {
    const char* text;
    int searchType;
    std::vector<std::string> expected;
};

TEST_F(TitleSearchTest, EachSearchTypeFindsItsTitlesInListOrder)
{
    const TitleCase cases[] = {
        {"Matrix, The", 0, {"Matrix, The (1999)"}},
        {"matrix, the", 0, {"Matrix, The (1999)"}},
        {"The Matrix", 0, {}},
        {"The Matrix", 1, {"Matrix, The (1999)", "Matrix Reloaded, The (2003)"}},
        {"war", 1, {}},
        {"war", 2, {"Star Wars (1977)", "Wars of the Stars (1990) (V) (TV)", "WAX Works and WARS (1980)"}},
        {"war",
         3,
         {"Star Wars (1977)", "Starwars (2001) (V)", "Wars of the Stars (1990) (V) (TV)", "WAX Works and WARS (1980)"}},
        {"wars works", 1, {"WAX Works and WARS (1980)"}},
        {"wars works", 0, {}},
        {"wax works and wars", 0, {"WAX Works and WARS (1980)"}},
        {"star wars", 2, {"Star Wars (1977)", "Wars of the Stars (1990) (V) (TV)"}},
        {"wars (V)", 2, {"Wars of the Stars (1990) (V) (TV)"}},
        {"star (1979)", 1, {"Star Trek (1979)"}},
        {"\"matrix\" (1997)", 3, {"\"Matrix Hunter\" (1997) (mini)"}},
        {"casa\xe9", 1, {"Casa\xe9 (2005)"}},
        {"CASA\xc9", 1, {}},
        // Out of range: the exact search.
        {"matrix, the", 1, {"Matrix, The (1999)", "Matrix Reloaded, The (2003)"}},
        {"matrix, the", 7, {"Matrix, The (1999)"}},
        {"matrix, the", -1, {"Matrix, The (1999)"}},
    };
    for (const TitleCase& c : cases) {
        CTitleSearch search(&host);
        search.SetSearchType(c.searchType);
        EXPECT_FALSE(search.Run(settings, c.text, false)) << c.text;
        EXPECT_EQ(search.Results(), c.expected) << c.text << " type " << c.searchType;
        EXPECT_EQ(host.mirror, search.Results()) << c.text;
        EXPECT_FALSE(search.Searching());
        EXPECT_FALSE(search.Cancelled());
    }
    EXPECT_TRUE(host.errors.empty());
    EXPECT_TRUE(host.overflows.empty());
}

TEST_F(TitleSearchTest, AkaPassFollowsTheMoviesHitsWithMainLineThenAkaLines)
{
    CTitleSearch search(&host);
    search.SetSearchType(1);
    EXPECT_FALSE(search.Run(settings, "The Matrix", true));
    const std::vector<std::string> expected = {
        "Matrix, The (1999)",          "Matrix Reloaded, The (2003)",
        "Matrix, The (1999)",          "   aka - The Matrix (1999) (V)",
        "   aka - Matrix, The (1999)",
    };
    EXPECT_EQ(search.Results(), expected);
    EXPECT_EQ(host.mirror, expected);
    const std::vector<std::string> statuses = {"Searching - Movies|Please Wait...",
                                               "Searching - Aka Titles|Please Wait..."};
    EXPECT_EQ(host.statuses, statuses);

    // The walk from a chosen line to its main line and heading.
    EXPECT_EQ(search.MainLineOf(3), 2);
    EXPECT_EQ(search.MainLineOf(4), 2);
    EXPECT_EQ(search.MainLineOf(1), 1);
    EXPECT_EQ(search.HeadingOf(3), "The Matrix (1999) (V)");
    EXPECT_EQ(search.HeadingOf(2), "Matrix, The (1999)");
    EXPECT_EQ(search.MainLineOf(5), -1);
}

TEST_F(TitleSearchTest, AkaTitlesWithoutYearAreNeverHits)
{
    CTitleSearch search(&host);
    search.SetSearchType(3);
    search.Run(settings, "note", true);
    // "Matrix notes without a year" and "Matrix note" carry no year group.
    EXPECT_TRUE(search.Results().empty());
}

// A piece that continues an over-long aka line is no aka line: nothing in it is found,
// and the lines behind it are.
TEST_F(TitleSearchTest, APieceThatContinuesAnAkaLineIsNoAkaTitle)
{
    WriteList(dir.Path(), kAkaTitles,
              "\nOther Film (1950)\n" +
                  testsupport::OverLongLine("   (aka Matrix, The (1950))\t(UK)", "   (aka Phantom (1950))") +
                  "   (aka Phantom Harbour (1950))\n\n");
    CTitleSearch search(&host);
    search.SetSearchType(3);
    search.Run(settings, "phantom", true);
    EXPECT_EQ(search.Results(), (std::vector<std::string>{"Other Film (1950)", "   aka - Phantom Harbour (1950)"}));
}

TEST_F(TitleSearchTest, OverflowAtTheThousandTwentyFifthLineStopsAndKeepsAllLines)
{
    std::string body = "\n";
    for (int i = 0; i < 1100; ++i)
        body += "Same Name " + std::to_string(i) + " (2000)\t\t2000\n";
    WriteList(dir.Path(), kMovies, body + "\n");
    CTitleSearch search(&host);
    search.SetSearchType(1);
    EXPECT_TRUE(search.Run(settings, "same name", true));
    ASSERT_EQ(search.Results().size(), 1025u);
    EXPECT_EQ(search.Results().back(), "Same Name 1024 (2000)");
    ASSERT_EQ(host.overflows.size(), 1u);
    EXPECT_EQ(host.overflows[0], "Too many movies found!\nTry to be more specific...");
    // No aka pass after an overflow.
    EXPECT_EQ(host.statuses.size(), 1u);
}

TEST_F(TitleSearchTest, OverflowInsideAnAkaRecordEndsTheScanAtOnce)
{
    std::string body = "\n";
    for (int i = 0; i < 1023; ++i)
        body += "Hit " + std::to_string(i) + " (2000)\t\t2000\n";
    WriteList(dir.Path(), kMovies, body + "\n");
    WriteList(dir.Path(), kAkaTitles,
              "\nMain (2000)\n   (aka Hit A (2000))\n   (aka Hit B (2000))\n   (aka Hit C (2000))\n\n"
              "Later (2000)\n   (aka Hit D (2000))\n\n");
    CTitleSearch search(&host);
    search.SetSearchType(1);
    EXPECT_TRUE(search.Run(settings, "hit", true));
    ASSERT_EQ(search.Results().size(), 1025u);
    EXPECT_EQ(search.Results()[1023], "Main (2000)");
    EXPECT_EQ(search.Results()[1024], "   aka - Hit A (2000)");
    EXPECT_EQ(host.overflows.size(), 1u);
}

TEST_F(TitleSearchTest, CancelStopsAfterTheCurrentRecordAndSkipsTheAkaPass)
{
    CTitleSearch search(&host);
    search.SetSearchType(3);
    search.SetPumpInterval(std::chrono::microseconds(0));
    host.onPump = [&] {
        if (host.pumps == 2)
            search.Cancel();
    };
    // Every title with a year matches an empty word list.
    EXPECT_FALSE(search.Run(settings, "", true));
    EXPECT_TRUE(search.Cancelled());
    EXPECT_FALSE(search.Searching());
    const std::vector<std::string> expected = {"Matrix, The (1999)", "Matrix Reloaded, The (2003)"};
    EXPECT_EQ(search.Results(), expected);
    EXPECT_EQ(host.statuses.size(), 1u);

    // The next run starts afresh.
    host.onPump = nullptr;
    EXPECT_FALSE(search.Run(settings, "star trek", false));
    EXPECT_FALSE(search.Cancelled());
    EXPECT_EQ(search.Results(), std::vector<std::string>{"Star Trek (1979)"});
}

TEST_F(TitleSearchTest, PumpsAreThrottledByTime)
{
    std::string body = "\n";
    for (int i = 0; i < 5000; ++i)
        body += "Title " + std::to_string(i) + " (2000)\t\t2000\n";
    WriteList(dir.Path(), kMovies, body + "\n");
    CTitleSearch search(&host);
    search.SetPumpInterval(std::chrono::hours(1));
    search.Run(settings, "nothing like it", false);
    EXPECT_EQ(host.pumps, 0);
    search.SetPumpInterval(std::chrono::microseconds(0));
    search.Run(settings, "nothing like it", false);
    EXPECT_EQ(host.pumps, 5000);
}

TEST_F(TitleSearchTest, MissingOrHeaderlessListsShowTheirBoxAndStop)
{
    std::remove(settings.ListFilePath(kMovies).c_str());
    {
        CTitleSearch search(&host);
        EXPECT_TRUE(search.Run(settings, "matrix", true));
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_EQ(host.errors[0], "Error in Listfile 'Movies':\nCouldn't open file.");
        EXPECT_EQ(host.statuses.size(), 1u);
    }
    host.errors.clear();
    testsupport::WriteFile(settings.ListFilePath(kMovies), "no header here\nMatrix, The (1999)\t1999\n");
    {
        CTitleSearch search(&host);
        EXPECT_TRUE(search.Run(settings, "matrix", true));
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_EQ(host.errors[0], "Error in Listfile 'Movies':\nCouldn't find begining of file.");
    }
    host.errors.clear();
    WriteList(dir.Path(), kMovies, kMoviesBody);
    testsupport::WriteFile(settings.ListFilePath(kAkaTitles), "");
    {
        CTitleSearch search(&host);
        search.SetSearchType(1);
        EXPECT_TRUE(search.Run(settings, "the matrix", true));
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_EQ(host.errors[0], "Error in Listfile 'Aka-Titles':\nCouldn't find begining of file.");
        // The Movies hits stay.
        EXPECT_EQ(search.Results().size(), 2u);
    }
}

// Reads the Movies list from a source of the test's making.
class SourceTitleSearch : public CTitleSearch {
public:
    using Source = std::function<std::unique_ptr<platform::ByteSource>()>;
    SourceTitleSearch(IHost* host, Source source) : CTitleSearch(host), m_source(std::move(source)) {}

protected:
    bool OpenListFile(CListFile& file, int listIndex, const CAppSettings&) override
    {
        return file.OpenSource(listIndex, m_source(), "source");
    }

private:
    Source m_source;
};

TEST_F(TitleSearchTest, AListThatFailsToReadEndsWithItsBoxAndKeepsTheHits)
{
    const std::string whole = testsupport::ListFileText(kMovies, kMoviesBody);
    // Cut in the middle of the list: the lines before the cut are found, then the failure.
    const std::string cut = whole.substr(0, whole.find("Star Trek"));
    const std::vector<std::string> hitsBeforeTheCut = {"Star Wars (1977)", "Starwars (2001) (V)",
                                                       "Wars of the Stars (1990) (V) (TV)"};
    std::string crOnly = whole;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    const std::string notOpened = "Error in Listfile 'Movies':\nCouldn't open file.";
    const std::string noStart = "Error in Listfile 'Movies':\nCouldn't find begining of file.";
    struct Case {
        const char* name;
        SourceTitleSearch::Source source;
        std::vector<std::string> hits;
        std::string error;
    };
    const Case cases[] = {
        {"read error in the middle", [&] { return std::make_unique<testsupport::FailingSource>(cut); },
         hitsBeforeTheCut, notOpened},
        {"read error in the header block",
         [&] { return std::make_unique<testsupport::FailingSource>(whole.substr(0, 20)); },
         {},
         notOpened},
        {"memory exhausted in the middle", [&] { return std::make_unique<testsupport::FailingSource>(cut, true); },
         hitsBeforeTheCut, notOpened},
        // Opening itself fails: the reader's buffer cannot be made, or the file's read fails.
        {"memory exhausted as it opens",
         []() -> std::unique_ptr<platform::ByteSource> { testsupport::ThrowAsOpeningFails(true); },
         {},
         notOpened},
        {"read error as it opens",
         []() -> std::unique_ptr<platform::ByteSource> { testsupport::ThrowAsOpeningFails(false); },
         {},
         notOpened},
        {"NUL bytes only", [] { return std::make_unique<testsupport::FlatSource>("", '\0', 96u << 20); }, {}, noStart},
        {"CR line ends only",
         [&] { return std::make_unique<testsupport::FlatSource>(crOnly, '\r', 96u << 20); },
         {},
         noStart},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.errors.clear();
        testsupport::AddressSpaceLimit limit(64u << 20);
        SourceTitleSearch search(&host, c.source);
        search.SetSearchType(2);
        EXPECT_TRUE(search.Run(settings, "star", true));
        EXPECT_EQ(search.Results(), c.hits);
        EXPECT_EQ(host.errors, std::vector<std::string>{c.error});
        EXPECT_FALSE(search.Searching());
    }
}

} // namespace
