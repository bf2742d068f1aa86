// The Movie/TV view's blocks on small hand-built stores, read back as text (RtfToText:
// {first,left|tabs} paragraph formats in characters, → tabs, *bold*, /italic/,
// [display|kind|target|alt] links).

#include "support/MovieTVBlocks.h"

namespace {

using namespace testsupport;

std::string Episode(const std::string& name, const std::string& number)
{
    return "\"S\" (1999) {" + name + " (" + number + ")}";
}

std::string EpisodeLink(const std::string& name, const std::string& number)
{
    return "[" + name + " (" + number + ")|0|" + Episode(name, number) + "|Show - " + name + " (" + number + ")]\n";
}

TEST_F(MovieTVTextTest, TitleLineAndEpisodes)
{
    const std::string episodes = "\n{-1,1}*Episodes:*\n{-1,2}";
    Check(
        {
            {"no Movies record", {Text(kActors, 0, "A")}, "(false)"},
            {"a bare year", {Text(kMovies, 0, "1999")}, "(false)"},
            {"a year range and a further text",
             {Text(kMovies, 0, "1999-2004"), Text(kMovies, 1, " (TV) ")},
             "{-1,2}1999-2004  (TV)\n"},
            {"seasons and episodes as numbers",
             {Text(kMovies, 0, "1999"), Text(kMovies, 2, Episode("C", "#2.1")), Text(kMovies, 2, Episode("B", "#1.10")),
              Text(kMovies, 2, Episode("A", "#1.2"))},
             "{-1,2}" + episodes + EpisodeLink("A", "#1.2") + EpisodeLink("B", "#1.10") + EpisodeLink("C", "#2.1")},
            {"equal numbers in store order",
             {Text(kMovies, 2, Episode("B1", "#1.1")), Text(kMovies, 2, Episode("B2", "#1.1")),
              Text(kMovies, 2, Episode("A", "#0.1"))},
             "{-1,2}" + episodes + EpisodeLink("A", "#0.1") + EpisodeLink("B1", "#1.1") + EpisodeLink("B2", "#1.1")},
            {"dated episodes newest first, before numbered ones",
             {Text(kMovies, 0, "1999-2004"), Text(kMovies, 2, Episode("N", "#1.1")),
              Text(kMovies, 2, Episode("May", "2004-05-01")), Text(kMovies, 2, Episode("June", "2004-06-01"))},
             "{-1,2}1999-2004\n" + episodes + EpisodeLink("June", "2004-06-01") + EpisodeLink("May", "2004-05-01") +
                 EpisodeLink("N", "#1.1")},
        },
        [](CMovieTVText& t) { return t.AddEpisodes(); });
}

TEST_F(MovieTVTextTest, CrewBlocks)
{
    const std::string heading = "{-1,1}*Directed by:*\n";
    Check(
        {
            {"no record", {Text(kActors, 0, "A")}, "(false)"},
            {"one person without notes", {Text(kDirectors, 0, "Al")}, heading + "{-1,2|4}[Al|1]\n"},
            {"notes and episode groups",
             {Text(kDirectors, 0, "Doe, Jo"), Text(kDirectors, 2, "(note)"), Int(kDirectors, 3, 5),
              Text(kDirectors, 2, " (second unit) "), Int(kDirectors, 3, 1), Text(kDirectors, 0, "Al"),
              Int(kDirectors, 3, 2)},
             heading + "{-1,2|8}[Jo Doe|1|Doe, Jo]→(note) /(5 episodes)/ (second unit) /(1 episode)/\n"
                       "[Al|1]→/(2 episodes)/\n"},
            // A 3-character text and its NUL fill 4 bytes as a count does: it is still a text.
            {"counts a document file holds out of range show their text",
             {Text(kDirectors, 0, "Al"), Int(kDirectors, 3, (1 << 21) - 1), Text(kDirectors, 3, "(v)"),
              Text(kDirectors, 3, "(tv)")},
             heading + "{-1,2|4}[Al|1]→/(2097151 episodes)/ /(v)/ /(tv)/\n"},
        },
        [](CMovieTVText& t) { return t.AddCrew(kDirectors); });
    Check(
        {
            {"verified",
             {Text(kMiscellaneous, 0, "Al"), Text(kCompleteCrew, 1, "")},
             "{-1,1}*Other Crew:*\n{-1,2|4}[Al|1]\n{-1,1}Crew verified as complete.\n"},
            {"believed, only the first counts",
             {Text(kCompleteCrew, 0, ""), Text(kCompleteCrew, 1, ""), Text(kMiscellaneous, 0, "Al")},
             "{-1,1}*Other Crew:*\n{-1,2|4}[Al|1]\n{-1,1}Crew believed to be complete.\n"},
            {"another key: an empty line",
             {Text(kMiscellaneous, 0, "Al"), Text(kCompleteCrew, 5, "")},
             "{-1,1}*Other Crew:*\n{-1,2|4}[Al|1]\n{-1,1}\n"},
        },
        [](CMovieTVText& t) { return t.AddCrew(kMiscellaneous); });
    Check({{"a list without a crew heading",
            {Text(kActors, 0, "Al")},
            "{-1,1}*Unknown Headline. Please report this to the Author of this Program.*\n{-1,2|4}[Al|1]\n"}},
          [](CMovieTVText& t) { return t.AddCrew(kActors); });
}

TEST_F(MovieTVTextTest, WritingCredits)
{
    const std::string heading = "{-1,1}*Writing Credits:*\n{-1,2}";
    Check(
        {
            {"one line per first order number, & for an equal second",
             {Text(kWriters, 0, "A"), Order(1, 1, 1), Text(kWriters, 0, "B"), Order(1, 1, 2), Text(kWriters, 0, "C"),
              Order(1, 2, 1), Text(kWriters, 0, "D"), Order(2, 1, 1)},
             heading + "[A|1] & [B|1] and [C|1]\n[D|1]\n"},
            {"sorted by order, equal orders in store order",
             {Text(kWriters, 0, "D"), Order(2, 1, 1), Text(kWriters, 0, "B2"), Order(1, 1, 1), Text(kWriters, 0, "C"),
              Order(1, 2, 1), Text(kWriters, 0, "B1"), Order(1, 1, 1)},
             heading + "[B2|1] & [B1|1] and [C|1]\n[D|1]\n"},
            {"without order first; order bytes unsigned",
             {Text(kWriters, 0, "A"), Order(200, 1, 1), Text(kWriters, 0, "B"), Text(kWriters, 0, "C"), Order(2, 1, 1)},
             heading + "[B|1]\n[C|1]\n[A|1]\n"},
            {"the last note counts",
             {Text(kWriters, 0, "A"), Text(kWriters, 2, "(x)"), Text(kWriters, 2, "(y)"), Order(1, 1, 1)},
             heading + "[A|1] (y)\n"},
            {"episode writers in a column below a blank line",
             {Text(kWriters, 0, "Doe, Bo"), Int(kWriters, 5, 3), Text(kWriters, 2, "(story)"), Int(kWriters, 5, 1),
              Text(kWriters, 0, "A"), Order(1, 1, 1)},
             heading + "[A|1]\n\n{-1,2|8}[Bo Doe|1|Doe, Bo]→/(3 episodes)/ (story) /(1 episode)/\n"},
            {"an episode writer's count out of range shows its text",
             {Text(kWriters, 0, "Bo"), Text(kWriters, 5, "(v)")},
             "{-1,1}*Writing Credits:*\n{-1,2|4}[Bo|1]→/(v)/\n"},
        },
        [](CMovieTVText& t) { return t.AddWritingCredits(); });
}

TEST_F(MovieTVTextTest, CastColumnsCountsAndCoverage)
{
    const std::string heading = "{-1,1}*Cast:*";
    Check(
        {
            {"coverage only", {Text(kCompleteCast, 1, "")}, "(false)"},
            {"billed by number, then unbilled by name",
             {Text(kActors, 0, "Zed"), Int(kActors, 4, 2), Text(kActors, 0, "adam"), Text(kActors, 0, "Bob"),
              Int(kActors, 4, 1), Text(kActresses, 0, "Cat")},
             heading + "\n{-1,2|3,8}1→[Bob|1]→\n2→[Zed|1]→\n{-1,2|3,3,8}→→[adam|1]→\n→→[Cat|1]→\n"},
            {"numbers right-aligned",
             {Text(kActors, 0, "A"), Int(kActors, 4, 123), Text(kActors, 0, "B"), Int(kActors, 4, 12),
              Text(kActors, 0, "C"), Int(kActors, 4, 3)},
             heading + "\n{-1,2|3,5,7}→→3→[C|1]→\n{-1,2|2,5,7}→12→[B|1]→\n{-1,2|5,7}123→[A|1]→\n"},
            {"role, note, counts and coverage",
             {Text(kCompleteCast, 0, ""), Text(kActors, 0, "Doe, Al (II)"), Int(kActors, 4, 5),
              Text(kActors, 3, " Nurse "), Text(kActors, 2, "(uncredited)"), Int(kActors, 5, 3), Int(kActors, 6, 2),
              Text(kActresses, 0, "Bea"), Int(kActresses, 5, 4)},
             heading + " complete, awaiting verification.\n{-1,2|3,10}5→[Al Doe|1|Doe, Al (II)]→...Nurse "
                       "(uncredited)/ (3 episodes / 2 character names)/\n"
                       "{-1,2|3,3,10}→→[Bea|1]→/ (4 episodes)/\n"},
            {"counts out of range are no counts",
             {Text(kActors, 0, "Al"), Text(kActors, 5, "(v)"), Int(kActors, 6, 1 << 21), Text(kActors, 0, "Bo"),
              Text(kActors, 5, "(v)"), Int(kActors, 6, 2)},
             heading + "\n{-1,2|255tw,255tw,615tw}→→[Al|1]→\n→→[Bo|1]→/ (2 character names)/\n"},
        },
        [](CMovieTVText& t) { return t.AddCast(); });
}

TEST_F(MovieTVTextTest, CastOrderOtherThanZeroIsByNameAlone)
{
    const std::vector<Rec> records = {Text(kActors, 0, "Zed"), Int(kActors, 4, 2), Text(kActors, 0, "adam"),
                                      Text(kActors, 0, "Bob"), Int(kActors, 4, 1), Text(kActresses, 0, "Cat")};
    for (const int order : {1, 7}) {
        settings.CastOrder = order;
        EXPECT_EQ(Write(records, [](CMovieTVText& t) { return t.AddCast(); }),
                  "{-1,1}*Cast:*\n{-1,2|3,3,8}→→[adam|1]→\n{-1,2|3,8}1→[Bob|1]→\n{-1,2|3,3,8}→→[Cat|1]→\n"
                  "{-1,2|3,8}2→[Zed|1]→\n")
            << order;
    }
}

TEST_F(MovieTVTextTest, NameNumberChangesDisplaysAndColumnsNeverTargets)
{
    const std::vector<Rec> records = {Text(kActors, 0, "Doe, Al (II)"), Text(kActors, 3, "Nurse")};
    settings.RemoveNameNumber = 0;
    EXPECT_EQ(Write(records, [](CMovieTVText& t) { return t.AddCast(); }),
              "{-1,1}*Cast:*\n{-1,2|255tw,255tw,1695tw}→→[Al Doe (II)|1|Doe, Al (II)]→...Nurse\n");
    settings.NameOutput = 1;
    settings.RemoveNameNumber = 1;
    EXPECT_EQ(Write(records, [](CMovieTVText& t) { return t.AddCast(); }),
              "{-1,1}*Cast:*\n{-1,2|255tw,255tw,1215tw}→→[Doe, Al|1|Doe, Al (II)]→...Nurse\n");
}

TEST_F(MovieTVTextTest, BlocksWithoutRecordsShowTheirHeadingOnlyWithAlwaysShowHeaders)
{
    const std::vector<Rec> none = {Text(kCompleteCast, 0, ""), Text(kCompleteCrew, 0, "")};
    const Block blocks[] = {
        [](CMovieTVText& t) { return t.AddCrew(kMiscellaneous); },
        [](CMovieTVText& t) { return t.AddCrew(kActors); },
        [](CMovieTVText& t) { return t.AddWritingCredits(); },
        [](CMovieTVText& t) { return t.AddCast(); },
    };
    const std::string headings[] = {"Other Crew:", std::string(kUnknownHeadline), "Writing Credits:", "Cast:"};
    for (std::size_t i = 0; i < std::size(blocks); ++i) {
        settings.AlwaysShowHeaders = 0;
        EXPECT_EQ(Write(none, blocks[i]), "(false)") << headings[i];
        settings.AlwaysShowHeaders = 1;
        EXPECT_EQ(Write(none, blocks[i]), "{-1,1}*" + headings[i] + "*\n") << headings[i];
    }
}

} // namespace
