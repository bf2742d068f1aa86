#include "RoutineFixture.h"
#include "support/FixtureLists.h"

#include <gtest/gtest.h>

using namespace searchtest;
using testsupport::OverLongLine;

namespace {

const std::string kShow = "\"Night Harbour\" (1999)";

std::string Episode(int season, int number)
{
    return kShow + " {Ep " + std::to_string(number) + " (#" + std::to_string(season) + "." + std::to_string(number) +
           ")}";
}

} // namespace

TEST(SearchCast, SeriesEpisodesAggregateBillingAndRoles)
{
    std::string body = "Abbot, Ann\t\tFilm (2001)  [Nurse]\n\n";
    body += "Brook, Ben\t\t" + Episode(1, 1) + "  [Harbour Master]\n";
    for (int n = 2; n <= 12; ++n)
        body += "\t\t\t" + Episode(1, n) + "  [" + (n % 4 == 0 ? "Ghost" : "Harbour Master") + "]" +
                (n == 5 ? "  <7>" : "") + (n == 9 ? "  <3>" : "") + "\n";
    body += "\t\t\tZebra (2005)  [Other]\n\n";
    body += "Cole, Cy\t\tOther Show (1999)\n\n-----------------------------------------\n";

    EXPECT_EQ(RunMovie(kActors, body, kShow),
              Typed(kActors, {T(0, "Brook, Ben"), I(4, 3), T(3, "Harbour Master"), I(5, 12), I(6, 2)}));
}

TEST(SearchCast, SingleBareCreditGivesOnlyTheName)
{
    const std::string body =
        "Abbot, Ann\t\tFilm (2001)\n\t\t\tGolden Days (1950)\n\nBrook, Ben\t\tGolden Days (1950)  [Mayor]\n\n";
    EXPECT_EQ(RunMovie(kActresses, body, "Film (2001)"), Typed(kActresses, {T(0, "Abbot, Ann")}));
}

TEST(SearchCast, RoleTieGoesToTheEarliestAndNotesCountAsRoles)
{
    // Two roles once each: the first one wins; a note replaces an earlier role on its line.
    const std::string body = "Dane, Dee\t\t" + kShow + " {A (#1.1)}  [Cook]\n\t\t\t" + kShow +
                             " {B (#1.2)}  [Maid]\n\t\t\t" + kShow + " {C (#1.3)}  [Maid]  (voice)  \n\n";
    EXPECT_EQ(RunMovie(kActors, body, kShow), Typed(kActors, {T(0, "Dane, Dee"), T(3, "Cook"), I(5, 3), I(6, 3)}));
}

TEST(SearchCast, OnlyTheTitleItselfAndItsEpisodesMatch)
{
    // A longer title that begins with the series title, and a brace group of another
    // series, are not the title's; a field behind the title is a note, not an episode.
    const std::string body = "Eve, Ed\t\t\"Night Harbour\" (1999) 2\n\t\t\t\"Night Harbour\" (2000) {X (#1.1)}\n\n"
                             "Fay, Flo\t\t\"Night Harbour\" (1999)  {{SUSPENDED}}\n\n";
    EXPECT_EQ(RunMovie(kActors, body, kShow), Typed(kActors, {T(0, "Fay, Flo"), T(3, "{{SUSPENDED}}")}));
}

TEST(SearchCrew, EpisodeGroupsByNoteInOrderOfTheirFirstLines)
{
    std::string body = "Gale, Gus\t\tFilm (2001)  (uncredited)\n\n";
    body += "Hart, Hal\t\t" + Episode(1, 1) + "\n";
    for (int n = 2; n <= 7; ++n)
        body += "\t\t\t" + Episode(1, n) + (n == 3 || n == 6 ? "  (second unit)" : "") + "\n";
    body += "\n";
    EXPECT_EQ(RunMovie(kDirectors, body, kShow),
              Typed(kDirectors, {T(0, "Hart, Hal"), I(3, 5), T(2, "(second unit)"), I(3, 2)}));
}

TEST(SearchCrew, TitleLinesKeepTheirNotesAndReadTheWholeList)
{
    // Person-keyed lists are read to the end: both people are found.
    const std::string body = "Ives, Ida\t\tFilm (2001)  (co-producer)\n\t\t\tFilm (2001)  (producer)\n\n"
                             "Zorn, Zed\t\tFilm (2001)\n\n";
    EXPECT_EQ(RunMovie(kProducers, body, "Film (2001)"),
              Typed(kProducers, {T(0, "Ives, Ida"), T(2, "(co-producer)"), T(2, "(producer)"), T(0, "Zorn, Zed")}));
}

TEST(SearchWriters, EachTitleCreditGetsItsOwnNameNoteAndOrder)
{
    const std::string body = "Jay, Jo\t\tFilm (2001)  (story)  <1,2,1>\n\t\t\tFilm (2001)  (screenplay)  <2,1,1>\n\n"
                             "Kerr, Kim\t\tFilm (2001)  <1,1>\n\n";
    EXPECT_EQ(RunMovie(kWriters, body, "Film (2001)"),
              Typed(kWriters, {T(0, "Jay, Jo"), T(2, "(story)"), B3(3, 1, 2, 1), T(0, "Jay, Jo"), T(2, "(screenplay)"),
                               B3(3, 2, 1, 1),
                               // A short order mark reads its missing digit as 0.
                               T(0, "Kerr, Kim"), B3(3, 1, 1, 0)}));
}

TEST(SearchWriters, EpisodeLinesAreGroupedUnderOneNameWithoutOrders)
{
    const std::string body = "Lake, Lu\t\t" + kShow + "  (creator)  <1,1,1>\n\t\t\t" + Episode(1, 1) +
                             "  (written by)  <1,1,1>\n\t\t\t" + Episode(1, 2) + "\n\t\t\t" + Episode(1, 3) +
                             "  (written by)\n\n";
    EXPECT_EQ(RunMovie(kWriters, body, kShow),
              Typed(kWriters, {T(0, "Lake, Lu"), T(2, "(creator)"), B3(3, 1, 1, 1), T(0, "Lake, Lu"),
                               T(2, "(written by)"), I(5, 2), I(5, 1)}));
}

// An over-long line reaches the routines in pieces. The piece that continues it is no
// credit line of its own, even when it begins with the title: the credit is the line's
// first piece, and the lines behind it are read as usual.
TEST(CreditRoutines, AnOverLongLineIsOneCreditLine)
{
    const std::string film = "Film (2001)";
    const struct {
        const char* what;
        int list;
        std::string title;
        std::string body;
        std::vector<Rec> records;
    } cases[] = {
        {"cast: the credit once",
         kActors,
         film,
         OverLongLine("Brook, Ben\t\tFilm (2001)  [Mayor]", "Film (2001)  [Ghost]  <1>") + "\t\t\tZeta (2005)\n\n",
         {T(0, "Brook, Ben"), T(3, "Mayor")}},
        {"cast: no phantom person",
         kActors,
         film,
         OverLongLine("Abbot, Ann\t\tOther (1990)", "Film (2001)  [Ghost]") + "\t\t\tZeta (2005)\n\n",
         {}},
        {"cast: the credits behind it",
         kActors,
         kShow,
         OverLongLine("Cole, Cy\t\t" + Episode(1, 1) + "  [Cook]", "consectetur") + "\t\t\t" + Episode(1, 2) +
             "  [Cook]\n\n",
         {T(0, "Cole, Cy"), T(3, "Cook"), I(5, 2)}},
        {"crew: no phantom person",
         kDirectors,
         kShow,
         OverLongLine("Gale, Gus\t\tOther (1990)", kShow + "  (second unit)") + "\n",
         {}},
        {"crew: the credits behind it",
         kDirectors,
         kShow,
         OverLongLine("Hart, Hal\t\t" + Episode(1, 1), kShow + "  (uncredited)") + "\t\t\t" + Episode(1, 2) + "\n\n",
         {T(0, "Hart, Hal"), I(3, 2)}},
        {"writers: the credit once",
         kWriters,
         film,
         OverLongLine("Jay, Jo\t\tFilm (2001)  (story)", "Film (2001)  (novel)  <2,1,1>") + "\n",
         {T(0, "Jay, Jo"), T(2, "(story)")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunMovie(c.list, c.body, c.title), Typed(c.list, c.records)) << c.what;
}

TEST(SearchCoverage, StatusLengthChoosesTheKeyAndEpisodesDoNotMatch)
{
    const std::string body = "Alpha (1990)\t\tComplete\n" + kShow + " {Pilot (#1.1)}\t\tVerified as complete\n" +
                             kShow + "\t\tVerified as complete\nZulu (2000)\t\tComplete\n\n";
    EXPECT_EQ(RunMovie(kCompleteCast, body, kShow), Typed(kCompleteCast, {E(1)}));
    EXPECT_EQ(RunMovie(kCompleteCrew, body, "Alpha (1990)"), Typed(kCompleteCrew, {E(0)}));
}

TEST(SearchCoverage, MissingStatusAddsNothing)
{
    EXPECT_TRUE(RunMovie(kCompleteCast, "Alpha (1990)\n\n", "Alpha (1990)").empty());
}

TEST(CreditRoutines, FullStoreEndsTheRoutineWithFalse)
{
    const std::string body = "Abbot, Ann\t\tFilm (2001)  [Nurse]  <2>\n\nBrook, Ben\t\tFilm (2001)\n\n";
    bool ok = true;
    const auto records = RunRoutine(MovieListRoutine(kActors), kActors, body, "Film (2001)", &ok, 2);
    EXPECT_FALSE(ok);
    EXPECT_EQ(records, Typed(kActors, {T(0, "Abbot, Ann"), I(4, 2)}));
}
