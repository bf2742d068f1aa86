#include "RoutineFixture.h"
#include "support/FixtureLists.h"

#include <gtest/gtest.h>

using namespace searchtest;
using testsupport::OverLongLine;

namespace {

const std::string kFilm = "Film (2001)";
const std::string kShow = "\"Night Harbour\" (1999)";
const std::string kPilot = kShow + " {Pilot (#1.1)}";
const std::string kDashes = "-------------------------------------------------------------------------------\n";

} // namespace

TEST(SearchAkaTitles, FirstRecordOnlyWithItsTabFields)
{
    const std::string body = "Alpha (1990)\n   (aka Alfa (1990))\n\n" + kFilm +
                             "\n   (aka Der Film (2001))\t(Germany)\t(working title)\n"
                             "   (aka Le Film (2001))\n\n" +
                             kFilm + "\n   (aka Second (2001))\n\n";
    EXPECT_EQ(RunMovie(kAkaTitles, body, kFilm), Typed(kAkaTitles, {T(0, "Der Film (2001)"), T(1, "(Germany)"),
                                                                    T(1, "(working title)"), T(0, "Le Film (2001)")}));
}

TEST(SearchBusiness, CodedLinesOfTheFirstRecord)
{
    const std::string body = kDashes + "MV: " + kFilm +
                             "\n\nBT: USD 1,000,000\nWG: USD 5 (USA) (1 May 2001)\nXX: unknown\n\n" + kDashes +
                             "MV: " + kFilm + "\n\nBT: second\n\n" + kDashes;
    EXPECT_EQ(RunMovie(kBusiness, body, kFilm),
              Typed(kBusiness, {T(1, "USD 1,000,000"), T(3, "USD 5 (USA) (1 May 2001)"), T(0, "XX: unknown")}));
}

TEST(SearchLaserdisc, ConsecutiveDiscsOfTheTitle)
{
    const std::string body = kDashes + "LN: 100\nOT: " + kFilm + "\nPC: Studio\n" + kDashes + "LN: 101\nOT: " + kFilm +
                             "\nRV: 2\n" + kDashes + "LN: 102\nOT: Zed (2005)\nPC: Other\n" + kDashes;
    EXPECT_EQ(RunMovie(kLaserdisc, body, kFilm), Typed(kLaserdisc, {T(6, "Studio"), T(36, "2")}));
}

TEST(SearchGoofs, EpisodeEntriesStartWithTheirLabel)
{
    const std::string body = "# " + kShow + "\n- CONT: The glass moves.\n  and back.\n\n- FACT: Wrong.\n\n\n# " +
                             kPilot + "\n- BOOM: Visible.\n\n\n# Zed (2005)\n- MISC: no.\n\n\n";
    EXPECT_EQ(RunMovie(kGoofs, body, kShow), Typed(kGoofs, {T(2, "The glass moves."), T(0, "and back."), T(4, "Wrong."),
                                                            T(99, "Pilot (#1.1)"), T(7, "Visible.")}));
}

TEST(SearchLiterature, TitleEntryStartsWithAnEmptyLabelAndIndentedLinesContinue)
{
    const std::string body = kDashes + "MOVI: " + kFilm +
                             "\n\nSCRP: Smith, John\nNOVL: Book title\n  continued here\n\n" + kDashes +
                             "MOVI: Zed (2005)\n\nBOOK: x\n\n" + kDashes;
    EXPECT_EQ(RunMovie(kLiterature, body, kFilm),
              Typed(kLiterature, {T(99, ""), T(1, "Smith, John"), T(2, "Book title"), T(0, "continued here")}));
}

TEST(SearchMovieLinks, RelationCodesAndTheLinkedTitle)
{
    const std::string body =
        kFilm + "\n  (follows Earlier (1999))\n  (spin off from Other (1990))\n  (spin off Third (2003))\n\n";
    EXPECT_EQ(RunMovie(kMovieLinks, body, kFilm),
              Typed(kMovieLinks, {T(99, ""), T(3, "Earlier (1999)"), T(16, "Other (1990)"), T(15, "Third (2003)")}));
}

TEST(SearchMovies, EpisodeLinesCarryTheirFullTitle)
{
    const std::string body =
        "Alpha (1990)\t\t\t1990\n" + kShow + "\t\t\t1999-2003\n" + kPilot + "\t\t1999\t(extra)\nZed (2005)\t\t2005\n\n";
    EXPECT_EQ(RunMovie(kMovies, body, kShow),
              Typed(kMovies, {T(0, "1999-2003"), T(2, kPilot), T(0, "1999"), T(1, "(extra)")}));
}

TEST(SearchMpaa, ReasonLinesWithoutTheirPrefix)
{
    const std::string body = kDashes + "MV: " + kFilm + "\nRE: Rated R for violence\nRE: and language\n" + kDashes +
                             "MV: " + kFilm + "\nRE: again\n" + kDashes;
    EXPECT_EQ(RunMovie(kMpaaRatingsReasons, body, kFilm),
              Typed(kMpaaRatingsReasons, {T(1, "Rated R for violence"), T(1, "and language")}));
}

TEST(SearchPlot, SummaryAndAuthorLines)
{
    const std::string body = kDashes + "MV: " + kFilm + "\n\nPL: A man\nPL: walks.\n\nBY: anon\n\n" + kDashes +
                             "MV: " + kPilot + "\n\nPL: Pilot.\n\n" + kDashes;
    EXPECT_EQ(RunMovie(kPlot, body, kFilm), Typed(kPlot, {T(1, "A man"), T(1, "walks."), T(2, "anon")}));
    EXPECT_EQ(RunMovie(kPlot, "", kFilm), std::vector<Rec>{});
}

// A text list reads every piece of an over-long line: a long summary is stored whole,
// its first piece under its code and each piece that continues it behind, under the key
// that joins it to the summary.
TEST(SearchPlot, EveryPieceOfALongSummaryIsStored)
{
    std::string summary;
    while (summary.size() < 2500)
        summary += "lorem ipsum caf\xE9 dolor ";
    summary += "end.";
    const std::string body = kDashes + "MV: " + kFilm + "\n\nPL: " + summary + "\nPL: Short.\n\nBY: anon\n\n" + kDashes;
    const std::vector<Rec> records = RunMovie(kPlot, body, kFilm);
    ASSERT_EQ(records.size(), 5u);
    std::string stored;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(records[i].key, 1) << i;
        stored += records[i].data.substr(0, records[i].data.size() - 1);
    }
    EXPECT_EQ(stored, summary);
    EXPECT_EQ(records[3], Typed(kPlot, {T(1, "Short.")})[0]);
}

// The piece that continues an over-long line never starts an item or carries a code:
// where the view joins a line to its item, the piece is stored with the key that does,
// its text whole; where each line is an item or a code, it is passed over.
TEST(TitleRoutines, APieceThatContinuesALineStartsNoItem)
{
    const std::string aka = "   (aka Der Film (2001))\t(Germany)";
    const ListCase cases[] = {
        {"aka titles",
         kAkaTitles,
         kFilm + "\n" + OverLongLine(aka, "   (aka Phantom (2001))") + "   (aka Le Film (2001))\n\n",
         // The note is the rest of the line's first piece, blanks and all.
         {T(0, "Der Film (2001)"), T(1, "(Germany)" + std::string(CListFile::kLineSize - 1 - aka.size(), ' ')),
          T(0, "Le Film (2001)")}},
        {"business",
         kBusiness,
         kDashes + "MV: " + kFilm + "\n\n" + OverLongLine("BT: USD 1,000,000", "WG: USD 5 (USA)") + "CP: Studio\n\n" +
             kDashes,
         {T(1, "USD 1,000,000"), T(10, "Studio")}},
        {"laserdisc",
         kLaserdisc,
         kDashes + "LN: 100\nOT: " + kFilm + "\n" + OverLongLine("PC: Studio", "LN: 999") + "RV: 2\n" + kDashes,
         {T(6, "Studio"), T(36, "2")}},
        {"movie links",
         kMovieLinks,
         kFilm + "\n" + OverLongLine("  (follows Earlier (1999))", "  (remake of Phantom (1950))") +
             "  (features Later (2003))\n\n",
         {T(99, ""), T(3, "Earlier (1999)"), T(12, "Later (2003)")}},
        {"goofs",
         kGoofs,
         "# " + kFilm + "\n" + OverLongLine("- CONT: The glass moves.", "- FACT: Phantom.") + "- FACT: Wrong.\n\n\n",
         {T(2, "The glass moves."), T(0, "- FACT: Phantom."), T(4, "Wrong.")}},
        {"plot",
         kPlot,
         kDashes + "MV: " + kFilm + "\n\n" + OverLongLine("PL: A summary.", "BY: Phantom") + "\nBY: anon\n\n" + kDashes,
         {T(1, "A summary."), T(1, "BY: Phantom"), T(2, "anon")}},
        {"literature",
         kLiterature,
         kDashes + "MOVI: " + kFilm + "\n\n" + OverLongLine("NOVL: Book title", "  BOOK: Phantom") + "\n" + kDashes,
         {T(99, ""), T(2, "Book title"), T(0, "BOOK: Phantom")}},
        {"mpaa",
         kMpaaRatingsReasons,
         kDashes + "MV: " + kFilm + "\n" + OverLongLine("RE: Rated R for violence", "RE: and phantoms") + kDashes,
         {T(1, "Rated R for violence"), T(1, "RE: and phantoms")}},
        {"trivia",
         kTrivia,
         "# " + kFilm + "\n" + OverLongLine("- A fact.", "  - Phantom fact.") + "- B\n\n\n",
         {T(1, "A fact."), T(0, "- Phantom fact."), T(1, "B")}},
        {"soundtracks",
         kSoundtracks,
         "# " + kFilm + "\n" + OverLongLine("- \"Song\"", "Phantom words") + "  Performed by X\n\n",
         {T(3, ""), T(2, "\"Song\""), T(0, "Phantom words"), T(1, "Performed by X")}},
        {"quotes",
         kQuotes,
         "# " + kFilm + "\n" + OverLongLine("Ann: Hello.", ": [Phantom aside]") + "Bob: Bye.\n\n\n",
         {T(99, ""), T(2, "Ann: Hello."), T(0, ": [Phantom aside]"), T(2, "Bob: Bye.")}},
    };
    for (const ListCase& c : cases)
        EXPECT_EQ(RunMovie(c.list, c.body, kFilm), Typed(c.list, c.records)) << c.what;
}

TEST(SearchQuotes, BlankLinesSeparateQuotesAndTwoEndTheEntry)
{
    const std::string body =
        "# " + kFilm +
        "\nAnn: Hello.\n  and more.\n: [aside]\nBob: Bye.\n\nAnn: Again.\n\n\n# Zed (2005)\nZed: no\n\n\n";
    EXPECT_EQ(RunMovie(kQuotes, body, kFilm), Typed(kQuotes, {T(99, ""), T(2, "Ann: Hello."), T(0, "and more."),
                                                              T(2, "Bob: Bye."), T(1, "Ann: Again.")}));
}

TEST(SearchQuotes, ALineBeginningWithANulIsBlank)
{
    const std::string nul(1, '\0');
    const std::string body =
        "# " + kFilm + "\nAnn: Hello.\n" + nul + "x\nBob: Bye.\n" + nul + "\n" + nul + "\nZed: no\n\n\n";
    EXPECT_EQ(RunMovie(kQuotes, body, kFilm), Typed(kQuotes, {T(99, ""), T(2, "Ann: Hello."), T(1, "Bob: Bye.")}));
}

TEST(SearchHashEntries, ItemKindsAndTheEpisodeLabelKey)
{
    const std::string body =
        "# " + kPilot + "\n- First item\n  continued\n  - sub item\n\n- Second item\n\n\n# Zed (2005)\n- z\n\n\n";
    const auto expected = std::vector<Rec>{T(3, "Pilot (#1.1)"), T(1, "First item"), T(0, "continued"),
                                           T(2, "sub item"), T(1, "Second item")};
    EXPECT_EQ(RunMovie(kTrivia, body, kShow), Typed(kTrivia, expected));
    // Alternate-Versions and Crazy-Credits entries end at their first blank line.
    EXPECT_EQ(RunMovie(kAlternateVersions, body, kShow),
              Typed(kAlternateVersions, {expected.begin(), expected.end() - 1}));
    // The title's own entry has no label.
    EXPECT_EQ(RunMovie(kCrazyCredits, body, "Zed (2005)"), Typed(kCrazyCredits, {T(1, "z")}));
}

TEST(SearchSoundtracks, SongDetailAndDeeperLines)
{
    const std::string body =
        "# " + kFilm + "\n- \"Song\"\n  Written by X\n    (uncredited)\n -\n\n# Zed (2005)\n- \"Z\"\n\n";
    EXPECT_EQ(RunMovie(kSoundtracks, body, kFilm),
              Typed(kSoundtracks, {T(3, ""), T(2, "\"Song\""), T(1, "Written by X"), T(0, "(uncredited)"), T(1, "")}));
}

TEST(SearchSoundtracks, IndentedLineTooShortForAThirdCharacterIsADetailLine)
{
    // Only a blank in the third place makes a deeper line; a line that ends before it
    // (here one blank and its newline, and one blank at the end of the file) is a detail line.
    const std::string body = "# " + kFilm + "\n- \"Song\"\n \n  By Y\n ";
    EXPECT_EQ(RunMovie(kSoundtracks, body, kFilm),
              Typed(kSoundtracks, {T(3, ""), T(2, "\"Song\""), T(1, ""), T(1, "By Y"), T(1, "")}));
}

TEST(SearchTaglines, LinesWithoutTheirTab)
{
    const std::string body = "# " + kFilm + "\n\tTagline one \n\tTagline two\n\n# " + kPilot + "\n\tEpisode line\n\n";
    EXPECT_EQ(RunMovie(kTaglines, body, kShow), Typed(kTaglines, {T(1, "Pilot (#1.1)"), T(0, "Episode line")}));
    EXPECT_EQ(RunMovie(kTaglines, body, kFilm), Typed(kTaglines, {T(1, ""), T(0, "Tagline one"), T(0, "Tagline two")}));
}

TEST(SearchTitleValueList, EpisodeValuesAreCountedOnce)
{
    const std::string body = "Alpha (1990)\t\t100\n" + kShow + "\t\t\t60\t(approx.)\n" + kShow + " {A (#1.1)}\t\t45\n" +
                             kShow + " {B (#1.2)}\t\t45\n" + kShow + " {C (#1.3)}\t\t45\n" + kShow +
                             " {D (#1.4)}\t\t50\t(DVD)\nZed (2005)\t\t90\n\n";
    EXPECT_EQ(
        RunMovie(kRunningTimes, body, kShow),
        Typed(kRunningTimes, {T(0, "60"), T(1, "(approx.)"), T(0, "45"), I(2, 3), T(0, "50"), T(1, "(DVD)"), I(2, 1)}));
}

TEST(SearchTitleValueList, NoteIsTheLastFieldAfterTheValue)
{
    const std::string body = kFilm + "\t\tUSA:R\t(first)\t(second)\n\n";
    EXPECT_EQ(RunMovie(kCertificates, body, kFilm), Typed(kCertificates, {T(0, "USA:R"), T(1, "(second)")}));
}

TEST(SearchTitleWordList, SeriesGenresAndItsEpisodes)
{
    const std::string body = kShow + "\t\tDrama\n" + kShow + " {A (#1.1)}\t\tComedy\n" + kShow +
                             " {B (#1.2)}\t\tDrama\n" + kShow + " {C (#1.3)}\t\tComedy\n\n";
    EXPECT_EQ(RunMovie(kGenres, body, kShow),
              Typed(kGenres, {T(0, "Drama"), T(0, "Comedy"), I(1, 2), T(0, "Drama"), I(1, 1)}));
}

TEST(SearchTitleWordList, StopsAfterTheTitlesBlock)
{
    const std::string body = kFilm + "\t\tUSA\nOther (2001)\t\tFrance\n" + kFilm + "\t\tItaly\n\n";
    EXPECT_EQ(RunMovie(kCountries, body, kFilm), Typed(kCountries, {T(0, "USA")}));
}

TEST(SearchReleaseDates, CountryDateNotesAndLabel)
{
    const std::string body = kShow + "\t\tUSA:10 May 1999\t(premiere)\n" + kPilot + "\t\tUK:1999\n\n";
    EXPECT_EQ(RunMovie(kReleaseDates, body, kShow),
              Typed(kReleaseDates, {T(0, "USA"), T(1, "10 May 1999"), T(2, "(premiere)"), T(0, "UK"), T(1, "1999"),
                                    T(3, "Pilot (#1.1)")}));
}

TEST(SearchTechnical, CodesLabelsAndUnknownFields)
{
    const std::string body =
        kFilm + "\t\tCAM:Panavision\t(some)\n" + kFilm + "\t\tOFM:35 mm\n" + kFilm + "\t\tXYZ:odd\n\n";
    EXPECT_EQ(RunMovie(kTechnical, body, kFilm),
              Typed(kTechnical, {T(99, ""), T(2, "Panavision"), T(1, "(some)"), T(99, ""), T(4, "35 mm"), T(99, ""),
                                 T(0, "XYZ:odd")}));
}

namespace {

std::string RatingsBody()
{
    return "      0000001222  12345   9.2  " + kFilm +
           "\n      *.....1222  1000   8.3  Other (1990)\n\n"
           "BOTTOM 10 MOVIES\nNew  Distribution  Votes  Rank  Title\n      9.........  500   1.2  Bad (1980)\n      "
           "9.........  400   1.3  " +
           kFilm + "\n\nMOVIE RATINGS REPORT\nNew  Distribution  Votes  Rank  Title\n      0000000125  12345   9.2  " +
           kFilm + "\n      00000001    7   6.0  " + kPilot +
           "\n      0000000125  99   2.3  Zed (2005)\n      0000000125  99   2.3  " + kFilm + "\n\n";
}

} // namespace

TEST(SearchRatings, TopBottomAndFullTables)
{
    EXPECT_EQ(RunMovie(kRatings, RatingsBody(), kFilm),
              Typed(kRatings, {I(3, 1), B10(5, {0, 0, 0, 0, 0, 0, 1, 2, 2, 2}), I(6, 12345), I(7, 92), I(4, 9),
                               B10(5, {9, 11, 11, 11, 11, 11, 11, 11, 11, 11}), I(6, 400), I(7, 13),
                               B10(0, {0, 0, 0, 0, 0, 0, 0, 1, 2, 5}), I(1, 12345), I(2, 92)}));
    EXPECT_EQ(RunMovie(kRatings, RatingsBody(), "Bad (1980)"),
              Typed(kRatings, {I(4, 10), B10(5, {9, 11, 11, 11, 11, 11, 11, 11, 11, 11}), I(6, 500), I(7, 12)}));
    // A short distribution reads its missing characters as 11; the episode's label is key 9.
    EXPECT_EQ(RunMovie(kRatings, RatingsBody(), kShow),
              Typed(kRatings, {B10(0, {0, 0, 0, 0, 0, 0, 0, 1, 11, 11}), I(1, 7), I(2, 60), T(9, "Pilot (#1.1)")}));
    EXPECT_EQ(RunMovie(kRatings, RatingsBody(), "Other (1990)"),
              Typed(kRatings, {I(3, 2), B10(5, {10, 11, 11, 11, 11, 11, 1, 2, 2, 2}), I(6, 1000), I(7, 83)}));
    EXPECT_TRUE(RunMovie(kRatings, RatingsBody(), "Absent (1900)").empty());
}

TEST(SearchRatings, ALineWithoutItsTitleFieldEndsTheFullTable)
{
    for (const char* shortLine : {"      0000000125  99   2.3\n", "      0000000125  99   2.3  \t \n"}) {
        const std::string body = "\n\nBOTTOM 10 MOVIES\nNew  Distribution  Votes  Rank  Title\n\nREPORT\n"
                                 "New  Distribution  Votes  Rank  Title\n      0000000125  99   2.3  Abc (2001)\n" +
                                 std::string(shortLine) + "      0000000125  99   2.3  Zed (2005)\n\n";
        EXPECT_TRUE(RunMovie(kRatings, body, "Zed (2005)").empty()) << shortLine;
        EXPECT_FALSE(RunMovie(kRatings, body, "Abc (2001)").empty()) << shortLine;
    }
}

TEST(SearchRatings, RatingIsExactTenthsAndSaturates)
{
    const struct {
        const char* rating;
        std::int32_t tenths;
    } cases[] = {
        {"2.3", 23},
        {"214748364.7", 2147483647},
        // A whole part too large for the value saturates it; the tenth adds nothing.
        {"214748364.8", 2147483647},
        {"999999999.4", 2147483647},
        {"99999999999.9", 2147483647},
    };
    for (const auto& c : cases) {
        const std::string body =
            "\n\nBOTTOM 10 MOVIES\nNew  Distribution  Votes  Rank  Title\n\nREPORT\nNew  Distribution  Votes  Rank  "
            "Title\n      0000000125  99   " +
            std::string(c.rating) + "  Zed (2005)\n\n";
        EXPECT_EQ(RunMovie(kRatings, body, "Zed (2005)"),
                  Typed(kRatings, {B10(0, {0, 0, 0, 0, 0, 0, 0, 1, 2, 5}), I(1, 99), I(2, c.tenths)}))
            << c.rating;
    }
}
