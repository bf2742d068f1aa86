#include "listdata/NameSearch.h"

#include "support/FixtureLists.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

using testsupport::TempDir;
using testsupport::WriteList;

namespace {

class NameHost : public CNewDocumentSearch::IHost {
public:
    void ResultInserted(int index, const std::string& line) override
    {
        mirror.insert(mirror.begin() + index, line);
        ++inserts;
    }
    void ResultDeleted(int index) override { mirror.erase(mirror.begin() + index); }
    void ResultsCleared() override { mirror.clear(); }
    void SearchStatus(const std::string& status, const std::string&) override { statuses.push_back(status); }
    void ShowError(const std::string& message) override { errors.push_back(message); }
    void ShowOverflow(const std::string& message) override { overflows.push_back(message); }
    void PumpMessages() override { ++pumps; }

    int inserts = 0;
    int pumps = 0;
    std::vector<std::string> mirror;
    std::vector<std::string> statuses;
    std::vector<std::string> errors;
    std::vector<std::string> overflows;
};

const char* const kEnd = "\n-----------------------------------------------------------------------------\n";

class NameSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int list : FilmographyJobOrder)
            WriteList(dir.Path(), list, kEnd);
        WriteList(dir.Path(), kActors,
                  std::string("Smith, John (I)\t\tFilm A (1999)  [Hero]\n\t\t\tFilm B (2000)\n\n"
                              "Doe, Jane\t\tFilm C (2001)\n\n"
                              "Smithson, Al\t\tFilm D (2002)\n") +
                      kEnd);
        WriteList(dir.Path(), kDirectors,
                  std::string("Brown, Bob\t\tFilm F (2004)\n\n"
                              "Smith, John (I)\t\tFilm E (2003)\n\n"
                              "Smith, John (II)\t\tFilm H (2006)\n") +
                      kEnd);
        WriteList(dir.Path(), kWriters, std::string("Smith, John (I)\t\tFilm G (2005)  <1,1,1>\n") + kEnd);
        WriteList(dir.Path(), kComposers, std::string("smith, john (I)\t\tFilm J (2007)\n") + kEnd);
        WriteList(dir.Path(), kAkaNames,
                  "\nSmith, John (I)\n   (aka Smith, Johnny)\n   (aka Smythe, John)\n\n"
                  "Jones, Tom\n   (aka Smith, John)\t(credit)\n   (aka Smith, J.)\n   (aka John Smith)\n\n");
        settings = testsupport::ListSettings(dir.Path());
    }

    CNameSearch::ListSelection All() const
    {
        CNameSearch::ListSelection lists;
        lists.actors = lists.actresses = lists.directors = lists.otherCrew = true;
        return lists;
    }

    TempDir dir;
    CAppSettings settings;
    NameHost host;
};

TEST_F(NameSearchTest, RolesOfOnePersonMergeIntoTheLineOfTheFirstFind)
{
    CNameSearch search(&host);
    search.SetSearchType(1);
    EXPECT_FALSE(search.Run(settings, "john smith", false, All()));
    // The Composers entry differs in case, so it is a person of its own.
    const std::vector<std::string> expected = {
        "Smith, John (I)  - [Actor], [Director], [Writer]",
        "Smith, John (II)  - [Director]",
        "smith, john (I)  - [Composer]",
    };
    EXPECT_EQ(search.Results(), expected);
    EXPECT_EQ(host.mirror, expected);
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(CNameSearch::WithoutRoles(search.Results()[0]), "Smith, John (I)");
    EXPECT_EQ(CNameSearch::WithoutRoles("Jones, Tom"), "Jones, Tom");
}

TEST_F(NameSearchTest, EachSearchTypeOverTheActors)
{
    struct Case {
        const char* text;
        int type;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Smith, John", 0, {"Smith, John (I)  - [Actor]"}},
        {"John Smith", 0, {"Smith, John (I)  - [Actor]"}},
        {"smith", 1, {"Smith, John (I)  - [Actor]"}},
        {"smith", 2, {"Smith, John (I)  - [Actor]", "Smithson, Al  - [Actor]"}},
        {"mith", 2, {}},
        {"mith", 3, {"Smith, John (I)  - [Actor]", "Smithson, Al  - [Actor]"}},
        {"jane doe", 1, {"Doe, Jane  - [Actor]"}},
        // Outside 0-3: the exact search.
        {"Jane Doe", 9, {"Doe, Jane  - [Actor]"}},
        {"Doe", 9, {}},
        {"Doe", 1, {"Doe, Jane  - [Actor]"}},
    };
    for (const Case& c : cases) {
        CNameSearch search(&host);
        search.SetSearchType(c.type);
        CNameSearch::ListSelection lists;
        lists.actors = true;
        search.Run(settings, c.text, false, lists);
        EXPECT_EQ(search.Results(), c.expected) << c.text << " type " << c.type;
    }
}

TEST_F(NameSearchTest, AkaNamesAddTheMainNameOnceThenItsMatchingAkaLines)
{
    CNameSearch search(&host);
    search.SetSearchType(1);
    CNameSearch::ListSelection lists;
    lists.directors = true;
    EXPECT_FALSE(search.Run(settings, "john smith", true, lists));
    const std::vector<std::string> expected = {
        "Smith, John (I)  - [Director]", "Smith, John (II)  - [Director]", "Jones, Tom", "   aka - Smith, John",
        "   aka - John Smith",
    };
    EXPECT_EQ(search.Results(), expected);
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Searching - Directors", "Searching - Aka Names"}));
    EXPECT_EQ(search.MainLineOf(4), 2);
    EXPECT_EQ(search.HeadingOf(4), "John Smith");
}

// A piece that continues an over-long aka line is no aka line: nothing in it is found,
// and the lines behind it are.
TEST_F(NameSearchTest, APieceThatContinuesAnAkaLineIsNoAkaName)
{
    WriteList(dir.Path(), kAkaNames,
              "\nJones, Tom\n" + testsupport::OverLongLine("   (aka Smith, J.)\t(credit)", "   (aka Phantom, Name)") +
                  "   (aka Phantom, Tom)\n\n");
    CNameSearch search(&host);
    search.SetSearchType(3);
    EXPECT_FALSE(search.Run(settings, "phantom", true, {}));
    EXPECT_EQ(search.Results(), (std::vector<std::string>{"Jones, Tom", "   aka - Phantom, Tom"}));
}

TEST_F(NameSearchTest, OtherCrewReadsTheEightCrewListsInTableOrder)
{
    CNameSearch search(&host);
    CNameSearch::ListSelection lists;
    lists.otherCrew = true;
    search.Run(settings, "nobody at all", false, lists);
    const std::vector<std::string> expected = {
        "Searching - Producers",
        "Searching - Writers",
        "Searching - Composers",
        "Searching - Editors",
        "Searching - Production-Designers",
        "Searching - Cinematographers",
        "Searching - Costume-Designers",
        "Searching - Miscellaneous",
    };
    EXPECT_EQ(host.statuses, expected);
    EXPECT_FALSE(search.ListSelected(0));
    EXPECT_TRUE(search.ListSelected(10));
}

TEST_F(NameSearchTest, NoListCheckedReadsNothing)
{
    CNameSearch search(&host);
    std::remove(settings.ListFilePath(kActors).c_str());
    EXPECT_FALSE(search.Run(settings, "john smith", false, CNameSearch::ListSelection()));
    EXPECT_TRUE(search.Results().empty());
    EXPECT_TRUE(host.statuses.empty());
    EXPECT_TRUE(host.errors.empty());
}

// Opens the Directors list by `open`, the others as the search does.
class DirectorsNameSearch : public CNameSearch {
public:
    DirectorsNameSearch(IHost* host, std::function<bool(CListFile&, int)> open)
        : CNameSearch(host), m_open(std::move(open))
    {
    }

protected:
    bool OpenListFile(CListFile& file, int listIndex, const CAppSettings& settings) override
    {
        return listIndex == kDirectors ? m_open(file, listIndex) : CNameSearch::OpenListFile(file, listIndex, settings);
    }

private:
    std::function<bool(CListFile&, int)> m_open;
};

// A Directors list that is missing, or fails in any way while it opens, ends the search
// with the box of a file that cannot be opened; the lines from Actors stay.
TEST_F(NameSearchTest, AnErrorInDirectorsEndsTheSearchAndKeepsEarlierLines)
{
    const std::string directors = settings.ListFilePath(kDirectors);
    const struct {
        const char* what;
        std::function<bool(CListFile&, int)> open;
    } cases[] = {
        {"missing", [&](CListFile& file, int listIndex) { return file.OpenPath(listIndex, directors + ".gone"); }},
        {"out of memory as it opens", testsupport::OpenThrowing(true)},
        {"read error as it opens", testsupport::OpenThrowing(false)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host = NameHost();
        DirectorsNameSearch search(&host, c.open);
        search.SetSearchType(2);
        EXPECT_TRUE(search.Run(settings, "smith", true, All()));
        EXPECT_EQ(search.Results(),
                  (std::vector<std::string>{"Smith, John (I)  - [Actor]", "Smithson, Al  - [Actor]"}));
        EXPECT_EQ(host.errors, std::vector<std::string>{"Error in Listfile 'Directors':\nCouldn't open file."});
        EXPECT_EQ(host.statuses.back(), "Searching - Directors");
    }
}

TEST_F(NameSearchTest, OverflowStopsBeforeTheNextList)
{
    std::string body;
    for (int i = 0; i < 1030; ++i)
        body += "Person, Many " + std::to_string(i) + "\t\tFilm (2000)\n";
    WriteList(dir.Path(), kActors, body + kEnd);
    CNameSearch search(&host);
    search.SetSearchType(1);
    EXPECT_TRUE(search.Run(settings, "many person", true, All()));
    EXPECT_EQ(search.Results().size(), 1025u);
    EXPECT_EQ(search.Results().back(), "Person, Many 1024  - [Actor]");
    ASSERT_EQ(host.overflows.size(), 1u);
    EXPECT_EQ(host.overflows[0], "Too many names found!\nTry to be more specific...");
    EXPECT_EQ(host.statuses.size(), 1u);
}

TEST_F(NameSearchTest, AddResultMergesOnlyWithALineOfTheSameNameBeforeTheRoles)
{
    CNameSearch search(&host);
    EXPECT_FALSE(search.AddResult("Ann Lee", 0));
    EXPECT_FALSE(search.AddResult("Ann", 2));      // a prefix of a name is another person
    EXPECT_FALSE(search.AddResult("Ann Lee", -1)); // no role: never merged
    EXPECT_FALSE(search.AddResult("Ann Lee", 10));
    EXPECT_FALSE(search.AddResult("Ann", 7));
    const std::vector<std::string> expected = {
        "Ann Lee  - [Actor], [Miscellaneous Crew]",
        "Ann  - [Director], [Production Designer]",
        "Ann Lee",
    };
    EXPECT_EQ(search.Results(), expected);
    EXPECT_EQ(host.mirror, expected);
}

TEST_F(NameSearchTest, ARoleAddedAtEveryFindRedrawsTheLineAtMostOncePerPump)
{
    // One producer credited in 300 records of one line each.
    std::string producers;
    std::string expected = "Pole, Pat  - [Producer]";
    for (int i = 0; i < 300; ++i) {
        producers += "Pole, Pat\t\tFilm " + std::to_string(1000 + i) + " (2001)\n\n";
        if (i > 0)
            expected += ", [Producer]";
    }
    WriteList(dir.Path(), kProducers, producers + kEnd);
    CNameSearch::ListSelection crew;
    crew.otherCrew = true;
    for (const auto interval : {std::chrono::microseconds(0), std::chrono::microseconds(3600000000LL)}) {
        SCOPED_TRACE(interval.count());
        host = NameHost();
        CNameSearch search(&host);
        search.SetSearchType(1);
        search.SetPumpInterval(interval);
        EXPECT_FALSE(search.Run(settings, "pole", false, crew));
        EXPECT_EQ(search.Results(), std::vector<std::string>{expected});
        EXPECT_EQ(host.mirror, search.Results());
        // The first find inserts the line; it is redrawn before a pump and at the end.
        EXPECT_LE(host.inserts, 1 + host.pumps + 1);
    }
}

} // namespace
