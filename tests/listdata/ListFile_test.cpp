#include "listdata/AppSettings.h"
#include "listdata/ListFile.h"
#include "support/ByteSources.h"
#include "support/TestSupport.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A list file with `body` after the header block of list `index`.
std::string ListText(int index, const std::string& body)
{
    std::string text = "CRC: 0x00000000  Date: x\n\nsome preamble\n\n";
    const std::string header = ListCatalog[index].header;
    text += header + "\n" + std::string(header.size(), '=') + "\n";
    if (ListCatalog[index].kind == 1)
        text += "\n\nName\t\t\tTitles\n----\t\t\t------\n";
    if (ListCatalog[index].kind == 2)
        text += "\n" + std::string(CListFile::kRatingsTableHeading) + "\n";
    return text + body;
}

class ListFileTest : public ::testing::Test {
protected:
    // Opens list `index` holding `text` and finds its start.
    void Start(int index, const std::string& body)
    {
        OpenText(index, ListText(index, body));
        ASSERT_TRUE(reader.FindStart());
    }
    void OpenText(int index, const std::string& text)
    {
        testsupport::WriteFile(dir.File("list"), text);
        ASSERT_TRUE(reader.OpenPath(index, dir.File("list")));
    }
    std::string Line() const { return std::string(reader.GetLine(), reader.GetLineLength()); }

    testsupport::TempDir dir;
    CListFile reader;
};

} // namespace

TEST_F(ListFileTest, StartKindZeroSkipsLeadingBlanksAndEndsAtTheFirstBlankAfterARecord)
{
    Start(kMovies, "\n\nA\t1999\nB\t2000\n\nC\t2001\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "A\t1999\n");
    // Body kind 0: NextLine reads nothing, so B is still there.
    EXPECT_FALSE(reader.NextLine());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "B\t2000\n");
    EXPECT_FALSE(reader.NextRecord());
}

TEST_F(ListFileTest, StartKindOneNeverStartsAtIndentedLinesAndStopsAtDashes)
{
    Start(kAkaTitles, "\nA\n   (aka X)\n\tY\nB\n---------\nC\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "A\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "B\n");
    EXPECT_FALSE(reader.NextRecord());
}

TEST_F(ListFileTest, BodyKindOneConsumesTheBlankLineThatEndsTheRecord)
{
    Start(kAkaTitles, "A\n   (aka X)\n\nB\n   (aka Y)\n");
    ASSERT_TRUE(reader.NextRecord());
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(Line(), "   (aka X)\n");
    EXPECT_FALSE(reader.NextLine());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "B\n");
    ASSERT_TRUE(reader.NextLine());
    EXPECT_FALSE(reader.NextLine()); // end of file
}

TEST_F(ListFileTest, BodyKindTwoPassesOneBlankAndEndsAtTwo)
{
    Start(kGoofs, "# T\nA\n\nB\n\n\n# U\n- x\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "# T\n");
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(Line(), "A\n");
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(Line(), "B\n");
    EXPECT_FALSE(reader.NextLine());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "# U\n");
}

TEST_F(ListFileTest, HashRecordsEndAtDashes)
{
    Start(kTrivia, "junk\n# T\n- a\n\n\n-----\n# U\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "# T\n");
    EXPECT_FALSE(reader.NextRecord());
}

TEST_F(ListFileTest, MvRecordsPassOneLineOfDashesButNotTwo)
{
    Start(kBusiness, "---\nMV: A\n\nBT: 1\n\n---\nMV: B\nGR: 2\n---\n\n---\nMV: C\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "MV: A\n");
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(Line(), "BT: 1\n");    // blank lines passed over
    EXPECT_FALSE(reader.NextLine()); // the dashes end the record and are consumed
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "MV: B\n");
    // Leave B's body unread: its dashes and the next ones are two in one call.
    EXPECT_FALSE(reader.NextRecord());
}

TEST_F(ListFileTest, MoviRecordsFollowTheMvRule)
{
    Start(kLiterature, "---\nMOVI: A\nMOV: not a start\n---\nMOVI: B\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "MOVI: A\n");
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(Line(), "MOV: not a start\n");
    EXPECT_FALSE(reader.NextLine());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "MOVI: B\n");
}

TEST_F(ListFileTest, OtAndNmRecordsEndOnlyAtTheEndOfTheFile)
{
    Start(kLaserdisc, "---\nLN: 1\nOT: A\nLN: 2\n---\n---\n---\nOT: B\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "OT: A\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "OT: B\n");
    EXPECT_FALSE(reader.NextRecord());

    reader.Close();
    Start(kBiographies, "---\nNM: A\n\nDB: 1\n---\n---\nNM: B\n");
    ASSERT_TRUE(reader.NextRecord());
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(Line(), "DB: 1\n");
    EXPECT_FALSE(reader.NextLine());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "NM: B\n");
}

TEST_F(ListFileTest, BodyKindFourReturnsEveryLine)
{
    Start(kQuotes, "# T\nA: x\n\n\n# U\n");
    ASSERT_TRUE(reader.NextRecord());
    std::vector<std::string> lines;
    while (reader.NextLine())
        lines.push_back(Line());
    EXPECT_EQ(lines, (std::vector<std::string>{"A: x\n", "\n", "\n", "# U\n"}));
}

TEST_F(ListFileTest, ALineStartingWithNulIsBlankButTabsAndBlanksAreNot)
{
    Start(kAkaTitles, std::string("A\n \n\t\n\0x\nB\n", 12));
    ASSERT_TRUE(reader.NextRecord());
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(Line(), " \n");
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(Line(), "\t\n");
    EXPECT_FALSE(reader.NextLine());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "B\n");
}

TEST_F(ListFileTest, LongLinesComeBackInPiecesThatNeverDelimitRecords)
{
    const std::string x1500 = std::string(1500, 'x');
    // A 1500-character line: a piece of 1023 without newline, then the rest.
    Start(kQuotes, "# T\n" + x1500 + "\n");
    ASSERT_TRUE(reader.NextRecord());
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(reader.GetLineLength(), 1023);
    EXPECT_EQ(reader.GetLine()[1022], 'x');
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(Line(), std::string(477, 'x') + "\n");
    reader.Close();

    // Continuations that look like a record start, dashes or a blank line.
    const std::string a1023(1023, 'a');
    Start(kTrivia, "# T\n" + a1023 + "# fake\n" + a1023 + "---\n" + a1023 + "\n- last\n\n\n# U\n");
    ASSERT_TRUE(reader.NextRecord());
    std::vector<std::string> lines;
    while (reader.NextLine())
        lines.push_back(Line());
    EXPECT_EQ(lines, (std::vector<std::string>{a1023, "# fake\n", a1023, "---\n", a1023, "- last\n"}));
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "# U\n");
    reader.Close();

    // A title line of exactly 1023 characters in a list that a blank line ends.
    Start(kMovies, a1023 + "\nB\t1999\n\n");
    ASSERT_TRUE(reader.NextRecord());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "B\t1999\n");
    EXPECT_FALSE(reader.NextRecord());
    reader.Close();

    // A continuation is never a record start of a list of unindented records.
    Start(kAkaTitles, a1023 + "B\n\nC\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(reader.GetLineLength(), 1023);
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "C\n");
}

TEST_F(ListFileTest, FindStartNeedsTheHeaderAtTheStartOfALine)
{
    const std::string header = ListCatalog[kGenres].header;
    OpenText(kGenres, "pre\n  " + header + "\n=====\nA\tDrama\n");
    EXPECT_FALSE(reader.FindStart());
    reader.Close();
    OpenText(kGenres, "pre\nA\tDrama\n");
    EXPECT_FALSE(reader.FindStart());
    reader.Close();
    // A prefix test: the line may go on after the header.
    OpenText(kRatings, "TOP 250 MOVIES (25000+ VOTES)\n\nNew  Distribution  Votes  Rank  Title\n  1  2  3  T\n");
    ASSERT_TRUE(reader.FindStart());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "  1  2  3  T\n");
    reader.Close();
    // Case-sensitive.
    OpenText(kMovies, "movies list\n===\nA\t1\n");
    EXPECT_FALSE(reader.FindStart());
}

TEST_F(ListFileTest, FindStartFailsWhenTheFileEndsInsideTheHeaderBlock)
{
    const std::string header = ListCatalog[kActors].header;
    for (const std::string& text : {header + "\n", header + "\n====\n\n\n", header + "\n====\n\nName\tTitles\n"}) {
        OpenText(kActors, text);
        EXPECT_FALSE(reader.FindStart()) << text;
        reader.Close();
    }
    OpenText(kRatings, "TOP 250 MOVIES\nNew Distribution Votes Rank Title\n");
    EXPECT_FALSE(reader.FindStart());
    reader.Close();
    OpenText(kMovies, "MOVIES LIST");
    EXPECT_FALSE(reader.FindStart());
}

TEST_F(ListFileTest, FilmographyHeaderSkipsBlankLinesBeforeTheColumnHeadings)
{
    OpenText(kDirectors, "THE DIRECTORS LIST\n==================\n\n\n\nName\t\t\tTitles\n----\t\t\t------\nA\tT\n");
    ASSERT_TRUE(reader.FindStart());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "A\tT\n");
}

TEST_F(ListFileTest, RatingsTablesAreReachedOneAfterAnother)
{
    const std::string heading = std::string(CListFile::kRatingsTableHeading) + "\n";
    Start(kRatings,
          "  1  2  3  Top\n\nBOTTOM\n" + heading + "  1  2  3  Bottom\n\nALL\n\n" + heading + "  1  2  3  All\n\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "  1  2  3  Top\n");
    EXPECT_FALSE(reader.NextRecord());
    ASSERT_TRUE(reader.FindNextRatingsTable());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "  1  2  3  Bottom\n");
    ASSERT_TRUE(reader.FindNextRatingsTable());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "  1  2  3  All\n");
    EXPECT_FALSE(reader.NextRecord());
    EXPECT_FALSE(reader.FindNextRatingsTable());
}

TEST_F(ListFileTest, ALineSplitBeforeAWholeLineReadLeavesNoContinuationBehind)
{
    // The top table ends inside an over-long line; the next table's first line is a
    // record of its own, not the continuation of that line.
    const std::string heading = std::string(CListFile::kRatingsTableHeading) + "\n";
    Start(kRatings, std::string(1500, 'x') + "\n\nBOTTOM\n" + heading + "  1  2  3  Bottom\n\n");
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(reader.GetLineLength(), 1023);
    const std::string piece = Line();
    ASSERT_TRUE(reader.FindNextRatingsTable());
    EXPECT_EQ(Line(), piece); // whole-line reads leave the current line alone
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "  1  2  3  Bottom\n");
}

TEST_F(ListFileTest, FindNextRatingsTableReadsNothingOnOtherLists)
{
    Start(kMovies, "A\t1\n" + std::string(CListFile::kRatingsTableHeading) + "\nB\t2\n");
    EXPECT_FALSE(reader.FindNextRatingsTable());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "A\t1\n");
}

TEST_F(ListFileTest, AClosedReaderReadsNothing)
{
    EXPECT_EQ(reader.GetListIndex(), -1);
    EXPECT_FALSE(reader.FindStart());
    EXPECT_FALSE(reader.NextRecord());
    EXPECT_FALSE(reader.NextLine());
    EXPECT_FALSE(reader.FindNextRatingsTable());
    EXPECT_FALSE(reader.OpenPath(kMovies, dir.File("missing")));
    EXPECT_EQ(reader.GetListIndex(), -1);
    EXPECT_FALSE(reader.NextRecord());
}

TEST_F(ListFileTest, OpenUsesTheSettingsPathAndFallsBackToAnotherLetterCase)
{
    CAppSettings settings;
    platform::MemoryProfile profile;
    settings.Load(profile);
    settings.ListsPath = dir.Path();
    testsupport::WriteFile(dir.File("genres.LIST"), ListText(kGenres, "A\tDrama\n"));
    ASSERT_TRUE(reader.Open(kGenres, settings));
    EXPECT_EQ(reader.GetListIndex(), kGenres);
    ASSERT_TRUE(reader.FindStart());
    ASSERT_TRUE(reader.NextRecord());
    EXPECT_EQ(Line(), "A\tDrama\n");
    reader.Close();
    EXPECT_EQ(reader.GetListIndex(), -1);
    EXPECT_FALSE(reader.Open(kMovies, settings));
}

TEST_F(ListFileTest, SettingsPathsInUtf8ReachAFolderInAnyScript)
{
    // The profile hands paths over in UTF-8, as the folders on disk are named.
    for (const char* name : {"Films \xC3\xA9t\xC3\xA9", "\xD0\xA4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBC\xD1\x8B", // "Фильмы"
                             "\xC5\x81\xC3\xB3\x64\xC5\xBA"}) {                                             // "Łódź"
        const std::string folder = dir.Path() + name + "/";
        std::filesystem::create_directory(folder);
        testsupport::WriteFile(folder + "Genres.list", ListText(kGenres, "A\tDrama\n"));
        CAppSettings settings;
        platform::MemoryProfile profile;
        profile.WriteProfileString("Settings", "Lists Path", folder);
        settings.Load(profile);
        ASSERT_TRUE(reader.Open(kGenres, settings)) << folder;
        ASSERT_TRUE(reader.FindStart());
        ASSERT_TRUE(reader.NextRecord());
        EXPECT_EQ(Line(), "A\tDrama\n");
        reader.Close();
    }
}

TEST_F(ListFileTest, AReadErrorRaisesAFileException)
{
    ASSERT_TRUE(reader.OpenSource(
        kAkaTitles, std::make_unique<testsupport::FailingSource>(ListText(kAkaTitles, "A\n   (aka B)\n")), "broken"));
    ASSERT_TRUE(reader.FindStart());
    ASSERT_TRUE(reader.NextRecord());
    ASSERT_TRUE(reader.NextLine());
    EXPECT_THROW(reader.NextLine(), platform::FileException);
}

TEST_F(ListFileTest, TheHeaderSearchNeverHoldsALineWithoutLineFeedsInMemory)
{
    // Each list is far larger than the room the reader gets: holding one of its lines
    // in memory would fail.
    constexpr std::size_t kSize = 96u << 20;
    const std::string header = ListCatalog[kMovies].header;
    struct Case {
        const char* name;
        std::string head;
        char filler;
        std::string tail;
        bool started;
    };
    const Case cases[] = {
        {"NUL bytes only", "", '\0', "", false},
        {"CR line ends from the start", header + "\r=====\r", '\r', "", false},
        {"CR line ends after the header block", "pre\n" + header + "\n=====\nA\t1\r", '\r', "", true},
        {"a line without line feeds before the header", "", 'x', "\n" + header + "\n=====\nA\t1\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::AddressSpaceLimit limit(64u << 20);
        ASSERT_TRUE(reader.OpenSource(
            kMovies, std::make_unique<testsupport::FlatSource>(c.head, c.filler, kSize, c.tail), "flat"));
        bool started = !c.started;
        ASSERT_NO_THROW(started = reader.FindStart());
        EXPECT_EQ(started, c.started);
        // The rest is read by the line rules, in pieces of the line buffer's size.
        int records = 0;
        ASSERT_NO_THROW(while (reader.NextRecord())++ records);
        EXPECT_EQ(records, c.started ? 1 : 0);
        reader.Close();
    }
}
