#include "listdata/ListFile.h"
#include "shell/core/RatingsTables.h"
#include "shell/core/TitleArena.h"
#include "support/FixtureLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace shellcore;

namespace {

const std::string kColumns = "New  Distribution  Votes  Rank  Title\n";

std::string Line(const std::string& distribution, const std::string& votes, const std::string& rating,
                 const std::string& title)
{
    return "      " + distribution + "  " + votes + "  " + rating + "  " + title + "\n";
}

// The three tables; `third` empty leaves the third table out.
std::string RatingsBody(const std::string& top, const std::string& bottom, const std::string& third,
                        const std::string& afterThirdColumns = "")
{
    std::string body = "\n" + kColumns + top + "\n\nBOTTOM 10 MOVIES\n================\n\n" + kColumns + bottom + "\n";
    if (!third.empty())
        body += "\nMOVIE RATINGS REPORT\n====================\n\n" + kColumns + afterThirdColumns + third + "\n";
    return body + "-------------------------------------------------\n";
}

// Top table: a title, a line of two fields, a line of three fields, then Delta on the
// fourth line. Bottom table: eleven titles.
const std::string kTop = Line("0000001222", "315017", "9.9", "Alpha (1990)") + "      0000001222  12\n" +
                         "      0000001222  12  5.5\n" + Line(".01234567*", "315017", "9.9", "Delta (1994)");

std::string BottomTable()
{
    std::string lines;
    for (char c = 'a'; c <= 'k'; ++c)
        lines += Line("9000000000", "100", "1.1", std::string("Worst ") + c + " (1970)");
    return lines;
}

std::string ThirdTable()
{
    return Line("0000001222", "315017", "9.9", "Alpha (1990)") + Line(".01234567*", "315017", "9.9", "Delta (1994)") +
           "      0000001222  12  5.5\n" + Line("9000000000", "100", "1.1", "Worst a (1970)");
}

class RatingsTablesTest : public ::testing::Test {
protected:
    void Write(const std::string& body) { testsupport::WriteList(dir.Path(), kRatings, body); }
    std::string Entry(const std::string& title) { return ShowRatingsEntry(OpenBySettings(settings), title); }
    std::vector<std::string> Titles(const std::string& message = "")
    {
        CTitleArena arena;
        EXPECT_EQ(LoadRatingsTitles(OpenBySettings(settings), arena), message);
        return Strings(arena);
    }
    static std::vector<std::string> Strings(const CTitleArena& arena)
    {
        std::vector<std::string> titles;
        for (std::size_t i = 0; i < arena.GetCount(); ++i)
            titles.emplace_back(arena[i]);
        return titles;
    }

    testsupport::TempDir dir;
    CAppSettings settings = testsupport::ListSettings(dir.Path());
};

} // namespace

TEST(RatingsLine, FieldsAreSeparatedByTwoBlanks)
{
    const struct {
        const char* line;
        bool ranked;
        const char* distribution;
        const char* votes;
        const char* rating;
        const char* title;
    } cases[] = {
        {"      0000001222  315017   9.9  Basuboza Blues (1985)\n", true, "0000001222", "315017", "9.9",
         "Basuboza Blues (1985)"},
        {"      0000001222  12  5.5  Tabbed (2001)\t\n", true, "0000001222", "12", "5.5", "Tabbed (2001)"},
        {"      0000001222  12  5.5  One  Two (2001)\n", true, "0000001222", "12", "5.5", "One"},
        {"      0000001222  12  5.5\n", true, "0000001222", "12", "5.5", ""},
        {"      0000001222  12  5.5  \n", true, "0000001222", "12", "5.5", ""},
        {"      0000001222  12\n", false, "0000001222", "12", "", ""},
        {"\t\n", false, "", "", "", ""},
        {"", false, "", "", "", ""},
    };
    for (const auto& c : cases) {
        const RatingsLine line = ParseRatingsLine(c.line);
        EXPECT_EQ(line.ranked, c.ranked) << c.line;
        EXPECT_EQ(line.distribution, c.distribution) << c.line;
        EXPECT_EQ(line.votes, c.votes) << c.line;
        EXPECT_EQ(line.rating, c.rating) << c.line;
        EXPECT_EQ(line.title, c.title) << c.line;
    }
    // A NUL ends the line, as it ends a C string.
    EXPECT_EQ(ParseRatingsLine(std::string_view("      0000001222  12  5.5  Ti\0tle (1999)\n", 40)).title, "Ti");
}

// The vector cut judges a line's first 64 bytes at once: it must agree with the byte-wise
// cut on every line, above all where fields, blanks or NULs meet the window's end.
TEST(RatingsLine, VectorCutAgreesWithByteWiseCut)
{
    const std::string full = "      0000001222  315017   9.9  Basuboza Blues (1985) {Echoes (#2.1)}\n";
    std::vector<std::string> lines = {
        "", "      0000001222\n", "      0000001222  12\n", "      0000001222  12  5.5\n",
        "      0000001222  12  5.5  \n", "0000001222  12  5.5  T\n", "\t\t0000001222\t 12  5.5\t  Tab\t\n",
        "      0000001222    12     5.5      Wide  gaps\n", "   0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  x\n",
        "12345678901234567890123456789012345678901234567890123456789012345678901234567890\n",
        "      0000001222  12  5.5  Title\t\t\n\n", "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n",
        std::string(1023, ' '), std::string(1023, '7'), "      0000001222  12  5.5  " + std::string(1000, 'L'),
        std::string(70, ' ') + "0000001222  12  5.5  Far (1990)\n", std::string(100, '\t') + "1  2  3  4\n",
        std::string("      0000001222  12\0  5.5  Gone\n", 33), std::string("      00000\0 01222  12  5.5  T\n", 31),
    };
    // Two blanks, a NUL, a tab and a field start at every place around the window's end.
    for (std::size_t at = 40; at < 80 && at + 2 < full.size(); ++at) {
        for (const std::string& cut : {std::string("  "), std::string(1, '\0'), std::string("\t\n")})
            lines.push_back(std::string(full).replace(at, cut.size(), cut));
        lines.push_back(full.substr(0, at));
        lines.push_back(std::string(at, ' ') + "0000001222  12  5.5  Shifted (2001)\n");
    }
    for (const std::string& line : lines) {
        const RatingsLine fast = ParseRatingsLine(line), plain = ParseRatingsLineBytewise(line);
        EXPECT_EQ(fast.ranked, plain.ranked) << line;
        for (auto field : {&RatingsLine::distribution, &RatingsLine::votes, &RatingsLine::rating, &RatingsLine::title}) {
            EXPECT_EQ(fast.*field, plain.*field) << line;
            const auto offset = [&](std::string_view cut) { return cut.empty() ? -1 : cut.data() - line.data(); };
            EXPECT_EQ(offset(fast.*field), offset(plain.*field)) << line;
        }
    }
    // Sanity of the reference on the common shape.
    EXPECT_EQ(ParseRatingsLineBytewise(full).title, "Basuboza Blues (1985) {Echoes (#2.1)}");
}

TEST(RatingsLine, EntryShowsEveryShareFromTenDownToOne)
{
    const std::string line = Line(".01234567*", "315017", "9.9", "Delta (1994)");
    EXPECT_EQ(ComposeRatingsEntry(ParseRatingsLine(line), 4),
              "Delta (1994)\r\n\r\nRank #4 in the top 250\r\n\r\n"
              "315017 Zuvo users have given an average vote of 9.9 / 10\r\n"
              "\r\n10: 100% of the votes\r\n 9: 70 - 79% of the votes\r\n 8: 60 - 69% of the votes"
              "\r\n 7: 50 - 59% of the votes\r\n 6: 40 - 49% of the votes\r\n 5: 30 - 39% of the votes"
              "\r\n 4: 20 - 29% of the votes\r\n 3: 10 - 19% of the votes\r\n 2:  1 -  9% of the votes"
              "\r\n 1: No votes cast");
    // No rank line outside the top table; a short distribution has no votes past its end.
    const std::string entry = ComposeRatingsEntry(ParseRatingsLine(Line("9", "100", "1.1", "Short (1970)")), 0);
    const std::string head = "Short (1970)\r\n\r\n100 Zuvo users have given an average vote of 1.1 / 10\r\n"
                             "\r\n10: No votes cast\r\n";
    EXPECT_EQ(entry.substr(0, head.size()), head);
    EXPECT_NE(entry.find(" 1: 90 - 99% of the votes"), std::string::npos);
}

TEST_F(RatingsTablesTest, TopAndBottomRanksAndTheirRows)
{
    Write(RatingsBody(kTop, BottomTable(), ThirdTable()));
    const struct {
        RatingsTable table;
        std::vector<int> ranks;
    } cases[] = {
        // The line of three fields takes rank 2 without a row; the line of two takes none.
        {RatingsTable::Top, {1, 3}},
        // Counted down from 10, never below 1.
        {RatingsTable::Bottom, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 1}},
    };
    for (const auto& c : cases) {
        CListFile file;
        ASSERT_TRUE(file.Open(kRatings, settings) && file.FindStart());
        std::vector<RankedTitle> rows;
        EXPECT_EQ(ReadRankedTitles(file, c.table, rows), ListReadStatus::Ok);
        std::vector<int> ranks;
        for (const RankedTitle& row : rows) {
            ranks.push_back(row.rank);
            EXPECT_FALSE(row.title.empty());
        }
        EXPECT_EQ(ranks, c.ranks);
    }
}

// What the Top 250 and Bottom 10 dialogs list, and the box they show, for each shape of
// the list: the rows' cells as the dialogs show them.
TEST_F(RatingsTablesTest, DialogRowsOfEveryListShape)
{
    using Cells = std::vector<std::vector<std::string>>;
    const std::string normal = testsupport::ListFileText(kRatings, RatingsBody(kTop, BottomTable(), ThirdTable()));
    const std::string crlf = testsupport::WithCrLf(normal);
    const std::string onlyTop = testsupport::ListFileText(kRatings, "\n" + kColumns + kTop + "\n");
    const std::string noStart = "CRC: 0x0\n\nno tables here\n";
    const std::string cannotOpen = "Error in Listfile 'Ratings':\nCouldn't open file.";
    const std::string noBeginning = "Error in Listfile 'Ratings':\nCouldn't find begining of file.";
    Cells bottom;
    for (char c = 'a'; c <= 'k'; ++c)
        bottom.push_back(
            {std::to_string(std::max(1, 10 - (c - 'a'))), std::string("Worst ") + c + " (1970)", "100", "1.1"});
    // The line of three fields takes rank 2 without a row; the line of two takes none.
    const Cells top = {{"1", "Alpha (1990)", "315017", "9.9"}, {"3", "Delta (1994)", "315017", "9.9"}};
    const struct {
        const char* shape;
        std::string file;   // empty: there is none
        std::size_t failAt; // the read fails after this many bytes; npos: never
        RatingsTable table;
        Cells rows;
        std::string message;
    } cases[] = {
        {"normal", normal, std::string::npos, RatingsTable::Top, top, ""},
        {"normal", normal, std::string::npos, RatingsTable::Bottom, bottom, ""},
        {"CR LF", crlf, std::string::npos, RatingsTable::Top, top, ""},
        {"CR LF", crlf, std::string::npos, RatingsTable::Bottom, bottom, ""},
        {"cannot be opened", "", std::string::npos, RatingsTable::Top, {}, cannotOpen},
        {"cannot be opened", "", std::string::npos, RatingsTable::Bottom, {}, cannotOpen},
        {"without its start", noStart, std::string::npos, RatingsTable::Top, {}, noBeginning},
        {"without a bottom table", onlyTop, std::string::npos, RatingsTable::Top, top, ""},
        {"without a bottom table", onlyTop, std::string::npos, RatingsTable::Bottom, {}, noBeginning},
        // A read that fails keeps the rows before it and reads as a list not opened.
        {"read error", normal, normal.find("Delta"), RatingsTable::Top, {top[0]}, cannotOpen},
        {"read error before the start", normal, 20, RatingsTable::Top, {}, cannotOpen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape + std::string(c.table == RatingsTable::Top ? " top" : " bottom"));
        testsupport::PlaceList(dir.Path(), kRatings, c.file);
        const ListOpener open = c.failAt == std::string::npos
                                    ? OpenBySettings(settings)
                                    : testsupport::OpenFailingAfter(c.file.substr(0, c.failAt));
        std::vector<RankedTitle> rows = {{7, "left over", "1", "1"}};
        EXPECT_EQ(LoadRankedTitles(open, c.table, rows), c.message);
        Cells cells;
        for (RankedTitle& row : rows)
            cells.push_back(RankedTitleCells(std::move(row)));
        EXPECT_EQ(cells, c.rows);
    }
}

TEST_F(RatingsTablesTest, BrowserEntriesAndTitles)
{
    Write(RatingsBody(kTop, BottomTable(), ThirdTable()));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Alpha (1990)", "Delta (1994)", "Worst a (1970)"}));
    // Every line of the top table counts toward the rank, with or without a title.
    EXPECT_EQ(Entry("Delta (1994)").substr(0, 40), "Delta (1994)\r\n\r\nRank #4 in the top 250\r\n");
    EXPECT_EQ(Entry("Alpha (1990)").substr(0, 40), "Alpha (1990)\r\n\r\nRank #1 in the top 250\r\n");
    // The bottom table is passed over: no rank.
    EXPECT_EQ(Entry("Worst a (1970)").substr(0, 20), "Worst a (1970)\r\n\r\n10");
    EXPECT_EQ(Entry("Worst b (1970)"), "Error!\r\nCouldn't find any info about the selected Title.");
}

TEST_F(RatingsTablesTest, BlankLinesAfterTheThirdColumnLineAreNoEnd)
{
    Write(RatingsBody(kTop, BottomTable(), ThirdTable(), "\n\n"));
    EXPECT_EQ(Titles().size(), 3u);
    EXPECT_EQ(Entry("Worst a (1970)").substr(0, 20), "Worst a (1970)\r\n\r\n10");
}

TEST_F(RatingsTablesTest, FailuresGiveTheBrowserTexts)
{
    EXPECT_TRUE(Titles("Error in ListFile 'Ratings':\nCouldn't open file.").empty());
    EXPECT_EQ(Entry("Alpha (1990)"), "Error in ListFile 'Ratings':\r\nCouldn't open file.");
    Write(RatingsBody(kTop, BottomTable(), ""));
    EXPECT_TRUE(Titles("Error in ListFile 'Ratings':\nCouldn't find begining of list.").empty());
    EXPECT_EQ(Entry("Alpha (1990)"), "Error in ListFile 'Ratings':\r\nCouldn't find begining of list");

    // A read error keeps the titles read before it.
    const std::string text = testsupport::ListFileText(kRatings, RatingsBody(kTop, BottomTable(), ThirdTable()));
    const ListOpener failing = testsupport::OpenFailingAfter(text.substr(0, text.size() - 80));
    CTitleArena arena;
    EXPECT_EQ(LoadRatingsTitles(failing, arena), "Error in ListFile 'Ratings':\nCouldn't open file.");
    EXPECT_EQ(Strings(arena), (std::vector<std::string>{"Alpha (1990)", "Delta (1994)"}));
}
