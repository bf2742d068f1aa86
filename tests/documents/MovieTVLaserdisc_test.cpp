// The Laserdisc Details block on small hand-built stores, read back as text. The fixed-
// pitch measure makes "- " two characters wide.

#include "support/MovieTVBlocks.h"

namespace {

using namespace testsupport;

Rec Disc(int code, std::string text = "1")
{
    return Text(kLaserdisc, code, std::move(text));
}

TEST_F(MovieTVTextTest, LaserdiscDetails)
{
    const std::string heading = "{-1,1}*Laserdisc Details:*\n";
    const std::string details = "{-1,2}Disc Details:\n";
    Check(
        {
            {"title only", {Disc(1), Disc(4, "Film")}, heading + "{-1,2}Disc Title: Film\nDisc Details:\n"},
            {"two discs: two parts a blank line apart",
             {Disc(1), Disc(4, "A"), Disc(1), Disc(4, "B")},
             heading + "{-1,2}Disc Title: A\nDisc Details:\n\nDisc Title: B\nDisc Details:\n"},
            {"a disc without LN; forged codes ignored",
             {Disc(4, "A"), Disc(-3, "x"), Disc(99, "y"), Disc(2, "Label")},
             heading + "{-1,2}Disc Title: A\n{-1,3}Label\n" + details},
            {"label with number, colour with length",
             {Disc(1), Disc(2, "Lab"), Disc(3, "ID1"), Disc(18, "Color"), Disc(13, "120")},
             heading + "{-1,3}Lab ID1\nColor - 120 minutes\n" + details},
            {"number and length alone", {Disc(1), Disc(3, "ID1"), Disc(13, "90")},
             heading + "{-1,3}ID1\n90 minutes\n" + details},
            {"country alone", {Disc(1), Disc(35, "USA")}, heading + "{-1,2}Released in USA\nDisc Details:\n"},
            {"date alone", {Disc(1), Disc(14, "1 May 1990")}, heading + "{-1,2}Released: 1 May 1990\nDisc Details:\n"},
            {"country and date", {Disc(1), Disc(14, "1 May 1990"), Disc(35, "USA")},
             heading + "{-1,2}Released in USA, 1 May 1990\nDisc Details:\n"},
            {"values that mean none",
             {Disc(1), Disc(8, "-"), Disc(12, "-"), Disc(20, "- "), Disc(34, "-"), Disc(30, "-")},
             heading + details + "{-1,3}Close Captioning: None\n"},
            {"every shown field in its place; the others not shown",
             {Disc(1),        Disc(8, "R"),        Disc(15, "Standard Play"), Disc(16, "39.95"), Disc(17, "NTSC"),
              Disc(29, "Letterboxed"), Disc(28, "1.85:1"), Disc(30, "Yes"), Disc(23, "Pioneer"), Disc(24, "Carson"),
              Disc(26, "2"),  Disc(27, "CLV"),     Disc(31, "28"),            Disc(11, "English"), Disc(12, "Spanish"),
              Disc(19, "CLV"), Disc(20, "Digital"), Disc(32, "8"),            Disc(5, "Other"),  Disc(6, "3"),
              Disc(7, "1990"), Disc(9, "Feature"), Disc(10, "Drama"),         Disc(25, "12"),    Disc(0, "no code")},
             heading + "{-1,2}Certificate: R\n{-1,3}Standard Play\n{-1,2}List Price: 39.95\n"
                       "Video Information: Letterboxed, 1.85:1, NTSC\nDisc Details:\n{-1,3}Close Captioning: Yes\n"
                       "Master Format: Pioneer\nPressed at: Carson\nSides: 2 (CLV)\nChapter Stops: 28\n"
                       "Language: English\nSubtitles: Spanish\nSound Encoding: CLV\nDigital Track: Digital\n"},
            {"both analog tracks", {Disc(1), Disc(21, "L"), Disc(22, "R")},
             heading + details + "{-1,3}Analog Left: L, Analog Right: R\n"},
            {"no right track", {Disc(1), Disc(21, "Mono"), Disc(22, "-")},
             heading + details + "{-1,3}Analog Track: Mono\n"},
            {"no left track", {Disc(1), Disc(21, "-"), Disc(22, "R")}, heading + details + "{-1,3}Analog Right: R\n"},
            {"a left track alone", {Disc(1), Disc(21, "L")}, heading + details},
            {"supplements split at ';', continued by the next line",
             {Disc(1), Disc(34, "a; b"), Disc(34, "c"), Disc(34, "d;; e"), Disc(34, " f;")},
             heading + details + "Supplements:\n{-2,5}- a.\n- b c d.\n- e f.\n"},
            {"review and notes: runs joined; an empty note parts paragraphs",
             {Disc(1), Disc(36, "Good."), Disc(36, "Very."), Disc(33, "One."), Disc(33, "Two."), Disc(33, ""),
              Disc(33, "Three.")},
             heading + details + "Review:\n{0,2}Good. Very.\n{-1,2}Notes:\n{0,2}One. Two.\nThree.\n"},
            {"a run ends at another code", {Disc(36, "a"), Disc(2, "Lab"), Disc(36, "b")},
             heading + "{-1,3}Lab\n" + details + "Review:\n{0,2}a\n"},
        },
        [](CMovieTVText& t) { return t.AddLaserdiscDetails(); });
}

} // namespace
