// The Movie/TV view's fact blocks on small hand-built stores, read back as text.

#include "support/MovieTVBlocks.h"

namespace {

using namespace testsupport;

TEST_F(MovieTVTextTest, Taglines)
{
    const std::string heading = "{-1,1}*Tagline:*\n{-1,2}";
    Check(
        {
            {"the title's own", {Text(kTaglines, 1, ""), Text(kTaglines, 0, "A"), Text(kTaglines, 0, " B ")},
             heading + "A\nB\n"},
            {"episodes one deeper; a blank line between entries, never before the first",
             {Text(kTaglines, 1, ""), Text(kTaglines, 0, "A"), Text(kTaglines, 1, "Ep (#1.1)"), Text(kTaglines, 0, "B"),
              Text(kTaglines, 1, ""), Text(kTaglines, 0, "C")},
             heading + "A\n/Ep (#1.1)/\n{-1,3}B\n\n{-1,2}C\n"},
        },
        [](CMovieTVText& t) { return t.AddTagline(); });
}

TEST_F(MovieTVTextTest, AkaTitles)
{
    Check({{"notes on the title's line; an unknown key",
            {Text(kAkaTitles, 0, "Der Film"), Text(kAkaTitles, 1, "(Germany)"), Text(kAkaTitles, 1, "(TV title)"),
             Text(kAkaTitles, 5, "x")},
            "{-1,1}*Also Known As:*\n{-1,2}Der Film - /(Germany)/ - /(TV title)/\n"
            "Unknown Aka Title. Please report this to the Author of this Program.\n"}},
          [](CMovieTVText& t) { return t.AddAkaTitles(kAkaTitles); });
    Check({{"a list without a title heading",
            {Text(kMovies, 0, "X")},
            "{-1,1}*Unknown Headline. Please report this to the Author of this Program.*\n{-1,2}X\n"}},
          [](CMovieTVText& t) { return t.AddAkaTitles(kMovies); });
}

TEST_F(MovieTVTextTest, OneLineBlocks)
{
    // A 3-character text and its NUL fill 4 bytes as a count does: it is still a text.
    Check(
        {{"values with episode counts, an older file's text count, an unknown key",
          {Text(kGenres, 0, "A"), Text(kGenres, 0, "B"), Int(kGenres, 1, 1), Text(kGenres, 0, "C"), Int(kGenres, 1, 2),
           Text(kGenres, 0, "D"), Int(kGenres, 1, 0), Text(kGenres, 1, "(some)"), Text(kGenres, 0, "E"),
           Text(kGenres, 1, "(v)"), Text(kGenres, 0, "F"), Int(kGenres, 1, (1 << 21) - 1), Text(kGenres, 7, "?")},
          "{-1,1}*Genre: *A / B /(1 episode)/ / C /(2 episodes)/ / D /(0 episodes)/ /(some)/ / E /(v)/"
          " / F /(2097151 episodes)/"
          "Unknown Info. Please report this to the Author of this Program.\n"}},
        [](CMovieTVText& t) { return t.AddTitleWords(kGenres); });
    Check({{"a note and a count",
            {Text(kRunningTimes, 0, "95"), Text(kRunningTimes, 1, "(director's cut)"), Text(kRunningTimes, 0, "30"),
             Int(kRunningTimes, 2, 1)},
            "{-1,1}*Runtime: *95 /(director's cut)/ / 30 /(1 episode)/\n"}},
          [](CMovieTVText& t) { return t.AddTitleValues(kRunningTimes); });
    Check({{"the reasons joined",
            {Text(kMpaaRatingsReasons, 1, "Rated R"), Text(kMpaaRatingsReasons, 0, "not shown"),
             Text(kMpaaRatingsReasons, 1, " for violence. ")},
            "{-1,1}*MPAA: *Rated R for violence.\n"}},
          [](CMovieTVText& t) { return t.AddMpaa(); });
    // In a section the one-line blocks form a group: one blank line after all of them.
    Check({{"Genre and Runtime in Overview",
            {Text(kRunningTimes, 0, "90"), Text(kGenres, 0, "A")},
            "{-1,1}*Genre: *A\n*Runtime: *90\n\n"}},
          [](CMovieTVText& t) {
              t.AddOverview();
              return true;
          });
}

TEST_F(MovieTVTextTest, ReleaseDatesEndAtOneEdge)
{
    // Countries 12 characters at most: dates start at 14 + (16 - their own length).
    Check({{"two widths, a note and an episode",
            {Text(kReleaseDates, 0, "USA"), Text(kReleaseDates, 1, "12 December 2001"),
             Text(kReleaseDates, 2, "(premiere)"), Text(kReleaseDates, 0, "West Germany"),
             Text(kReleaseDates, 1, " 1 May 2000 "), Text(kReleaseDates, 3, "Pilot (#1.1)")},
            "{-1,1}*Release Dates:*\n{-1,2|14}USA→12 December 2001 (premiere)\n"
            "{-1,2|20}West Germany→1 May 2000 - /Pilot (#1.1)/\n"}},
          [](CMovieTVText& t) { return t.AddReleaseDates(); });
}

TEST_F(MovieTVTextTest, MovieLinks)
{
    const std::string heading = "{-1,1}*Movie Links:*\n";
    Check(
        {
            {"one relation in a column, then the next relation",
             {Text(kMovieLinks, 99, ""), Text(kMovieLinks, 2, "A (2001)"), Text(kMovieLinks, 2, "B (2002)"),
              Text(kMovieLinks, 2, "C (2003)"), Text(kMovieLinks, 3, "D (2004)")},
             heading + "{-1,2|14}Followed by:→[A (2001)|0]\n→→[B (2002)|0]\n→→[C (2003)|0]\n"
                       "{-1,2|10}Follows:→[D (2004)|0]\n"},
            {"codes without a relation: no heading; episode headers are only headers",
             {Text(kMovieLinks, 99, ""), Text(kMovieLinks, 0, "Z"), Text(kMovieLinks, 40, "Y"),
              Text(kMovieLinks, 40, "X"), Text(kMovieLinks, 99, "Ep (#1.1)"), Text(kMovieLinks, 2, "A"),
              Text(kMovieLinks, 99, ""), Text(kMovieLinks, 2, "B")},
             heading + "{-1,2}[Z|0]\n[Y|0]\n→→[X|0]\n/Ep (#1.1)/\n{-1,3|15}Followed by:→[A|0]\n{-1,2}\n"
                       "{-1,2|14}Followed by:→[B|0]\n"},
        },
        [](CMovieTVText& t) { return t.AddMovieLinks(); });
}

TEST_F(MovieTVTextTest, UserRatings)
{
    const std::string heading = "{-1,1}*User Ratings:*\n{-1,2}";
    const std::string votes = " Zuvo users have given a weighted average vote of ";
    Check(
        {
            {"only in the full table",
             {Text(kRatings, 0, "0000012211"), Int(kRatings, 1, 1234), Int(kRatings, 2, 75)},
             heading + "1234" + votes + "7.5 / 10.\n"},
            {"top 250: the rank, then the votes",
             {Int(kRatings, 3, 5), Int(kRatings, 6, 99), Int(kRatings, 7, 80), Int(kRatings, 1, 1234),
              Int(kRatings, 2, 75)},
             heading + "Ranked #5 in the top 250.\n1234" + votes + "7.5 / 10.\n"},
            {"two ranked and two full-table entries: four lines",
             {Int(kRatings, 3, 1), Text(kRatings, 8, "Ep1"), Int(kRatings, 4, 2), Text(kRatings, 8, "Ep2"),
              Int(kRatings, 1, 10), Int(kRatings, 2, 10), Text(kRatings, 9, "Ep1"), Int(kRatings, 1, 20),
              Int(kRatings, 2, 5), Text(kRatings, 9, "Ep2")},
             heading + "Ranked #1 in the top 250. - /Ep1/\nRanked #2 in the bottom 10. - /Ep2/\n10" + votes +
                 "1.0 / 10. - /Ep1/\n20" + votes + "0.5 / 10. - /Ep2/\n"},
            {"votes start at 0; an episode part before any line is not shown",
             {Text(kRatings, 8, "lost"), Int(kRatings, 2, 100)},
             heading + "0" + votes + "10.0 / 10.\n"},
        },
        [](CMovieTVText& t) { return t.AddUserRatings(); });
}

TEST_F(MovieTVTextTest, LocationsAndCompaniesWithEpisodeCounts)
{
    Check({{"counts as episodes, an older file's text, an unknown key",
            {Text(kLocations, 0, "Bergen"), Text(kLocations, 1, "(harbour)"), Int(kLocations, 2, 10),
             Text(kLocations, 0, "Lyon"), Int(kLocations, 2, 1), Text(kLocations, 0, "Oslo"),
             Text(kLocations, 2, "(pilot only)"), Text(kLocations, 0, "Rome"), Text(kLocations, 2, "(v)"),
             Text(kLocations, 4, "?")},
            "{-1,1}*Locations:*\n{-1,2}Bergen (harbour) /(10 episodes)/\nLyon /(1 episode)/\nOslo /(pilot only)/\n"
            "Rome /(v)/\n"
            "Unknown Location. Please report this to the Author of this Program.\n"}},
          [](CMovieTVText& t) { return t.AddLocations(); });
    Check({{"a note and a count; other keys not shown",
            {Text(kDistributors, 0, "Alder"), Text(kDistributors, 1, "(1999)"), Int(kDistributors, 2, 10),
             Text(kDistributors, 5, "x")},
            "{-1,1}*Distributors:*\n{-1,2}Alder (1999) /(10 episodes)/\n"}},
          [](CMovieTVText& t) { return t.AddCompanies(kDistributors); });
    Check({{"a list without a company heading",
            {Text(kMovies, 0, "X")},
            "{-1,1}*Unknown Headline. Please report this to the Author of this Program.*\n{-1,2}X\n"}},
          [](CMovieTVText& t) { return t.AddCompanies(kMovies); });
    Check({{"a column after the widest company; a tab only after the company",
            {Text(kMiscellaneousCompanies, 0, "Lumen Labs"), Text(kMiscellaneousCompanies, 1, "(titles)"),
             Int(kMiscellaneousCompanies, 2, 2), Text(kMiscellaneousCompanies, 0, "Frame"),
             Int(kMiscellaneousCompanies, 2, 1)},
            "{-1,1}*Other Companies:*\n{-1,2|12}Lumen Labs→(titles) /(2 episodes)/\nFrame→/(1 episode)/\n"}},
          [](CMovieTVText& t) { return t.AddOtherCompanies(); });
}

} // namespace
