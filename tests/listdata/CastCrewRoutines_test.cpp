#include "RoutineFixture.h"
#include "support/FixtureLists.h"

#include <gtest/gtest.h>

using namespace searchtest;
using testsupport::OverLongLine;

namespace {

const std::string kDashes = "-------------------------------------------------------------------------------\n";

} // namespace

TEST(SearchActingCredits, FieldsInLineOrderForEveryCredit)
{
    const std::string body = "Abbot, Ann\t\tAlpha (1990)\n\nBrook, Ben\t\tFilm (2001)  (voice)  [Mayor]  "
                             "<4>\n\t\t\t\"Show\" (1999) {Pilot (#1.1)}  [Guard]\n"
                             "\t\t\tZeta (2005)  [Ghost]  (uncredited)  \n\nCole, Cy\t\tFilm (2001)\n\n";
    EXPECT_EQ(RunCast(kActors, body, "Brook, Ben"),
              Typed(kActors, {T(1, "Film (2001)"), T(2, "(voice)"), T(3, "Mayor"), I(4, 4),
                              T(1, "\"Show\" (1999) {Pilot (#1.1)}"), T(3, "Guard"), T(1, "Zeta (2005)"), T(3, "Ghost"),
                              T(2, "(uncredited)")}));
}

TEST(SearchActingCredits, NameDifferingInCaseIsFound)
{
    const std::string body = "Abbot, Ann\t\tAlpha (1990)\n\nBROOK, ben\t\tFilm (2001)\n\nCole, Cy\t\tFilm (2001)\n\n";
    EXPECT_EQ(RunCast(kActresses, body, "Brook, Ben"), Typed(kActresses, {T(1, "Film (2001)")}));
}

TEST(SearchActingCredits, StopsAtThePersonsPlace)
{
    // The list is sorted by name, so a record behind a greater name is never reached.
    const std::string body = "Abbot, Ann\t\tAlpha (1990)\n\nCole, Cy\t\tFilm (2001)\n\nBrook, Ben\t\tFilm (2001)\n\n";
    EXPECT_TRUE(RunCast(kActors, body, "Brook, Ben").empty());
    // Names compare with ASCII letters folded: "brook" sorts after "Abbot" and before "cole".
    EXPECT_EQ(
        RunCast(kActors, "Abbot, Ann\t\tA (1990)\n\nbrook, Ben\t\tB (1991)\n\ncole, Cy\t\tC (1992)\n\n", "Cole, Cy"),
        Typed(kActors, {T(1, "C (1992)")}));
}

TEST(SearchCrewCredits, EveryFurtherFieldIsANote)
{
    const std::string body = "Dane, Dee\t\tFilm (2001)  (director of photography)  (as D. Dane)\n\t\t\tZeta (2005)\n\n";
    EXPECT_EQ(RunCast(kCinematographers, body, "Dane, Dee"),
              Typed(kCinematographers, {T(1, "Film (2001)"), T(2, "(director of photography)"), T(2, "(as D. Dane)"),
                                        T(1, "Zeta (2005)")}));
}

TEST(SearchCrewCredits, FieldsAreStoredAsCutLikeTheTitleSidesNotes)
{
    // Unlike an actor's note, a crew field keeps a blank that ends its line: both sides of
    // a crew list store the same text for one credit.
    const std::string body = "Dane, Dee\t\tFilm (2001)  (producer) \n\n";
    EXPECT_EQ(RunCast(kProducers, body, "Dane, Dee"), Typed(kProducers, {T(1, "Film (2001)"), T(2, "(producer) ")}));
    EXPECT_EQ(RunMovie(kProducers, body, "Film (2001)"), Typed(kProducers, {T(0, "Dane, Dee"), T(2, "(producer) ")}));
}

TEST(SearchWritingCredits, ANoteKeepsABlankThatEndsItsLineOnBothSides)
{
    const std::string body = "Jay, Jo\t\tFilm (2001)  (story) \n\n";
    EXPECT_EQ(RunCast(kWriters, body, "Jay, Jo"), Typed(kWriters, {T(1, "Film (2001)"), T(2, "(story) ")}));
    EXPECT_EQ(RunMovie(kWriters, body, "Film (2001)"), Typed(kWriters, {T(0, "Jay, Jo"), T(2, "(story) ")}));
}

TEST(SearchWritingCredits, OrderMarksAsThreeBytes)
{
    const std::string body = "Jay, Jo\t\tFilm (2001)  (story)  <1,2,1>\n\t\t\tZeta (2005)  <3>\n\n";
    EXPECT_EQ(RunCast(kWriters, body, "Jay, Jo"), Typed(kWriters, {T(1, "Film (2001)"), T(2, "(story)"), B3(3, 1, 2, 1),
                                                                   T(1, "Zeta (2005)"), B3(3, 3, 0, 0)}));
}

// The piece that continues an over-long line is no line of its own: the filmography gets
// no title made of it, the person no alias, the biography no code; the lines behind it
// are read as usual.
TEST(CastCrewRoutines, AnOverLongLineIsOneCreditAliasOrCode)
{
    const std::string phantom = "amet na\xEFve \xBD consectetur  (lorem)";
    const ListCase cases[] = {
        {"first line of an actor",
         kActors,
         OverLongLine("Brook, Ben\t\tFilm (2001)  [Mayor]", phantom) + "\t\t\tZeta (2005)  [Ghost]\n\n",
         {T(1, "Film (2001)"), T(3, "Mayor"), T(1, "Zeta (2005)"), T(3, "Ghost")}},
        {"further line of an actor",
         kActors,
         "Brook, Ben\t\tFilm (2001)\n" + OverLongLine("\t\t\tZeta (2005)  <2>", phantom) + "\n",
         {T(1, "Film (2001)"), T(1, "Zeta (2005)"), I(4, 2)}},
        {"crew",
         kCinematographers,
         OverLongLine("Brook, Ben\t\tFilm (2001)  (director of photography)", phantom) + "\t\t\tZeta (2005)\n\n",
         {T(1, "Film (2001)"), T(2, "(director of photography)"), T(1, "Zeta (2005)")}},
        {"writer",
         kWriters,
         OverLongLine("Brook, Ben\t\tFilm (2001)  <1,2,1>", "Zeta (2005)  (story)") + "\n",
         {T(1, "Film (2001)"), B3(3, 1, 2, 1)}},
        {"aka names",
         kAkaNames,
         "Brook, Ben\n" + OverLongLine("   (aka Brooks, Benny)\t(as a child)", "   (aka Phantom, Name)") +
             "   (aka B.B.)\n\n",
         {T(0, "Brooks, Benny"), T(0, "B.B.")}},
        {"biography",
         kBiographies,
         kDashes + "NM: Brook, Ben\n\n" + OverLongLine("BG: First paragraph.", "DB: 12 March 1950, Bergen") +
             OverLongLine("TR: * Trivia item", "TR: * Phantom item") + "BY: anon\n\n" + kDashes,
         {T(13, "First paragraph."), T(29, "Trivia item"), T(14, "anon")}},
    };
    for (const ListCase& c : cases)
        EXPECT_EQ(RunCast(c.list, c.body, "Brook, Ben"), Typed(c.list, c.records)) << c.what;
}

TEST(SearchAkaNames, AlternativeNamesOfThePerson)
{
    const std::string body = "Abbot, Ann\n   (aka Abbott, Anne)\n\nBrook, Ben  \n   (aka Brooks, Benny)\t(note)\n   "
                             "(aka B.B.)\n\nCole, Cy\n   (aka C)\n\n";
    EXPECT_EQ(RunCast(kAkaNames, body, "brook, ben"), Typed(kAkaNames, {T(0, "Brooks, Benny"), T(0, "B.B.")}));
}

TEST(SearchBiography, CodesAndPartsOfEveryLine)
{
    const std::string body =
        kDashes + "NM: Abbot, Ann\n\nRN: Ann Abbot\n\n" + kDashes +
        "NM: Brook, Ben\n\nRN: Benjamin Brook\nDB: 5 May 1950\n" +
        "DD: 5 May 1999, Los Angeles, California, USA (heart attack)\n\nBG: First paragraph.\nBG:\nBG: Second "
        "paragraph.\n\nBY: anon\n\n" +
        "TR: * Trivia item one\nTR: continued\nXX: unknown code\nSP: 'Ann Smith' (1970 - 1980) (divorced)\n\n" +
        kDashes + "NM: Cole, Cy\n\nRN: C\n\n" + kDashes;
    EXPECT_EQ(
        RunCast(kBiographies, body, "Brook, Ben"),
        Typed(kBiographies, {T(2, "Benjamin Brook"), T(5, "5 May 1950"), T(9, "5 May 1999"),
                             T(10, "Los Angeles, California, USA"), T(11, "(heart attack)"), T(13, "First paragraph."),
                             T(13, ""), T(13, "Second paragraph."), T(14, "anon"), T(29, "Trivia item one"),
                             T(30, "continued"), T(39, "Ann Smith"), T(40, "(1970 - 1980)"), T(40, "(divorced)")}));
}

TEST(SearchBiography, EmptyLinesOfOtherCodesAddNothing)
{
    const std::string body = kDashes + "NM: Brook, Ben\n\nRN:\nNK: \nHT: 1.80 m\n\n" + kDashes;
    EXPECT_EQ(RunCast(kBiographies, body, "Brook, Ben"), Typed(kBiographies, {T(12, "1.80 m")}));
}

TEST(CastCrewRoutines, FullStoreEndsTheRoutineWithFalse)
{
    bool ok = true;
    const auto records = RunRoutine(CastListRoutine(kActors), kActors, "Brook, Ben\t\tFilm (2001)  [Mayor]  <4>\n\n",
                                    "Brook, Ben", &ok, 1);
    EXPECT_FALSE(ok);
    EXPECT_EQ(records, Typed(kActors, {T(1, "Film (2001)")}));
}
